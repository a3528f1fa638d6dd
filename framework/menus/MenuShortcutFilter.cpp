#include "framework/menus/MenuShortcutFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

#include "framework/menus/MenuContext.h"
#include "framework/menus/MenuDispatch.h"

namespace {

std::optional<std::string> keyName(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::string(1, static_cast<char>('A' + key - Qt::Key_A));
    if (key == Qt::Key_Space) return "Space";
    // Qt's codes for printable ASCII keys are their characters.
    if (key > 0x20 && key < 0x7f) return std::string(1, static_cast<char>(key));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F15) return "F" + std::to_string(key - Qt::Key_F1 + 1);
    switch (key) {
    case Qt::Key_Return: return "Return";
    case Qt::Key_Enter: return "Enter";
    case Qt::Key_Escape: return "Esc";
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return "Tab";
    case Qt::Key_Backspace: return "Backspace";
    case Qt::Key_Delete: return "Delete";
    case Qt::Key_Left: return "Left";
    case Qt::Key_Right: return "Right";
    case Qt::Key_Up: return "Up";
    case Qt::Key_Down: return "Down";
    case Qt::Key_Home: return "Home";
    case Qt::Key_End: return "End";
    case Qt::Key_PageUp: return "PageUp";
    case Qt::Key_PageDown: return "PageDown";
    case Qt::Key_Help: return "Help";
    default: return std::nullopt;
    }
}

bool isAncestorOf(const QObject* ancestor, const QObject* object) {
    for (; object; object = object->parent())
        if (object == ancestor) return true;
    return false;
}

QPointer<MenuShortcutFilter>& installedFilter() {
    static QPointer<MenuShortcutFilter> filter;
    return filter;
}

}  // namespace

std::optional<KeyChord> chordFromKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    auto name = keyName(qtKey);
    if (!name) return std::nullopt;
    KeyChord chord;
    chord.key = *name;
    chord.command = modifiers.testFlag(Qt::ControlModifier);
    chord.shift = modifiers.testFlag(Qt::ShiftModifier) || qtKey == Qt::Key_Backtab;
    chord.option = modifiers.testFlag(Qt::AltModifier);
    chord.control = modifiers.testFlag(Qt::MetaModifier);
    return chord;
}

bool MenuShortcutFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyRelease) {
        declined_ = nullptr;
        override_.reset();
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    // Keys reach the window object first and then the focused widget; act on
    // the widget delivery only. Dialogs and open menus keep their keys.
    if (!watched->isWidgetType()) {
        declined_ = nullptr;
        return false;
    }
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
    MenuContext* context = currentMenuContext();
    if (!context) return false;
    if (event == declined_ && declinedAt_ && watched != declinedAt_ && isAncestorOf(watched, declinedAt_)) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    auto chord = chordFromKey(key->key(), key->modifiers());
    // Plain typing is never a menu command; function keys may be.
    const bool modified = chord && (chord->command || chord->control || chord->option);
    if (!chord || !(modified || (chord->key.size() > 1 && chord->key[0] == 'F'))) return false;
    try {
        if (type == QEvent::ShortcutOverride) {
            override_ = OverrideSeen{*chord, key->timestamp()};
            // Accepting the override makes Qt deliver the key as a key press
            // (which the branch below takes) instead of the widget's binding.
            if (shortcutTarget(*context, *chord)) {
                event->accept();
                return true;
            }
        } else if (handlePress(*chord, key->timestamp())) {
            return true;
        }
    } catch (...) {
        context->unhandledException(std::current_exception());
        return true;
    }
    declined_ = event;
    declinedAt_ = watched;
    return false;
}

bool MenuShortcutFilter::handlePress(const KeyChord& chord, quint64 timestamp) {
    MenuContext& context = *currentMenuContext();
    auto seen = std::exchange(override_, std::nullopt);
    if (!seen || !(seen->chord == chord) || seen->timestamp != timestamp)
        return dispatchMenuShortcut(context, chord);
    MenuItem* target = enabledShortcutItem(context, chord);
    if (!target) return false;
    dispatchMenuItem(context, *target);
    return true;
}

void installMenuShortcutFilter() {
    auto& filter = installedFilter();
    if (!filter) filter = new MenuShortcutFilter;
    filter->setParent(qApp);
    qApp->removeEventFilter(filter);
    qApp->installEventFilter(filter);
}
