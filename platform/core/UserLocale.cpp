#include "platform/core/UserLocale.h"

#include <QLocale>

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
    return l;
}

UserLocale UserLocale::English() { return UserLocale(); }

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

void UserLocale::SetCurrent(const UserLocale& locale) { Stored() = locale; }

void UserLocale::ResetToSystem() { Stored().reset(); }
