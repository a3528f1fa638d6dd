#include "tests/support/UiDriver.h"

#include "framework/db/BackgroundSelect.h"
#include "framework/dialogs/UiService.h"
#include "framework/runtime/Clock.h"
#include "framework/runtime/Services.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/MenuIntegration.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/UserAction.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/ListboxView.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"
#include "tests/support/DropEvents.h"
#include "tests/support/ScriptedUiService.h"

#include "framework/graphics/Picture.h"

#include <chrono>
#include <thread>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
Qt::KeyboardModifiers qtModifiers(unsigned m) {
    Qt::KeyboardModifiers q;
    if (m & UiDriver::Command) q |= Qt::ControlModifier;
    if (m & UiDriver::Shift) q |= Qt::ShiftModifier;
    if (m & UiDriver::Option) q |= Qt::AltModifier;
    if (m & UiDriver::Control) q |= Qt::MetaModifier;
    return q;
}

// The Qt key and text for a one-character key string.
std::pair<int, QString> qtKeyFor(const std::string& key) {
    if (key.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(key[0]);
        switch (c) {
            case 8: return {Qt::Key_Backspace, "\b"};
            case 9: return {Qt::Key_Tab, "\t"};
            case 13: return {Qt::Key_Return, "\r"};
            case 3: return {Qt::Key_Enter, "\r"};
            case 27: return {Qt::Key_Escape, QString(QChar(27))};
            case 28: return {Qt::Key_Left, ""};
            case 29: return {Qt::Key_Right, ""};
            case 30: return {Qt::Key_Up, ""};
            case 31: return {Qt::Key_Down, ""};
            case 127: return {Qt::Key_Delete, ""};
            case 1: return {Qt::Key_Home, ""};
            case 4: return {Qt::Key_End, ""};
            case 11: return {Qt::Key_PageUp, ""};
            case 12: return {Qt::Key_PageDown, ""};
            default: break;
        }
        if (c >= 'a' && c <= 'z') return {Qt::Key_A + (c - 'a'), QString(QChar(c))};
        if (c >= 'A' && c <= 'Z') return {Qt::Key_A + (c - 'A'), QString(QChar(c))};
        if (c < 0x80) return {static_cast<int>(c), QString(QChar(c))};
    }
    const QString text = QString::fromStdString(key);
    return {text.isEmpty() ? 0 : static_cast<int>(text[0].toUpper().unicode()), text};
}

// The widget Qt would deliver a press at (x, y) of the control to.
QWidget* targetAt(RectControl& control, QPoint& pos) {
    QWidget* top = control.widget();
    QWidget* hit = top->childAt(pos);
    if (!hit) return top;
    pos = hit->mapFrom(top, pos);
    return hit;
}

bool sendDrop(QWidget* target, const QPoint& pos, const DropData& data) {
    QMimeData mime;
    if (data.text) mime.setText(QString::fromStdString(*data.text));
    QList<QUrl> urls;
    for (const std::string& path : data.files) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    if (!urls.isEmpty()) mime.setUrls(urls);
    if (data.picture) mime.setImageData(data.picture->image());
    return sendDropEvents(target, pos, mime);
}

// Where the simulated pointer is on the screen: a drag the program starts
// ends there.
ScriptedUiService* pointerWatcher = nullptr;

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    const QPoint global = target->mapToGlobal(pos);
    if (pointerWatcher) pointerWatcher->pointerMovedTo(global.x(), global.y());
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, mods);
    QApplication::sendEvent(target, &event);
}
}  // namespace

