#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dao/JetValue.h"

namespace jet
{

// A value coerced to a field type (DAO code) where that is possible; a value that cannot be
// coerced (a text that is no number for a number field) is returned as it is, so that nothing
// is lost. NULL and an empty text give NULL.
Value CoerceValue(const Value& value, int fieldType);
// Throws an overflow error (3349) for a value no file can hold: a number or date that is NaN
// or infinite, a currency amount beyond the range of 1/10000 units in 64 bits.
void RequireStorable(const Value& value);
// An amount in currency units of 1/10000, nullopt beyond their 64-bit range.
std::optional<std::int64_t> CurrencyUnits(double amount);

// Conversions between values that lose nothing; numbers as text always with '.'.
std::string NumberToText(double value);
// A text that is a whole number text ("12", " -3.5 ", "1e3", "12,5"); nullopt otherwise.
std::optional<double> TextToNumber(std::string_view text);
// The OLE date of a day (days since 1899-12-30) and a time of day (0 <= time < 1): before the
// epoch the day count is negative and the time still counts forward (-1.25 is 29.12.1899 6:00).
double OleDateOf(long long days, double timeOfDay);
// An OLE date as "d.m.yyyy", with " h:mm:ss" when it has a time of day.
std::string DateToText(double oleDate);
// "d.m.yyyy [h:mm[:ss]]" or "yyyy-mm-dd" as an OLE date.
std::optional<double> TextToDate(std::string_view text);
// "True"/"False" (and the Czech "Ano"/"Ne", "1"/"0", "-1") as a Boolean.
std::optional<bool> TextToBoolean(std::string_view text);
std::string BooleanToText(bool value);

} // namespace jet
