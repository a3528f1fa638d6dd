#pragma once
// A framework event: a slot a window binds a handler to by assignment.
// Raising an unbound event does nothing; an unbound event that answers a
// value (for example a Boolean "handled") answers the value's default, so an
// unbound Boolean event counts as False.
#include <functional>
#include <utility>

template <class Signature>
class Event;

template <class R, class... Args>
class Event<R(Args...)> {
public:
    using Handler = std::function<R(Args...)>;

    Event() = default;
    Event& operator=(Handler handler) {
        handler_ = std::move(handler);
        return *this;
    }

    bool bound() const { return static_cast<bool>(handler_); }
    void unbind() { handler_ = nullptr; }

    R operator()(Args... args) const {
        if (!handler_) {
            if constexpr (std::is_void_v<R>) return;
            else return R{};
        }
        return handler_(std::forward<Args>(args)...);
    }

private:
    Handler handler_;
};
