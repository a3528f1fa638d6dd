#pragma once
// Marks a save of the main window as running for as long as it runs,
// however it ends: a message box of that save moves the focus, and the
// LostFocus it raises must not start the same save again.
class SavingScope {
public:
    explicit SavingScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~SavingScope() { flag_ = was_; }
    SavingScope(const SavingScope&) = delete;
    SavingScope& operator=(const SavingScope&) = delete;

private:
    bool& flag_;
    bool was_;
};
