#include "platform/dao/JetConvert.h"

#include "platform/dao/JetError.h"
#include "platform/dao/JetField.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <charconv>
#include <cmath>

namespace jet
{

namespace
{
const QDate kOleEpoch(1899, 12, 30);

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}
} // namespace

std::string NumberToText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> TextToNumber(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::string plain(text);
    // A decimal comma (the Czech separator) where there is no point.
    if (plain.find('.') == std::string::npos && plain.find(',') == plain.rfind(','))
        if (const std::size_t comma = plain.find(','); comma != std::string::npos)
            plain[comma] = '.';
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double OleDateOf(long long days, double timeOfDay)
{
    return days < 0 ? static_cast<double>(days) - timeOfDay : static_cast<double>(days) + timeOfDay;
}

std::string DateToText(double oleDate)
{
    auto days = static_cast<long long>(std::trunc(oleDate));
    long seconds = std::lround(std::fabs(oleDate - std::trunc(oleDate)) * 86400.0);
    if (seconds >= 86400)
    {
        seconds -= 86400;
        days += oleDate < 0 ? -1 : 1;
    }
    const QDate date = kOleEpoch.addDays(days);
    std::string text = QString("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year()).toStdString();
    if (seconds > 0)
        text += QString(" %1:%2:%3")
                    .arg(seconds / 3600)
                    .arg((seconds / 60) % 60, 2, 10, QChar('0'))
                    .arg(seconds % 60, 2, 10, QChar('0'))
                    .toStdString();
    return text;
}

std::optional<double> TextToDate(std::string_view text)
{
    const QString s = QString::fromUtf8(Trimmed(text).data(), static_cast<qsizetype>(Trimmed(text).size()));
    for (const char* format : {"d.M.yyyy H:mm:ss", "d.M.yyyy H:mm", "d.M.yyyy", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd"})
    {
        const QDateTime parsed = QDateTime::fromString(s, QString::fromLatin1(format));
        if (parsed.isValid())
            return OleDateOf(kOleEpoch.daysTo(parsed.date()), parsed.time().msecsSinceStartOfDay() / 86400000.0);
    }
    return std::nullopt;
}

std::optional<bool> TextToBoolean(std::string_view text)
{
    const QString s = QString::fromUtf8(Trimmed(text).data(), static_cast<qsizetype>(Trimmed(text).size())).toLower();
    if (s == "true" || s == "ano" || s == "1" || s == "-1" || s == "yes" || s == "pravda")
        return true;
    if (s == "false" || s == "ne" || s == "0" || s == "no" || s == "nepravda")
        return false;
    return std::nullopt;
}

std::string BooleanToText(bool value)
{
    return value ? "True" : "False";
}

namespace
{
// The number a value stands for: -1/0 for a Boolean, the amount of a currency.
std::optional<double> NumberOf(const Value& value)
{
    switch (value.kind)
    {
    case Value::Kind::Number:
    case Value::Kind::Date:
        return value.number;
    case Value::Kind::Currency:
        return value.currency / 10000.0;
    case Value::Kind::Boolean:
        return value.boolean ? -1.0 : 0.0;
    case Value::Kind::Text:
        return TextToNumber(value.text);
    default:
        return std::nullopt;
    }
}
} // namespace

void RequireStorable(const Value& value)
{
    if ((value.kind == Value::Kind::Number || value.kind == Value::Kind::Date) && !std::isfinite(value.number))
        throw JetError(kErrOverflow, "Nekonečno ani neplatné číslo (" + NumberToText(value.number) +
                                         ") nelze uložit.");
}

std::optional<std::int64_t> CurrencyUnits(double amount)
{
    constexpr double kUnitLimit = 9223372036854775808.0; // 2^63
    const double units = std::round(amount * 10000.0);
    if (!(units > -kUnitLimit && units < kUnitLimit))
        return std::nullopt;
    return static_cast<std::int64_t>(units);
}

namespace
{
Value CurrencyOf(double amount)
{
    const std::optional<std::int64_t> units = CurrencyUnits(amount);
    if (!units)
        throw JetError(kErrOverflow, "Částka " + NumberToText(amount) + " je mimo rozsah měny (přetečení).");
    return Value::Currency(*units);
}
} // namespace

Value CoerceValue(const Value& value, int type)
{
    RequireStorable(value);
    if (value.IsNull() || (value.kind == Value::Kind::Text && value.text.empty()))
        return Value::Null();
    if (IsTextType(type))
    {
        switch (value.kind)
        {
        case Value::Kind::Text:
            return value;
        case Value::Kind::Date:
            return Value::Text(DateToText(value.number));
        case Value::Kind::Boolean:
            return Value::Text(BooleanToText(value.boolean));
        default:
            return Value::Text(NumberToText(*NumberOf(value)));
        }
    }
    if (type == kBoolean)
    {
        if (value.kind == Value::Kind::Text)
        {
            const auto b = TextToBoolean(value.text);
            return b ? Value::Boolean(*b) : value;
        }
        return Value::Boolean(*NumberOf(value) != 0);
    }
    if (type == kDate && value.kind == Value::Kind::Text)
        if (const auto date = TextToDate(value.text))
            return Value::Date(*date);
    const std::optional<double> number = NumberOf(value);
    if (!number)
        return value; // kept as typed rather than lost
    if (type == kDate)
        return Value::Date(*number);
    if (type == kCurrency)
        return CurrencyOf(*number);
    return Value::Number(*number);
}

} // namespace jet
