#include "dataeditor/view/ColumnTypeCodec.h"

#include <gtest/gtest.h>

TEST(ColumnTypeCodec, TheFirstTypeNameFoundAndTheNumberAfterTheLastSemicolon)
{
    const struct
    {
        const char* text;
        int type;
        int decimals;
    } cases[] = {
        {"dbDouble;2", 7, 2},
        {"dbDouble;", 7, -2},
        {";dbDouble", 7, -2},
        {"dbText", 10, -2},
        {"xdbLongx", 4, -2},
        {"Cena@dbCurrency;2;3", 5, 3},
        {"dbInteger dbByte", 2, -2},
        {"dbDate dbBoolean", 1, -2},
        {"Text;1", -1, 1},
        {"", -1, -2},
    };
    for (const auto& c : cases)
    {
        int decimals = 99;
        EXPECT_EQ(ColumnTypeCodec::Decode(c.text, decimals), c.type) << c.text;
        EXPECT_EQ(decimals, c.decimals) << c.text;
    }
}

TEST(ColumnTypeCodec, DecimalsAreWrittenOnlyForSetDecimalsOfNumbers)
{
    const struct
    {
        int type;
        int decimals;
        bool addDecimals;
        const char* text;
    } cases[] = {
        {7, 2, true, "dbDouble;2"},   {7, -2, true, "dbDouble"}, {5, 0, true, "dbCurrency;0"},
        {7, 2, false, "dbDouble"},    {10, 3, true, "dbText"},   {8, 2, true, "dbDate"},
        {1, 0, true, "dbBoolean"},    {12, -2, true, "dbMemo"},  {11, -2, false, "dbText"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColumnTypeCodec::Encode(c.type, c.decimals, c.addDecimals), c.text) << c.type << " " << c.decimals;
}
