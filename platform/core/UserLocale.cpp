#include "platform/core/UserLocale.h"

#include <QLocale>

#include <cstring>
#include <optional>

namespace
{
std::optional<UserLocale>& Stored()
{
    static std::optional<UserLocale> locale;
    return locale;
}

std::string ToUtf8(const QString& s)
{
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), std::size_t(b.size()));
}
} // namespace

// Dates are shown with four-digit years, as the system's users know them, and in digits only:
// a pattern with month names gives way to the fallback.
std::string UserLocale::NumericDatePattern(const std::string& pattern, const std::string& fallback)
{
    if (pattern.empty() || pattern.find("MMM") != std::string::npos ||
        pattern.find_first_of("dMy") == std::string::npos)
        return fallback;
    std::string out;
    for (std::size_t i = 0; i < pattern.size();)
    {
        if (pattern[i] == 'y')
        {
            std::size_t run = pattern.find_first_not_of('y', i);
            run = (run == std::string::npos ? pattern.size() : run) - i;
            out += "yyyy";
            i += run;
        }
        else
            out += pattern[i++];
    }
    return out;
}

UserLocale UserLocale::Czech()
{
    UserLocale l;
    l.decimalSeparator = ',';
    l.thousandsSeparator = "\u00A0";
    l.decimalDigits = 2;
    l.currencyDigits = 2;
    l.shortDateFormat = "d.M.yyyy";
    l.abbreviatedLanguage = "CSY";
    return l;
}

UserLocale UserLocale::English()
{
    return UserLocale();
}

UserLocale UserLocale::FromSystem()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::Czech)
        return Czech();
    UserLocale l;
    const QString point = system.decimalPoint();
    l.decimalSeparator = point == QStringLiteral(",") ? ',' : '.';
    l.thousandsSeparator = ToUtf8(system.groupSeparator());
    l.shortDateFormat =
        NumericDatePattern(ToUtf8(system.dateFormat(QLocale::ShortFormat)), l.shortDateFormat);
    return l;
}

const UserLocale& UserLocale::Current()
{
    if (!Stored())
        Stored() = FromSystem();
    return *Stored();
}

void UserLocale::SetCurrent(const UserLocale& locale)
{
    Stored() = locale;
}

void UserLocale::ResetToSystem()
{
    Stored().reset();
}

int GetLocaleInfo(LCID, LCTYPE type, char* buffer, int bufferSize)
{
    const UserLocale& l = UserLocale::Current();
    std::string value;
    switch (type)
    {
    case LOCALE_SABBREVLANGNAME:
        value = l.abbreviatedLanguage;
        break;
    case LOCALE_SDECIMAL:
        value = std::string(1, l.decimalSeparator);
        break;
    case LOCALE_STHOUSAND:
        value = l.thousandsSeparator;
        break;
    case LOCALE_IDIGITS:
        value = std::to_string(l.decimalDigits);
        break;
    case LOCALE_ICURRDIGITS:
        value = std::to_string(l.currencyDigits);
        break;
    case LOCALE_SSHORTDATE:
        value = l.shortDateFormat;
        break;
    default:
        return 0;
    }
    const int needed = int(value.size()) + 1;
    if (bufferSize == 0)
        return needed;
    if (!buffer || bufferSize < needed)
        return 0;
    std::memcpy(buffer, value.c_str(), std::size_t(needed));
    return needed;
}
