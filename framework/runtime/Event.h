#pragma once
// A framework event: a slot a window binds a handler to by assignment.
// Raising an unbound event does nothing; an unbound event that answers a
// value (for example a Boolean "handled") answers the value's default, so an
// unbound Boolean event counts as False.
#include <functional>
#include <type_traits>
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
    // A handler that needs none of what the event carries (a LostFocus
    // handler that ignores the reason) is bound as it is.
    template <class F>
        requires(sizeof...(Args) > 0 && !std::is_invocable_v<F&, Args...> && std::is_invocable_r_v<R, F&>)
    Event& operator=(F handler) {
        handler_ = [h = std::move(handler)](Args...) mutable -> R { return h(); };
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
