#pragma once
// A framework property: read like a value, assigned like a variable, and
// able to run code when assigned (moving a widget, raising an event). This
// keeps product code in the old framework's shape (`ctl->Left = 10`,
// `int w = win.Width`) while the framework reacts to every change.
//
// Two kinds:
//   Property<T> p{initial};                    a stored value
//   p.onChange(hook)                            stored, hook(new) after each assignment
//   Property<T> p{getter, setter};             computed (the control holds the state)
#include <functional>
#include <type_traits>
#include <utility>

template <class T>
class Property {
public:
    using Getter = std::function<T()>;
    using Setter = std::function<void(const T&)>;
    using OnChange = std::function<void(const T&)>;

    Property() : value_{} {}
    Property(T initial) : value_(std::move(initial)) {}
    Property(Getter getter, Setter setter) : getter_(std::move(getter)), setter_(std::move(setter)) {}

    Property(const Property&) = delete;

    // Reading.
    T get() const { return getter_ ? getter_() : value_; }
    operator T() const { return get(); }
    T operator()() const { return get(); }

    // Writing.
    void set(const T& v) {
        if (setter_) {
            setter_(v);
            return;
        }
        value_ = v;
        if (onChange_) onChange_(value_);
    }
    Property& operator=(const T& v) {
        set(v);
        return *this;
    }
    Property& operator=(const Property& other) {
        set(other.get());
        return *this;
    }
    template <class U, class = std::enable_if_t<std::is_convertible_v<U, T> && !std::is_same_v<std::decay_t<U>, T>>>
    Property& operator=(U&& v) {
        set(T(std::forward<U>(v)));
        return *this;
    }

    template <class U>
    Property& operator+=(const U& d) {
        set(get() + d);
        return *this;
    }
    template <class U>
    Property& operator-=(const U& d) {
        set(get() - d);
        return *this;
    }

    // Changes the stored value without running the change hook: used by the
    // framework when the state changed elsewhere (the user resized a window).
    void setQuietly(const T& v) { value_ = v; }

    // Installs the hook later, once the object is complete (design values
    // assigned before it ran nothing).
    void onChange(OnChange hook) { onChange_ = std::move(hook); }

private:
    T value_{};
    OnChange onChange_;
    Getter getter_;
    Setter setter_;
};