UiDriver::UiDriver() : folders_(std::make_unique<QTemporaryDir>()) {
    // Whole ticks are kept apart from extra microseconds, so advancing by
    // ticks never drifts by a rounding.
    // The monotonic clock reads as on a machine that has been up for a while
    // (Ticks counts from the system's start, never from the program's); the
    // wall clock starts a few seconds into 1970, where tests add the moment
    // they need, and moves on with it.
    Clock::setFake([this] { return ((fakeTicks_ - kUptimeTicks + 1000) * 1000000 + 59) / 60 + extraMicros_; });
    Clock::setFakeSinceBoot([this] { return (fakeTicks_ * 1000000 + 59) / 60 + extraMicros_; });
    Services& s = services();
    s.doubleClickTicks = [this] { return doubleClickTicks; };
    s.screenCount = [] { return 1; };
    s.screen = [](int32_t index) {
        ScreenInfo info;
        if (index != 0) return info;
        return ScreenInfo{0, 0, 1280, 800, 0, 22, 1280, 778, 32};
    };
    s.fontFamilies = [] { return std::vector<std::string>{"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"}; };
    // The modifiers of the simulated key or click while it is delivered.
    s.modifiers = [this] {
        return KeyModifiers{bool(heldModifiers_ & Command), bool(heldModifiers_ & Shift), bool(heldModifiers_ & Option),
                            bool(heldModifiers_ & Control)};
    };
    s.pointerPosition = [this](int32_t& x, int32_t& y) {
        x = pressPointer_ ? pressPointer_->first : 100;
        y = pressPointer_ ? pressPointer_->second : 100;
    };
    s.yield = [] {};
    s.deliverInput = [] {};
    s.exitLoop = [this](int code) {
        loopEnded_ = true;
        exitCode_ = code;
    };
    // The special folders, and code that reads the XDG variables itself,
    // land in the same temp tree.
    const std::pair<const char*, const char*> env[] = {
        {"HOME", "Home"}, {"XDG_DATA_HOME", "ApplicationData"}, {"XDG_CONFIG_HOME", "Preferences"}};
    for (const auto& [var, name] : env) {
        savedEnvironment_.emplace_back(var, qgetenv(var).toStdString());
        qputenv(var, QByteArray::fromStdString(folder(name)));
    }
    s.folderRoot = [this](SpecialFolderKind kind) {
        static const char* const names[] = {"ApplicationData", "Preferences", "Desktop", "Documents", "Home", "Temporary"};
        return folder(names[static_cast<int>(kind)]);
    };
    auto scripted = std::make_unique<ScriptedUiService>();
    dialogs_ = scripted.get();
    pointerWatcher = dialogs_;
    setUiService(std::move(scripted));
}

UiDriver::~UiDriver() {
    dialogs_->verifyAllUsed();
    if (pointerWatcher == dialogs_) pointerWatcher = nullptr;
    setUiService(nullptr);
    for (const auto& [var, value] : savedEnvironment_) qputenv(var, QByteArray::fromStdString(value));
}

int32_t UiDriver::ticks() const { return Clock::ticks(); }
void UiDriver::advanceTicks(int32_t t) { fakeTicks_ += t; }
void UiDriver::advanceMicroseconds(int64_t micros) { extraMicros_ += micros; }

std::string UiDriver::folder(const char* name) const {
    const QString path = folders_->path() + "/" + name;
    QDir().mkpath(path);
    return path.toStdString();
}

void UiDriver::start(const Runtime::StartupSteps& steps, const std::vector<std::string>& documents) {
    Runtime::start(steps, documents);
    settle();
}

void UiDriver::settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // A select reading on its own thread delivers through the loop once done.
    for (int waited = 0; BackgroundSelect::AnyPending() && waited < 30'000; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    WindowList::deleteClosed();
}

void UiDriver::press(RectControl& control, int32_t x, int32_t y, unsigned modifiers, bool contextual) {
    UserAction::begin();
    Window* window = control.Window();
    if (!window->isActive()) activate(*window);
    QPoint pos(x, y);
    QWidget* target = targetAt(control, pos);
    // As on a display: the pointer is where the button went down while the
    // press moves the focus and is delivered.
    const QPoint global = target->mapToGlobal(pos);
    pressPointer_ = std::pair(global.x(), global.y());
    if (control.AcceptFocus.get() && control.Enabled.get() && window->Focus() != &control)
        InputDispatch::focusIn(control, Qt::MouseFocusReason);
    const Qt::MouseButton button = contextual ? Qt::RightButton : Qt::LeftButton;
    heldModifiers_ = modifiers;
    sendMouse(target, QEvent::MouseButtonPress, pos, button, button, qtModifiers(modifiers));
    heldModifiers_ = None;
    pressPointer_.reset();
}

