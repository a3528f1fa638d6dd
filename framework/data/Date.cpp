#include "framework/data/Date.h"

#include <cmath>
#include <cstdio>

#include "framework/runtime/Clock.h"
#include "framework/runtime/RuntimeException.h"

namespace {

constexpr int64_t secondsPerDay = 86400;
// Days from 1970-01-01 back to 1904-01-01, the old framework's epoch.
constexpr int64_t epoch1904FromUnixDays = -24107;

// Proleptic Gregorian calendar, days relative to 1970-01-01 (H. Hinnant's
// civil-date algorithms), valid for any year.
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int32_t& year, int32_t& month, int32_t& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int32_t>(yoe + era * 400 + (month <= 2));
}

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int64_t wholeSeconds(double total) { return static_cast<int64_t>(std::floor(total)); }

const char* const dayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const monthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};

// Reads exactly `count` digits at `pos`; false when any is not a digit.
bool digits(const std::string& text, size_t pos, size_t count, int32_t& value) {
    if (pos + count > text.size()) return false;
    value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

Date::Date() {
    const int64_t micros = Clock::nowMicroseconds();
    const int32_t offset = Clock::localOffsetSeconds(micros);
    const int64_t unixSeconds = floorDiv(micros, 1000000) + offset;
    totalSeconds_ = static_cast<double>(unixSeconds - epoch1904FromUnixDays * secondsPerDay);
    gmtOffsetHours_ = offset / 3600.0;
}

Date::Date(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second) : Date() {
    setFields({year, month, day, hour, minute, second});
}

Date::Fields Date::fields() const {
    const int64_t total = wholeSeconds(totalSeconds_);
    const int64_t days = floorDiv(total, secondsPerDay);
    const int64_t rest = total - days * secondsPerDay;
    Fields f{};
    civilFromDays(days + epoch1904FromUnixDays, f.year, f.month, f.day);
    f.hour = static_cast<int32_t>(rest / 3600);
    f.minute = static_cast<int32_t>(rest / 60 % 60);
    f.second = static_cast<int32_t>(rest % 60);
    return f;
}

void Date::setFields(const Fields& f) {
    const int64_t monthIndex = int64_t(f.month) - 1;
    const int64_t year = f.year + floorDiv(monthIndex, 12);
    const int64_t month = monthIndex - floorDiv(monthIndex, 12) * 12 + 1;
    const int64_t days = daysFromCivil(year, month, 1) - epoch1904FromUnixDays + (int64_t(f.day) - 1);
    const double fraction = totalSeconds_ - std::floor(totalSeconds_);
    totalSeconds_ = static_cast<double>(days * secondsPerDay + int64_t(f.hour) * 3600 +
                                        int64_t(f.minute) * 60 + f.second) + fraction;
}

int32_t Date::Year() const { return fields().year; }
int32_t Date::Month() const { return fields().month; }
int32_t Date::Day() const { return fields().day; }
int32_t Date::Hour() const { return fields().hour; }
int32_t Date::Minute() const { return fields().minute; }
int32_t Date::Second() const { return fields().second; }

int32_t Date::DayOfWeek() const {
    // 1904-01-01 was a Friday (6 in Sunday-first numbering).
    const int64_t days = floorDiv(wholeSeconds(totalSeconds_), secondsPerDay);
    return static_cast<int32_t>(((days + 5) % 7 + 7) % 7 + 1);
}

int32_t Date::DayOfYear() const {
    const Fields f = fields();
    return static_cast<int32_t>(daysFromCivil(f.year, f.month, f.day) - daysFromCivil(f.year, 1, 1) + 1);
}

void Date::SetYear(int32_t v) { Fields f = fields(); f.year = v; setFields(f); }
void Date::SetMonth(int32_t v) { Fields f = fields(); f.month = v; setFields(f); }
void Date::SetDay(int32_t v) { Fields f = fields(); f.day = v; setFields(f); }
void Date::SetHour(int32_t v) { Fields f = fields(); f.hour = v; setFields(f); }
void Date::SetMinute(int32_t v) { Fields f = fields(); f.minute = v; setFields(f); }
void Date::SetSecond(int32_t v) { Fields f = fields(); f.second = v; setFields(f); }

std::string Date::SQLDate() const {
    const Fields f = fields();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", f.year, f.month, f.day);
    return buffer;
}

std::string Date::SQLDateTime() const {
    const Fields f = fields();
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", f.year, f.month, f.day, f.hour,
                  f.minute, f.second);
    return buffer;
}

void Date::SetSQLDate(const std::string& text) {
    Fields f{0, 0, 0, 0, 0, 0};
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits(text, 0, 4, f.year) ||
        !digits(text, 5, 2, f.month) || !digits(text, 8, 2, f.day))
        throw UnsupportedFormatException("Not an SQL date: " + text);
    setFields(f);
}

void Date::SetSQLDateTime(const std::string& text) {
    if (text.size() == 10) return SetSQLDate(text);
    Fields f{0, 0, 0, 0, 0, 0};
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':' || !digits(text, 0, 4, f.year) || !digits(text, 5, 2, f.month) ||
        !digits(text, 8, 2, f.day) || !digits(text, 11, 2, f.hour) || !digits(text, 14, 2, f.minute) ||
        !digits(text, 17, 2, f.second))
        throw UnsupportedFormatException("Not an SQL date and time: " + text);
    totalSeconds_ = std::floor(totalSeconds_);
    setFields(f);
}

std::string Date::ShortDate() const {
    const Fields f = fields();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d/%d/%02d", f.month, f.day, ((f.year % 100) + 100) % 100);
    return buffer;
}

std::string Date::AbbreviatedDate() const {
    const Fields f = fields();
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.3s, %.3s %d, %d", dayNames[DayOfWeek() - 1],
                  monthNames[f.month - 1], f.day, f.year);
    return buffer;
}

std::string Date::LongDate() const {
    const Fields f = fields();
    return std::string(dayNames[DayOfWeek() - 1]) + ", " + monthNames[f.month - 1] + " " +
           std::to_string(f.day) + ", " + std::to_string(f.year);
}

std::string Date::ShortTime() const {
    const Fields f = fields();
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d:%02d", f.hour, f.minute);
    return buffer;
}

std::string Date::LongTime() const {
    const Fields f = fields();
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", f.hour, f.minute, f.second);
    return buffer;
}
