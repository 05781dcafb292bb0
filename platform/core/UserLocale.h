#pragma once
// The user's regional settings as the system reads them: decimal and thousands separators,
// decimal digits, currency digits and the short date form. Taken from the environment
// (QLocale::system()) at first use; tests set their own.

#include "platform/core/WinTypes.h"

#include <string>

class UserLocale
{
public:
    char decimalSeparator = '.';
    std::string thousandsSeparator = ",";
    int decimalDigits = 2;
    int currencyDigits = 2;
    // A date pattern of d, dd, M, MM, yy, yyyy and literal characters.
    std::string shortDateFormat = "M/d/yyyy";
    // The abbreviated language name of the system the program was written for ("CSY", "ENU").
    std::string abbreviatedLanguage = "ENU";

    static UserLocale Czech();
    static UserLocale English();
    static UserLocale FromSystem();

    static const UserLocale& Current();
    static void SetCurrent(const UserLocale& locale);
    static void ResetToSystem();

    // A short date pattern of the environment as the system uses it: four-digit years,
    // digits only (the fallback where the pattern names months).
    static std::string NumericDatePattern(const std::string& pattern, const std::string& fallback);
};

// The locale values the system reads through GetLocaleInfo, from UserLocale::Current().
using LCTYPE = DWORD;
constexpr LCTYPE LOCALE_SABBREVLANGNAME = 0x0003;
constexpr LCTYPE LOCALE_SDECIMAL = 0x000E;
constexpr LCTYPE LOCALE_STHOUSAND = 0x000F;
constexpr LCTYPE LOCALE_IDIGITS = 0x0011;
constexpr LCTYPE LOCALE_ICURRDIGITS = 0x0019;
constexpr LCTYPE LOCALE_SSHORTDATE = 0x001F;

// The value as text with its terminator; its size in bytes (terminator included), the size
// needed when bufferSize is 0, and 0 when the buffer is too small or the type unknown.
int GetLocaleInfo(LCID locale, LCTYPE type, char* buffer, int bufferSize);
