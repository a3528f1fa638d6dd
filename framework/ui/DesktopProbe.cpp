#include "framework/ui/DesktopProbe.h"

#include "framework/db/BackgroundSelect.h"
#include "framework/ui/DesktopInputMark.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/StyledFormats.h"
#include "framework/ui/controls/TextScrolling.h"
#include "framework/ui/WindowList.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <set>

namespace {

constexpr int kIntervalMs = 50;

QString plainLabel(QString text) { return text.remove('&'); }

QJsonObject rectOf(const QWidget* widget) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return {{"x", origin.x()}, {"y", origin.y()}, {"w", widget->width()}, {"h", widget->height()}};
}

QJsonObject rectOf(const QWidget* widget, const QRect& local) {
    const QPoint origin = widget->mapToGlobal(local.topLeft());
    return {{"x", origin.x()}, {"y", origin.y()}, {"w", local.width()}, {"h", local.height()}};
}

QJsonObject withRect(QJsonObject object, const QJsonObject& rect) {
    for (auto it = rect.begin(); it != rect.end(); ++it) object.insert(it.key(), it.value());
    return object;
}

bool holdsQtFocus(const RectControl& control) {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* own = control.widget();
    return focus && own && (focus == own || own->isAncestorOf(focus));
}

QJsonArray menuTitles(const Window& window) {
    QJsonArray titles;
    auto* bar = qobject_cast<QMenuBar*>(window.widget()->menuWidget());
    if (!bar || !bar->isVisible()) return titles;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible()) continue;
        titles.append(withRect({{"title", plainLabel(action->text())}, {"enabled", action->isEnabled()}},
                               rectOf(bar, bar->actionGeometry(action))));
    }
    return titles;
}

// The selected text's runs of one size and colour, so a test can see a style
// command (or a cancelled one) take effect. Capped: the probe is rewritten often.
QJsonArray styleRuns(const QTextDocument& document, const QTextCursor& selection) {
    constexpr int kMostRuns = 64;
    const int from = selection.selectionStart(), to = selection.selectionEnd();
    QJsonArray runs;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd() && runs.size() < kMostRuns; ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(from, fragment.position());
            const int end = std::min(to, fragment.position() + fragment.length());
            if (start >= end) continue;
            const QTextCharFormat format = fragment.charFormat();
            runs.append(QJsonObject{{"start", start}, {"length", end - start},
                                    {"size", styleOf(format, TextStyle{}).Size},  // as SelTextSize reads it
                                    {"color", format.foreground().color().name()}});
        }
    }
    return runs;
}

// What an editing control shows: its text, caret, selection and the first
// line in view (multi-line editors), so a test can see keys take effect.
void addEditorState(QJsonObject& object, QWidget* widget) {
    auto* text = qobject_cast<QTextEdit*>(widget);
    if (!text) text = widget->findChild<QTextEdit*>();
    if (text) {
        const QTextCursor cursor = text->textCursor();
        object.insert("text", text->toPlainText());
        object.insert("caret", cursor.position());
        object.insert("selectionStart", cursor.selectionStart());
        object.insert("selectionLength", cursor.selectionEnd() - cursor.selectionStart());
        object.insert("topLine", topVisibleLine(*text));  // as ScrollPosition counts
        object.insert("scroll", text->verticalScrollBar()->value());
        if (cursor.hasSelection()) object.insert("selectionRuns", styleRuns(*text->document(), cursor));
        return;
    }
    auto* line = qobject_cast<QLineEdit*>(widget);
    if (!line) line = widget->findChild<QLineEdit*>();
    if (line) {
        object.insert("text", line->text());
        object.insert("caret", line->cursorPosition());
        object.insert("selectionStart", line->hasSelectedText() ? line->selectionStart() : line->cursorPosition());
        object.insert("selectionLength", static_cast<int>(line->selectedText().size()));
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) object.insert("text", label->text());  // a static text
}

