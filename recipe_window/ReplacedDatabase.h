#pragma once
// What became of a database file another program replaced under the main
// window (ReplacedDatabase.cpp): not met yet; kept in a copy the edits go
// into while the program quits; or kept nowhere, no folder taking a copy.
// Then nothing the window shows can be stored anywhere, so the window stays
// with its editors read-only, for the user to copy the edit out, and no
// save is tried again.
class ReplacedDatabase {
public:
    bool met() const { return outcome_ != Outcome::NotMet; }
    bool keptNowhere() const { return outcome_ == Outcome::KeptNowhere; }
    void noteKept() { outcome_ = Outcome::Kept; }
    void noteKeptNowhere() { outcome_ = Outcome::KeptNowhere; }

private:
    enum class Outcome { NotMet, Kept, KeptNowhere };
    Outcome outcome_ = Outcome::NotMet;
};
