#pragma once
// Framework-internal: routes keys to menu shortcuts before any widget sees
// them. A key whose item is enabled and handled in the dispatch chain runs
// the item (also taking it from QLineEdit/QTextEdit bindings such as Ctrl+A
// via ShortcutOverride); any other key goes on to the control and window.
#include <QObject>
#include <QPointer>
#include <Qt>
#include <optional>

#include "framework/menus/MenuShortcut.h"

class QKeyEvent;

// The key chord of a key event (Ctrl = Cmd), or nullopt for keys no
// shortcut can name (a lone modifier, unknown keys).
std::optional<KeyChord> chordFromKey(int qtKey, Qt::KeyboardModifiers modifiers);

class MenuShortcutFilter : public QObject {
    Q_OBJECT
public:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handlePress(const KeyChord& chord, quint64 timestamp);

    // Qt sends a shortcut override and then the key press for one key. The
    // press reuses the override's enabling pass, so one key raises the
    // EnableMenuItems events once.
    struct OverrideSeen {
        KeyChord chord;
        quint64 timestamp;
    };
    std::optional<OverrideSeen> override_;
    // A key the menus declined is offered again to each parent the event
    // propagates to; remember it so the enabling pass runs once per key.
    const QEvent* declined_ = nullptr;
    QPointer<QObject> declinedAt_;
};

// Installs the application-wide filter (again), so that it is the most
// recently installed one and runs before other key filters: menu shortcuts
// come before a control's KeyDown. Call after installing other key filters.
void installMenuShortcutFilter();