// A list's rows in view: first column's text and global rectangle, and which
// rows are selected, so a test can click a row by its text.
void addListState(QJsonObject& object, QWidget* widget) {
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    if (!view) view = widget->findChild<QAbstractItemView*>();
    if (!view || !view->model()) return;
    QJsonArray rows;
    const QAbstractItemModel& model = *view->model();
    const QRect viewport = view->viewport()->rect();
    // From the row at the top of the view down: a probe rewritten every few
    // milliseconds cannot afford to look at each of 100,000 rows.
    const QModelIndex top = view->indexAt(viewport.topLeft());
    for (int row = top.isValid() ? top.row() : 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        const QRect rect = view->visualRect(index);
        if (!rect.intersects(viewport)) {
            if (rect.top() > viewport.bottom()) break;
            continue;
        }
        rows.append(withRect({{"row", row},
                              {"text", model.data(index, Qt::DisplayRole).toString()},
                              {"selected", view->selectionModel() && view->selectionModel()->isRowSelected(row, {})}},
                             rectOf(view->viewport(), rect)));
    }
    object.insert("rows", rows);
    object.insert("rowCount", model.rowCount());
}

QJsonObject describe(const Window& window) {
    QJsonArray controls;
    for (int32_t i = 0; i < window.ControlCount(); ++i) {
        const RectControl* control = window.Control(i);
        const QWidget* widget = control ? control->widget() : nullptr;
        if (!widget) continue;
        QJsonObject entry{{"name", QString::fromStdString(control->Name())},
                          {"index", control->Index.get()},
                          {"class", widget->metaObject()->className()},
                          {"visible", widget->isVisible()},
                          {"enabled", widget->isEnabled()},
                          {"hasQtFocus", holdsQtFocus(*control)}};
        addEditorState(entry, const_cast<QWidget*>(widget));
        addListState(entry, const_cast<QWidget*>(widget));
        controls.append(withRect(entry, rectOf(widget)));
    }
    const RectControl* focused = window.focusModel().focused();
    return withRect({{"title", QString::fromStdString(window.Title.get())},
                     {"active", window.isActive()},
                     {"qtActive", window.widget()->isActiveWindow()},
                     {"focus", focused ? QJsonValue(QString::fromStdString(focused->Name())) : QJsonValue()},
                     {"frame", QJsonObject{{"x", window.widget()->frameGeometry().x()},
                                           {"y", window.widget()->frameGeometry().y()},
                                           {"w", window.widget()->frameGeometry().width()},
                                           {"h", window.widget()->frameGeometry().height()}}},
                     {"menus", menuTitles(window)},
                     {"controls", controls}},
                    rectOf(window.contentWidget()));
}

QJsonObject describeDialog(QWidget* top) {
    QString text, informative;
    if (auto* box = qobject_cast<QMessageBox*>(top)) {
        text = box->text();
        informative = box->informativeText();
    } else {
        for (QLabel* label : top->findChildren<QLabel*>())
            if (label->isVisible() && label->window() == top && !label->text().isEmpty()) text += (text.isEmpty() ? "" : "\n") + label->text();
    }
    QJsonArray buttons;
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->window() != top) continue;  // not a box stacked on this one
        QJsonObject about{{"label", plainLabel(button->text())}, {"enabled", button->isEnabled()}};
        // Radio buttons and check boxes: which choice the dialog holds.
        if (button->isCheckable()) about.insert("checked", button->isChecked());
        buttons.append(withRect(about, rectOf(button)));
    }
    QJsonArray edits;
    for (QLineEdit* edit : top->findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || edit->window() != top) continue;
        edits.append(withRect({{"text", edit->text()}, {"hasQtFocus", edit->hasFocus()}}, rectOf(edit)));
    }
    return withRect({{"title", top->windowTitle()},
                     {"class", top->metaObject()->className()},
                     {"qtActive", top->isActiveWindow()},
                     {"modal", top == QApplication::activeModalWidget()},
                     {"text", text},
                     {"informative", informative},
                     {"buttons", buttons},
                     {"edits", edits}},
                    rectOf(top));
}

QJsonValue describePopup() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return QJsonValue();
    QJsonArray items;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator()) continue;
        items.append(withRect({{"text", plainLabel(action->text())}, {"enabled", action->isEnabled()}},
                              rectOf(menu, menu->actionGeometry(action))));
    }
    return QJsonObject{{"items", items}};
}

