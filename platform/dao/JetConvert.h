#pragma once

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

// Conversions between values that lose nothing; numbers as text always with '.'.
std::string NumberToText(double value);
// A text that is a whole number text ("12", " -3.5 ", "1e3", "12,5"); nullopt otherwise.
std::optional<double> TextToNumber(std::string_view text);
// An OLE date as "d.m.yyyy", with " h:mm:ss" when it has a time of day.
std::string DateToText(double oleDate);
// "d.m.yyyy [h:mm[:ss]]" or "yyyy-mm-dd" as an OLE date.
std::optional<double> TextToDate(std::string_view text);
// "True"/"False" (and the Czech "Ano"/"Ne", "1"/"0", "-1") as a Boolean.
std::optional<bool> TextToBoolean(std::string_view text);
std::string BooleanToText(bool value);

} // namespace jet
