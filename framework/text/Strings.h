#pragma once
// The string functions of the old framework over UTF-8 std::string.
// Positions and lengths count characters (code points), from 1 where the old
// framework counted from 1. Text equality and searching ignore letter case
// throughout the system (Unicode case folding), so product code compares
// user-visible text with StrEq / StrComp / InStr, never with ==.
#include <cstdint>
#include <string>
#include <type_traits>

// --- case-blind comparison -------------------------------------------------
bool StrEq(const std::string& a, const std::string& b);
// -1, 0 or 1. mode 0 compares bytes exactly, any other mode ignores case
// (the old framework's default was case-blind, so is ours).
int32_t StrComp(const std::string& a, const std::string& b, int32_t mode = 1);
// The case-folded form, for hashing and sorting keys that must match StrEq.
std::string CaseFold(const std::string& s);

// --- numbers as text ---------------------------------------------------------
// The leading number after blanks (sign, digits, point, exponent; "&h", "&o"
// and "&b" prefixes for hex, octal and binary), 0 when there is none:
// "1/" -> 1, "250 g flour" -> 250, ".5" -> 0.5, "1e3" -> 1000, "1e" -> 1.
double Val(const std::string& s);

// Integers in plain decimal. Doubles with 7 significant digits, trailing
// zeros dropped, no exponent below 1e7 ("0.3333333", "250", "1.5e+7");
// infinities and NaN as "INF", "-INF", "NAN".
template <class T>
    requires std::is_integral_v<T> && (!std::is_same_v<T, bool>)
std::string Str(T value) {
    return std::to_string(value);
}
std::string Str(double value);
// The same forms as Str (the old framework's locale-aware CStr showed these
// for the values this system formats: CStr(250.0) is "250").
template <class T>
    requires std::is_integral_v<T> && (!std::is_same_v<T, bool>)
std::string CStr(T value) {
    return std::to_string(value);
}
std::string CStr(double value);
inline std::string CStr(bool value) { return value ? "True" : "False"; }

// Formats a number by a pattern of the old framework: "#" digit if needed,
// "0" digit always, "." decimal point, "," thousands grouping, "%" times
// 100, "-" minus sign only when negative, "+" sign always, "\x" the
// character x, other characters as they are. Up to three sections
// "positive;negative;zero"; a negative section gets the absolute value.
// Rounds halves away from zero: Format(176.7, "-#,###,##0") is "177". The
// separators are always "," and ".". A negative value whose pattern has no
// sign and no negative section still shows "-" (the sign is never lost).
// Infinities and NaN give "INF", "-INF", "NAN".
std::string Format(double value, const std::string& pattern);

// "FF" for 255; negative numbers as their 64-bit two's complement.
std::string Hex(int64_t value);

// --- characters --------------------------------------------------------------
int32_t Len(const std::string& s);   // characters
int32_t LenB(const std::string& s);  // bytes
std::string Left(const std::string& s, int32_t count);
std::string Right(const std::string& s, int32_t count);
// From character `start` (1-based; below 1 counts as 1), `count` characters
// or to the end when count is omitted or negative.
std::string Mid(const std::string& s, int32_t start, int32_t count = -1);
std::string LeftB(const std::string& s, int32_t count);
std::string RightB(const std::string& s, int32_t count);
std::string MidB(const std::string& s, int32_t start, int32_t count = -1);
// Code point of the first character, 0 for "".
int32_t Asc(const std::string& s);
int32_t AscB(const std::string& s);
// The character with that code point as UTF-8; "" for a value that is not one.
std::string Chr(int32_t codePoint);
std::string ChrB(int32_t byte);

// Blanks are spaces, tabs, CR, LF, vertical tab, form feed and no-break space.
std::string Trim(const std::string& s);
std::string LTrim(const std::string& s);
std::string RTrim(const std::string& s);
std::string Lowercase(const std::string& s);
std::string Uppercase(const std::string& s);
std::string Titlecase(const std::string& s);

// --- searching (case-blind) ---------------------------------------------------
// 1-based character position of `find` in `s`, from character `start`; 0
// when absent, when `find` is "" or when start is beyond the end.
int32_t InStr(const std::string& s, const std::string& find);
int32_t InStr(int32_t start, const std::string& s, const std::string& find);
// Exact byte search, 1-based byte positions.
int32_t InStrB(const std::string& s, const std::string& find);
int32_t InStrB(int32_t start, const std::string& s, const std::string& find);

// Fields separated by `separator` (case-blind). CountFields("", sep) is 0;
// a non-empty text with an empty separator is one field. NthField counts
// from 1 and gives "" out of range.
int32_t CountFields(const std::string& s, const std::string& separator);
std::string NthField(const std::string& s, const std::string& separator, int32_t index);

// Replace the first / every occurrence of `find` (case-blind); the
// replacement is inserted as given. An empty `find` replaces nothing.
std::string Replace(const std::string& s, const std::string& find, const std::string& replacement);
std::string ReplaceAll(const std::string& s, const std::string& find, const std::string& replacement);
// Exact-case variants, for byte data and for code that must not fold.
std::string ReplaceAllB(const std::string& s, const std::string& find, const std::string& replacement);
