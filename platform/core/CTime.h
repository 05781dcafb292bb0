#pragma once
// A point in time as seconds since 1970-01-01 UTC, shown in local time.

#include "platform/core/CString.h"

#include <ctime>

class CTime
{
public:
    CTime() = default;
    CTime(std::time_t t) : m_time(t) {}
    CTime(int year, int month, int day, int hour, int minute, int second);

    static CTime GetCurrentTime();
    std::time_t GetTime() const { return m_time; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const;

    // strftime-like: %d %m %Y %y %H %M %S %j %w %c %x %X %%.
    CString Format(const char* pattern) const;

    friend bool operator==(CTime a, CTime b) { return a.m_time == b.m_time; }
    friend bool operator!=(CTime a, CTime b) { return a.m_time != b.m_time; }
    friend bool operator<(CTime a, CTime b) { return a.m_time < b.m_time; }
    friend bool operator>(CTime a, CTime b) { return a.m_time > b.m_time; }
    friend bool operator<=(CTime a, CTime b) { return a.m_time <= b.m_time; }
    friend bool operator>=(CTime a, CTime b) { return a.m_time >= b.m_time; }
    friend std::time_t operator-(CTime a, CTime b) { return a.m_time - b.m_time; }

private:
    std::tm Local() const;
    std::time_t m_time = 0;
};