void UiDriver::drag(RectControl& control, int32_t x, int32_t y) {
    QPoint pos(x, y);
    QWidget* target = targetAt(control, pos);
    sendMouse(target, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
}

void UiDriver::move(RectControl& control, int32_t x, int32_t y) {
    QPoint pos(x, y);
    QWidget* target = targetAt(control, pos);
    sendMouse(target, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
}

void UiDriver::release(RectControl& control, int32_t x, int32_t y) {
    QPoint pos(x, y);
    QWidget* target = targetAt(control, pos);
    sendMouse(target, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
}

void UiDriver::click(RectControl& control, int32_t x, int32_t y, unsigned modifiers, bool contextual) {
    press(control, x, y, modifiers, contextual);
    release(control, x, y);
}

void UiDriver::doubleClick(RectControl& control, int32_t x, int32_t y) {
    click(control, x, y);
    advanceTicks(1);
    click(control, x, y);
}

void UiDriver::clickCell(Listbox& list, int32_t row, int32_t column) {
    list.syncView();  // rows added since the last turn of the loop
    QTableView* view = list.view();
    const QRect cell = view->visualRect(view->model()->index(row, column));
    const QPoint p = view->viewport()->mapTo(list.widget(), cell.center());
    click(list, p.x(), p.y());
}

void UiDriver::clickWindow(Window& window, int32_t x, int32_t y, bool contextual) {
    UserAction::begin();
    if (!window.isActive()) activate(window);
    QWidget* content = window.contentWidget();
    const Qt::MouseButton button = contextual ? Qt::RightButton : Qt::LeftButton;
    sendMouse(content, QEvent::MouseButtonPress, QPoint(x, y), button, button, Qt::NoModifier);
    sendMouse(content, QEvent::MouseButtonRelease, QPoint(x, y), button, Qt::NoButton, Qt::NoModifier);
}

void UiDriver::key(RectControl& control, const std::string& key, unsigned modifiers) {
    Window* window = control.Window();
    if (!window->isActive()) activate(*window);
    if (window->Focus() != &control) setFocus(control);
    sendKey(control.widget(), key, modifiers);
}

void UiDriver::pressKey(const std::string& key, unsigned modifiers) {
    Window* window = nullptr;
    for (Window* w : WindowList::frontToBack())
        if (w->isActive()) window = w;
    if (!window) {
        ADD_FAILURE() << "A key was pressed while no window is active";
        return;
    }
    RectControl* focused = window->Focus();
    sendKey(focused ? focused->widget() : static_cast<QWidget*>(window->widget()), key, modifiers);
}

void UiDriver::sendKey(QWidget* receiver, const std::string& key, unsigned modifiers) {
    UserAction::begin();
    auto [qtKey, text] = qtKeyFor(key);
    if (modifiers & Shift && text.size() == 1) text = text.toUpper();
    QWidget* target = receiver->focusProxy() ? receiver->focusProxy() : receiver;
    if (QWidget* inner = QApplication::focusWidget(); inner && target->isAncestorOf(inner)) target = inner;
    heldModifiers_ = modifiers;
    QKeyEvent press(QEvent::KeyPress, qtKey, qtModifiers(modifiers), text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, qtModifiers(modifiers), text);
    QApplication::sendEvent(target, &release);
    heldModifiers_ = None;
}

void UiDriver::type(RectControl& control, const std::string& text) {
    const QString q = QString::fromStdString(text);
    for (int i = 0; i < q.size(); ++i) {
        const int length = (q[i].isHighSurrogate() && i + 1 < q.size()) ? 2 : 1;
        key(control, q.mid(i, length).toStdString());
        i += length - 1;
    }
}

void UiDriver::tab(RectControl& control, bool backwards) { key(control, "\t", backwards ? Shift : None); }

void UiDriver::setFocus(RectControl& control) {
    Window* window = control.Window();
    if (!window->isActive()) activate(*window);
    InputDispatch::focusIn(control, Qt::MouseFocusReason);
}

void UiDriver::activate(Window& window) { WindowList::activate(window); }
void UiDriver::deactivate(Window& window) { WindowList::deactivate(window); }

void UiDriver::resize(Window& window, int32_t width, int32_t height) { window.clientResized(width, height); }

bool UiDriver::drop(RectControl& control, const DropData& data, int32_t x, int32_t y) {
    QPoint pos(x, y);
    QWidget* target = targetAt(control, pos);
    return sendDrop(target, pos, data);
}

bool UiDriver::dropOnWindow(Window& window, const DropData& data, int32_t x, int32_t y) {
    QWidget* content = window.contentWidget();
    QWidget* hit = content->childAt(QPoint(x, y));
    QWidget* target = hit ? hit : content;
    return sendDrop(target, target->mapFrom(content, QPoint(x, y)), data);
}

bool UiDriver::chooseMenu(const std::string& itemName) {
    UserAction::begin();
    return chooseMenuItem(itemName);
}
