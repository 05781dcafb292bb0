#pragma once
// The user's regional settings as the system reads them: decimal and thousands separators,
// decimal digits, currency digits and the short date form. Taken from the environment
// (QLocale::system()) at first use; tests set their own.

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

    static UserLocale Czech();
    static UserLocale English();
    static UserLocale FromSystem();

    static const UserLocale& Current();
    static void SetCurrent(const UserLocale& locale);
    static void ResetToSystem();
};
