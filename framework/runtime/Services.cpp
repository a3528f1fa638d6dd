#include "framework/runtime/Services.h"

#include "framework/graphics/FontFamilies.h"
#include "framework/runtime/HeldInput.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QStandardPaths>
#include <qpa/qwindowsysteminterface_p.h>
#include <QGuiApplication>
#include <QScreen>

namespace {
int yields = 0;
int yieldDepth = 0;

// An XDG variable counts only when it holds an absolute path (the XDG rule).
std::string xdgFolder(const char* var, const QString& fallback) {
    const QString value = qEnvironmentVariable(var);
    return (value.startsWith('/') ? value : fallback).toStdString();
}

std::string realFolderRoot(SpecialFolderKind kind) {
    const QString home = QDir::homePath();
    switch (kind) {
        case SpecialFolderKind::ApplicationData: return xdgFolder("XDG_DATA_HOME", home + "/.local/share");
        case SpecialFolderKind::Preferences: return xdgFolder("XDG_CONFIG_HOME", home + "/.config");
        case SpecialFolderKind::Desktop: {
            const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
            return (QDir(desktop).exists() ? desktop : home).toStdString();
        }
        case SpecialFolderKind::Documents: {
            const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            return (QDir(docs).exists() ? docs : home).toStdString();
        }
        case SpecialFolderKind::Home: return home.toStdString();
        case SpecialFolderKind::Temporary: return QDir::tempPath().toStdString();
    }
    return home.toStdString();
}

ScreenInfo realScreen(int32_t index) {
    ScreenInfo info;
    const auto screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) return info;
    const QScreen* s = screens[index];
    const QRect g = s->geometry(), a = s->availableGeometry();
    info = ScreenInfo{g.x(), g.y(), g.width(), g.height(), a.x(), a.y(), a.width(), a.height(), s->depth()};
    return info;
}

Services makeRealServices() {
    Services s;
    s.doubleClickTicks = [] { return static_cast<int32_t>(QApplication::doubleClickInterval() * 60 / 1000); };
    s.screenCount = [] { return static_cast<int32_t>(QGuiApplication::screens().size()); };
    s.screen = realScreen;
    s.fontFamilies = installedFontFamilies;
    s.folderRoot = realFolderRoot;
    // The modifiers as the input being handled saw them, not as the keyboard is
    // now: on a busy machine a Shift+Down can be handled after Shift was
    // released, and a handler asking then must still see Shift held.
    s.modifiers = [] {
        const Qt::KeyboardModifiers m = QGuiApplication::keyboardModifiers();
        return KeyModifiers{bool(m & Qt::ControlModifier), bool(m & Qt::ShiftModifier), bool(m & Qt::AltModifier),
                            bool(m & Qt::MetaModifier)};
    };
    s.pointerPosition = [](int32_t& x, int32_t& y) {
        const QPoint p = QCursor::pos();
        x = p.x();
        y = p.y();
    };
    // The window system's events wait in Qt's queue until the loop delivers
    // them one by one; a key still in it has come but not been handled.
    s.keysWaiting = [] {
        return QWindowSystemInterfacePrivate::peekWindowSystemEvent(QWindowSystemInterfacePrivate::Key) != nullptr;
    };
    s.yield = [] {
        HeldInput::hold();
        QCoreApplication::processEvents();
    };
    s.deliverInput = [] { HeldInput::release(); };
    s.exitLoop = [](int code) { QCoreApplication::exit(code); };
    return s;
}

Services& current() {
    // Plain functions and a std::set: safe as a static (no Qt object).
    static Services* instance = new Services(makeRealServices());
    return *instance;
}
}  // namespace

Services& services() { return current(); }

void resetServices() { current() = makeRealServices(); }

bool yieldingToEventLoop() { return yieldDepth > 0; }

void yieldToEventLoop() {
    ++yields;
    ++yieldDepth;
    struct Depth {
        ~Depth() { --yieldDepth; }
    } depth;
    if (services().yield) services().yield();
}

void deliverHeldInput() {
    if (services().deliverInput) services().deliverInput();
}

int yieldCount() { return yields; }