// What is on screen, as JSON without the write's serial and time.
QByteArray describeScreen() {
    QJsonArray windows;
    std::set<const QWidget*> frameworkWidgets;
    for (Window* window : WindowList::frontToBack()) {
        if (!window->widget()) continue;
        frameworkWidgets.insert(window->widget());
        if (window->widget()->isVisible()) windows.append(describe(*window));
    }
    QJsonArray dialogs;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || frameworkWidgets.count(top) || qobject_cast<QMenu*>(top)) continue;
        if (top->windowType() == Qt::ToolTip) continue;
        dialogs.append(describeDialog(top));
    }
    const QWidget* active = QApplication::activeWindow();
    QJsonObject root{{"pid", QCoreApplication::applicationPid()},
                     {"inputMark", static_cast<qint64>(DesktopInputMark::last())},
                     {"quitting", Runtime::quitting()},
                     {"busy", BackgroundSelect::AnyPending()},
                     {"activeWindowTitle", active ? QJsonValue(active->windowTitle()) : QJsonValue()},
                     {"windows", windows},
                     {"dialogs", dialogs},
                     {"popup", describePopup()}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// Describing every window is most of a write's cost (about half a
// millisecond), which on one core is taken from the program being measured,
// every few milliseconds. What is on screen changes only while the event
// loop delivers an event (input, a paint, a timer, a search's rows), so
// while none but the probe's own timer came since the last write, that
// description is written again with the new serial and time.
class ScreenDescription : public QObject {
public:
    explicit ScreenDescription(const QObject* probeTimer) : probeTimer_(probeTimer) {
        qApp->installEventFilter(this);
    }

    QByteArray snapshot(qint64 serial) {
        const Flags now{DesktopInputMark::last(), Runtime::quitting(), BackgroundSelect::AnyPending()};
        if (eventsSince_ > 0 || !(now == described_) || body_.isEmpty()) {
            body_ = describeScreen();
            described_ = now;
            eventsSince_ = 0;
        }
        const auto at = std::chrono::system_clock::now().time_since_epoch();
        QByteArray stamped = "{\"serial\":" + QByteArray::number(serial) + ",\"at\":" +
                             QByteArray::number(std::chrono::duration<double>(at).count(), 'f', 6);
        return stamped + (body_.size() > 2 ? "," + body_.mid(1) : QByteArray("}"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != probeTimer_ || event->type() != QEvent::Timer) ++eventsSince_;
        return false;
    }

private:
    // Read without the event loop: the driver's mark comes with X input the
    // probe's own filter reads.
    struct Flags {
        int64_t inputMark = -1;
        bool quitting = false, busy = false;
        bool operator==(const Flags&) const = default;
    };
    const QObject* probeTimer_;
    QByteArray body_;
    Flags described_;
    uint64_t eventsSince_ = 0;
};

}  // namespace

namespace DesktopProbe {

void installIfRequested() {
    const QString path = qEnvironmentVariable("LARDERWISE_DESKTOP_PROBE");
    if (path.isEmpty()) return;
    DesktopInputMark::install();
    auto* timer = new QTimer(qApp);
    timer->setObjectName("larderwiseDesktopProbe");
    auto serial = std::make_shared<qint64>(0);
    // Written beside and renamed over the file, so a reader sees one whole
    // snapshot or the one before; never synced to the disk (QSaveFile would
    // wait for it every write), as no reader outlives a crash of the
    // machine, and on one core that wait and its kernel work would be
    // taken from the program being measured.
    const QByteArray target = QFile::encodeName(path);
    const QByteArray written = target + ".writing";
    auto* screen = new ScreenDescription(timer);
    screen->setParent(timer);
    QObject::connect(timer, &QTimer::timeout, qApp, [target, written, serial, screen] {
        QFile file(QFile::decodeName(written));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        const QByteArray bytes = screen->snapshot(++*serial);
        const bool whole = file.write(bytes) == bytes.size();
        file.close();
        if (whole) std::rename(written.constData(), target.constData());
    });
    // A measurement may ask for a finer grain than the tests need.
    bool given = false;
    const int interval = qEnvironmentVariableIntValue("LARDERWISE_DESKTOP_PROBE_MS", &given);
    timer->start(given && interval > 0 ? interval : kIntervalMs);
}

}  // namespace DesktopProbe
