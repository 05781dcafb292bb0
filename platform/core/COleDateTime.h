#pragma once
// A date and time as the OLE DATE: days since 1899-12-30, the fraction the time of day.
// Before that day the whole days count backwards while the fraction still counts forwards
// (-1.25 is 1899-12-29 06:00).

#include "platform/core/CString.h"
#include "platform/core/Variant.h"

#include <ctime>

class COleDateTime
{
public:
    enum DateTimeStatus
    {
        error = -1,
        valid = 0,
        invalid = 1,
        null = 2,
    };

    COleDateTime() = default;
    COleDateTime(DATE dt) : m_dt(dt) { CheckRange(); }
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    COleDateTime(const VARIANT& v);
    explicit COleDateTime(std::time_t t);

    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Each false (and the status invalid) when the parts do not make a date of 100 to 9999.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    int SetTime(int hour, int minute, int second) { return SetDateTime(1899, 12, 30, hour, minute, second); }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const;
    // 1 = 1 January.
    int GetDayOfYear() const;

    // The user's short date and time text; VAR_DATEVALUEONLY gives the date alone,
    // VAR_TIMEVALUEONLY the time alone. A null or invalid value gives empty text.
    CString Format(DWORD flags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // strftime-like: %d %m %Y %y %H %M %S %j %w %c %x %X %%.
    CString Format(const char* pattern) const;
    // Reads the user's date form (and ISO yyyy-mm-dd), with an optional time H:mm[:ss];
    // two-digit years 0-29 are 20xx, 30-99 19xx. False and status invalid when unreadable.
    bool ParseDateTime(const char* text, DWORD flags = 0, LCID lcid = LANG_USER_DEFAULT);

    operator DATE() const { return m_dt; }
    COleDateTime& operator=(DATE dt);

    friend bool operator==(const COleDateTime& a, const COleDateTime& b)
    {
        return a.m_status == b.m_status && a.m_dt == b.m_dt;
    }
    friend bool operator!=(const COleDateTime& a, const COleDateTime& b) { return !(a == b); }
    friend bool operator<(const COleDateTime& a, const COleDateTime& b) { return a.Linear() < b.Linear(); }
    friend bool operator>(const COleDateTime& a, const COleDateTime& b) { return b < a; }
    friend bool operator<=(const COleDateTime& a, const COleDateTime& b) { return !(b < a); }
    friend bool operator>=(const COleDateTime& a, const COleDateTime& b) { return !(a < b); }

    DATE m_dt = 0;
    DateTimeStatus m_status = valid;

    // Broken-down parts of a DATE; false outside years 100 to 9999.
    struct Parts
    {
        int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
        int dayOfWeek = 7, dayOfYear = 364;
    };
    static bool ToParts(DATE dt, Parts& parts);
    static bool FromParts(const Parts& parts, DATE& dt);

private:
    void CheckRange();
    // The DATE on a straight time line (fraction counted forwards from the day's start).
    double Linear() const;
    Parts Get() const;
};
