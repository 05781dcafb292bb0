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
    const std::string date = ToUtf8(system.dateFormat(QLocale::ShortFormat));
    if (!date.empty())
        l.shortDateFormat = date;
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
