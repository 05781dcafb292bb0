#include "platform/core/COleDateTime.h"

#include "platform/core/UserLocale.h"
#include "platform/core/VariantText.h"

#include <cmath>

namespace
{
// Days from 1970-01-01 to a civil date (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (long long)doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2));
}

const long long Epoch = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

COleDateTime::Parts PartsOf(const std::tm& t)
{
    COleDateTime::Parts p;
    p.year = t.tm_year + 1900;
    p.month = t.tm_mon + 1;
    p.day = t.tm_mday;
    p.hour = t.tm_hour;
    p.minute = t.tm_min;
    p.second = t.tm_sec;
    return p;
}
} // namespace

bool COleDateTime::ToParts(DATE dt, Parts& p)
{
    if (!(dt >= -657434.0 && dt < 2958466.0))
        return false;
    long long day = (long long)std::trunc(dt);
    long long seconds = std::llround(std::fabs(dt - std::trunc(dt)) * 86400.0);
    if (seconds >= 86400)
    {
        seconds -= 86400;
        ++day;
    }
    CivilFromDays(Epoch + day, p.year, p.month, p.day);
    if (p.year < 100 || p.year > 9999)
        return false;
    p.hour = int(seconds / 3600);
    p.minute = int(seconds / 60 % 60);
    p.second = int(seconds % 60);
    p.dayOfWeek = int(((day + 6) % 7 + 7) % 7) + 1;
    p.dayOfYear = int(Epoch + day - DaysFromCivil(p.year, 1, 1)) + 1;
    return true;
}

bool COleDateTime::FromParts(const Parts& p, DATE& dt)
{
    if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
        p.day > DaysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 ||
        p.second < 0 || p.second > 59)
        return false;
    const long long day = DaysFromCivil(p.year, unsigned(p.month), unsigned(p.day)) - Epoch;
    const double time = (p.hour * 3600 + p.minute * 60 + p.second) / 86400.0;
    dt = day >= 0 ? double(day) + time : double(day) - time;
    return true;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(const VARIANT& v)
{
    VARIANT date;
    VariantInit(&date);
    if (SUCCEEDED(VariantChangeType(&date, &v, 0, VT_DATE)))
        *this = date.date;
    else
        m_status = v.vt == VT_NULL ? null : invalid;
}

COleDateTime::COleDateTime(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    const Parts p = PartsOf(local);
    SetDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second);
}

COleDateTime COleDateTime::GetCurrentTime()
{
    return COleDateTime(std::time(nullptr));
}

COleDateTime& COleDateTime::operator=(DATE dt)
{
    m_dt = dt;
    m_status = valid;
    CheckRange();
    return *this;
}

void COleDateTime::CheckRange()
{
    Parts p;
    m_status = ToParts(m_dt, p) ? valid : invalid;
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    Parts p;
    p.year = year, p.month = month, p.day = day, p.hour = hour, p.minute = minute, p.second = second;
    DATE dt = 0;
    if (!FromParts(p, dt))
    {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    m_dt = dt;
    m_status = valid;
    return 0;
}

COleDateTime::Parts COleDateTime::Get() const
{
    Parts p;
    ToParts(m_dt, p);
    return p;
}

double COleDateTime::Linear() const
{
    return std::trunc(m_dt) + std::fabs(m_dt - std::trunc(m_dt));
}

int COleDateTime::GetYear() const
{
    return Get().year;
}
int COleDateTime::GetMonth() const
{
    return Get().month;
}
int COleDateTime::GetDay() const
{
    return Get().day;
}
int COleDateTime::GetHour() const
{
    return Get().hour;
}
int COleDateTime::GetMinute() const
{
    return Get().minute;
}
int COleDateTime::GetSecond() const
{
    return Get().second;
}
int COleDateTime::GetDayOfWeek() const
{
    return Get().dayOfWeek;
}
int COleDateTime::GetDayOfYear() const
{
    return Get().dayOfYear;
}

CString COleDateTime::Format(DWORD flags, LCID) const
{
    if (m_status != valid)
        return CString();
    return CString(VariantText::FormatDate(m_dt, flags, UserLocale::Current()));
}

CString COleDateTime::Format(const char* pattern) const
{
    Parts p;
    if (m_status != valid || !ToParts(m_dt, p))
        return CString();
    return CString(VariantText::FormatPattern(pattern ? pattern : "", p));
}

bool COleDateTime::ParseDateTime(const char* text, DWORD flags, LCID)
{
    DATE dt = 0;
    if (FAILED(VariantText::ParseDate(text ? text : "", flags, UserLocale::Current(), dt)))
    {
        m_dt = 0;
        m_status = invalid;
        return false;
    }
    m_dt = dt;
    m_status = valid;
    return true;
}
