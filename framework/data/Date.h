#pragma once
// A date and clock time as the old framework kept it: a count of seconds
// since 1904-01-01 00:00:00 in the date's own local clock time, plus the
// offset from GMT it was taken in. A new Date is "now" from the replaceable
// clock (framework/runtime/Clock.h), so tests can fix both the moment and
// the time zone. Field setters normalise the way the old framework did:
// month 13 is January of the next year, day 0 the last day of the month
// before.
#include <cstdint>
#include <string>

class Date {
public:
    Date();  // now, in local time
    Date(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0, int32_t second = 0);

    double TotalSeconds() const { return totalSeconds_; }
    void SetTotalSeconds(double seconds) { totalSeconds_ = seconds; }
    // Hours east of GMT that the clock time is given in.
    double GMTOffset() const { return gmtOffsetHours_; }
    void SetGMTOffset(double hours) { gmtOffsetHours_ = hours; }

    int32_t Year() const;
    int32_t Month() const;   // 1-12
    int32_t Day() const;     // 1-31
    int32_t Hour() const;    // 0-23
    int32_t Minute() const;  // 0-59
    int32_t Second() const;  // 0-59
    int32_t DayOfWeek() const;  // 1 = Sunday ... 7 = Saturday
    int32_t DayOfYear() const;  // 1-366
    void SetYear(int32_t v);
    void SetMonth(int32_t v);
    void SetDay(int32_t v);
    void SetHour(int32_t v);
    void SetMinute(int32_t v);
    void SetSecond(int32_t v);

    // "YYYY-MM-DD" and "YYYY-MM-DD HH:MM:SS" of the date's own clock time.
    std::string SQLDate() const;
    std::string SQLDateTime() const;
    // Accept those forms (SetSQLDateTime also the date alone, as midnight);
    // any other text raises UnsupportedFormatException and leaves the date.
    void SetSQLDate(const std::string& text);
    void SetSQLDateTime(const std::string& text);

    // Fixed English forms: "12/7/26", "Mon, Dec 7, 2026",
    // "Monday, December 7, 2026", "9:05", "9:05:03".
    std::string ShortDate() const;
    std::string AbbreviatedDate() const;
    std::string LongDate() const;
    std::string ShortTime() const;
    std::string LongTime() const;

    bool operator==(const Date& other) const { return totalSeconds_ == other.totalSeconds_; }

private:
    struct Fields {
        int32_t year, month, day, hour, minute, second;
    };
    Fields fields() const;
    void setFields(const Fields& f);

    double totalSeconds_ = 0;
    double gmtOffsetHours_ = 0;
};
