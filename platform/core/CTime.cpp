#include "platform/core/CTime.h"

#include "platform/core/COleDateTime.h"
#include "platform/core/VariantText.h"

CTime::CTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    m_time = std::mktime(&t);
}

CTime CTime::GetCurrentTime()
{
    return CTime(std::time(nullptr));
}

std::tm CTime::Local() const
{
    std::tm t{};
    localtime_r(&m_time, &t);
    return t;
}

int CTime::GetYear() const
{
    return Local().tm_year + 1900;
}
int CTime::GetMonth() const
{
    return Local().tm_mon + 1;
}
int CTime::GetDay() const
{
    return Local().tm_mday;
}
int CTime::GetHour() const
{
    return Local().tm_hour;
}
int CTime::GetMinute() const
{
    return Local().tm_min;
}
int CTime::GetSecond() const
{
    return Local().tm_sec;
}
int CTime::GetDayOfWeek() const
{
    return Local().tm_wday + 1;
}

CString CTime::Format(const char* pattern) const
{
    COleDateTime::Parts p;
    COleDateTime::ToParts(COleDateTime(m_time).m_dt, p);
    return CString(VariantText::FormatPattern(pattern ? pattern : "", p));
}
