#pragma once
// An event whose name is also a method of its owner: `win.Close()` closes the
// window while `Close = [this] { ... }` binds the window's Close handler;
// `App().EnableMenuItems()` runs the enabling pass while
// `EnableMenuItems = ...` binds the application's handler. Calling it runs
// the method; the framework raises the handler with raise().
#include <functional>
#include <utility>

class CommandEvent {
public:
    using Handler = std::function<void()>;

    explicit CommandEvent(std::function<void()> command) : command_(std::move(command)) {}
    CommandEvent(const CommandEvent&) = delete;

    CommandEvent& operator=(Handler handler) {
        handler_ = std::move(handler);
        return *this;
    }
    bool bound() const { return static_cast<bool>(handler_); }
    void unbind() { handler_ = nullptr; }

    // The method.
    void operator()() const { command_(); }
    // The event.
    void raise() const {
        if (handler_) handler_();
    }

private:
    std::function<void()> command_;
    Handler handler_;
};
