#include "common/CommonRoutines.h"

#include "platform/core/COleVariant.h"
#include "platform/core/NumberText.h"
#include "platform/core/Profile.h"
#include "platform/core/Registry.h"
#include "platform/core/UserLocale.h"
#include "testing/TemporaryProfile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace
{
struct SeparatorCase
{
    char separator;
    const char* text;
    const char* expected;
};

TEST(LocalizeDecimalSeparatorTest, ReplacesTheOtherSeparator)
{
    const SeparatorCase cases[] = {
        {',', "1.5", "1,5"}, {',', "1,5", "1,5"}, {',', "1,234.5", "1,234,5"}, {'.', "1,5", "1.5"},
        {'.', "1.5", "1.5"}, {',', "", ""},       {',', "45#40", "45#40"},
    };
    for (const SeparatorCase& c : cases)
    {
        UserLocale locale = UserLocale::English();
        locale.decimalSeparator = c.separator;
        UserLocale::SetCurrent(locale);
        EXPECT_EQ(LocalizeDecimalSeparator(c.text), c.expected) << c.text << " under " << c.separator;
    }
    UserLocale::ResetToSystem();
}

struct VariantCase
{
    COleVariant value;
    int decimals;
    const char* expected;
};

TEST(FormatVariantTest, TextOfEachType)
{
    COleVariant empty;
    const VariantCase cases[] = {
        {COleVariant(12345678.9), 2, "1.23e+007"},
        {COleVariant(0.00000005), 2, "5.00e-008"},
        {COleVariant(0.0), 2, "0.00"},
        {COleVariant(10000000.0), 0, "10000000"},
        {COleVariant(-10000001.0), 1, "-1.0e+007"},
        {COleVariant(1.0 / 10000000), 7, "0.0000001"},
        {COleVariant(2.5), -1, "3"},
        {COleVariant(1.25f), 1, "1.3"},
        {COleVariant(short(-12)), 0, "-12"},
        {COleVariant(LONG(70000)), 3, "70000"},
        {COleVariant(BYTE(200)), 0, "200"},
        {COleVariant(short(-1), VT_BOOL), 0, "ANO"},
        {COleVariant(short(0), VT_BOOL), 0, "NE"},
        {COleVariant("Deska Ø 16"), 2, "Deska Ø 16"},
        {empty, 2, ""},
    };
    for (const VariantCase& c : cases)
        EXPECT_EQ(FormatVariant(c.value, c.decimals), c.expected) << c.expected;
}

TEST(FormatVariantTest, NumbersFollowTheProgramSeparator)
{
    NumberText::ScopedSeparator comma(',');
    EXPECT_EQ(FormatVariant(COleVariant(1.5), 2), "1,50");
}

struct NumberTextCase
{
    double value;
    char separator;
    const char* expected;
};

TEST(SettingNumberTextTest, TrailingZerosGoTheSeparatorStays)
{
    const NumberTextCase cases[] = {
        {0.95, '.', "0.95"}, {0.95, ',', "0,95"}, {240.0, '.', "240."}, {160.0, ',', "160,"}, {0.0, '.', "0."},
        {-273.0, '.', "-273."}, {0.075, '.', "0.075"},
    };
    for (const NumberTextCase& c : cases)
    {
        NumberText::ScopedSeparator separator(c.separator);
        EXPECT_EQ(SettingNumberText(c.value), c.expected);
    }
}

TEST(JoinPathTest, OneSeparatorBetween)
{
    EXPECT_EQ(JoinPath("/data", "MekrData.xls"), "/data/MekrData.xls");
    EXPECT_EQ(JoinPath("/data/", "MekrData.xls"), "/data/MekrData.xls");
    EXPECT_EQ(JoinPath("C:\\Data\\", "Nový.kzn"), "C:\\Data\\Nový.kzn");
    EXPECT_EQ(JoinPath("", "Nový.kzn"), "Nový.kzn");
}

class ReadRegistryStringTest : public ::testing::Test
{
protected:
    TemporaryProfile m_profile;
};

TEST_F(ReadRegistryStringTest, ValuesOfAnyLengthReadWhole)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Kolp\\kalvenrod\\Settings", 0, nullptr, 0, KEY_WRITE,
                             nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::string longText = "/opt/" + std::string(300, 'x');
    for (const std::string& text : {std::string("krátký"), std::string(120, 'a'), longText})
    {
        RegSetValueEx(key, "Hodnota", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
        EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "Software\\Kolp\\kalvenrod\\Settings", "Hodnota"), text);
    }
    RegCloseKey(key);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "Software\\Kolp\\kalvenrod\\Settings", "Chybí"), "");
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "Software\\Kolp\\jiný\\Settings", "Hodnota"), "");
}
} // namespace
