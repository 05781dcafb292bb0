#pragma once
// Texts of variant values in a user locale, shared by the variant conversion, COleDateTime
// and COleCurrency.

#include "platform/core/COleDateTime.h"
#include "platform/core/Variant.h"

#include <string>
#include <string_view>

class UserLocale;

namespace VariantText
{
// A number text of the locale: blanks around, a sign, thousands separators in the whole
// part, the locale's decimal separator (the other of '.' and ',' too when it is not the
// thousands separator), an exponent. DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW on failure.
HRESULT ParseNumber(std::string_view text, const UserLocale& locale, double& value);
// The same number exactly in ten-thousandths, rounded half to even (currency).
HRESULT ParseCurrency(std::string_view text, const UserLocale& locale, LONGLONG& tenThousandths);

// The shortest text of at most `digits` significant digits ("12,5", "1E+20").
std::string FormatReal(double value, int digits, const UserLocale& locale);
// Ten-thousandths with up to four decimals, trailing zeros dropped.
std::string FormatCurrency(long long tenThousandths, const UserLocale& locale);

// The locale's short date and the time H:mm:ss; VAR_DATEVALUEONLY / VAR_TIMEVALUEONLY.
std::string FormatDate(DATE dt, DWORD flags, const UserLocale& locale);
HRESULT ParseDate(std::string_view text, DWORD flags, const UserLocale& locale, DATE& dt);

// strftime-like patterns: %a %A %b %B %c %d %H %I %j %m %M %p %S %w %x %X %y %Y %%.
std::string FormatPattern(std::string_view pattern, const COleDateTime::Parts& parts);
} // namespace VariantText
