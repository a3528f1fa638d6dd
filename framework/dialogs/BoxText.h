#pragma once
// Framework-internal: how a message of any length fits a message box. The
// box quotes the start of the text, where every message puts its number and
// wording; a long text (a failed statement quoting a whole recipe) is cut
// there and the text goes into the box's details (up to a bound), so the box appears at
// once and fits the screen however large the text is.
#include <QString>
#include <string>

struct BoxText {
    QString shown;    // what the box's label shows (line ends as "\n")
    QString details;  // the text when `shown` is cut (up to the bound), else empty
};

// Characters the label quotes at most, and the longest run without a break
// it shows before one is inserted (a label cannot wrap inside a word).
constexpr int kBoxTextCharacters = 400;
constexpr int kBoxTextLineCharacters = 100;
// Characters the details hold at most: the details view lays out all it
// holds when opened (about half a second per MB), so a 20 MB statement is
// quoted up to here and the count of the characters left out follows.
constexpr int kBoxDetailsCharacters = 1024 * 1024;

BoxText boxText(const std::string& text);
