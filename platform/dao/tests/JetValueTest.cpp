// Values on their way between text, the engine and the files.
#include "JetFixture.h"
#include "platform/dao/JetConvert.h"

#include <cmath>
#include <limits>

using namespace jet;

TEST(JetValue, DatesKeepTheirDayThroughText)
{
    const struct
    {
        double oleDate;
        const char* text;
    } cases[] = {
        {1.0, "31.12.1899"},
        {1.5, "31.12.1899 12:00:00"},
        {-1.25, "29.12.1899 6:00:00"},
        {-36522.0, "1.1.1800"},
        {-36521.75, "2.1.1800 18:00:00"},
        {45000.25, "15.3.2023 6:00:00"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(DateToText(c.oleDate), c.text) << c.oleDate;
        EXPECT_EQ(TextToDate(c.text), c.oleDate) << c.text;
    }
    // Day 0 counts forward and backward alike.
    EXPECT_EQ(DateToText(-0.5), "30.12.1899 12:00:00");
}

class JetValueLimits : public JetFixture
{
};

TEST_F(JetValueLimits, NumbersNoFileHoldsAreRefusedByBothEngines)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        int field;
        Value value;
        bool storedToo; // refused also as stored, without coercion to the field
    } refused[] = {
        {0, Value::Number(nan), true},
        {0, Value::Number(std::numeric_limits<double>::infinity()), true},
        {1, Value::Number(1e15), false},
        {1, Value::Number(-1e15), false},
        {1, Value::Number(nan), true},
        {2, Value::Date(nan), true},
    };
    const std::vector<Field> fields = {{"Číslo", kDouble, 8}, {"Cena", kCurrency, 8}, {"Datum", kDate, 8}};
    const struct
    {
        std::string path;
        std::string connect;
        std::string table;
    } engines[] = {{PathOf("data.mdb"), "", "Hodnoty"}, {PathOf("data.xls"), "Excel 8.0", "Hodnoty$"}};
    for (const auto& engine : engines)
    {
        const auto db = OpenDatabase(engine.path, engine.connect, false, true);
        db->CreateTable("Hodnoty", fields);
        const auto rs = db->Open("SELECT * FROM [" + engine.table + "]");
        const int row = rs->Append();
        rs->Set(row, 1, Value::Currency(25000));
        for (const auto& c : refused)
        {
            ExpectJetError(kErrOverflow, [&] { rs->Set(row, c.field, c.value); });
            if (c.storedToo)
                ExpectJetError(kErrOverflow, [&] { rs->SetStored(row, c.field, c.value); });
        }
        EXPECT_TRUE(rs->Get(row, 0).IsNull()) << engine.connect;
        EXPECT_EQ(rs->Get(row, 1), Value::Currency(25000)) << engine.connect;
        EXPECT_TRUE(rs->Get(row, 2).IsNull()) << engine.connect;
    }
}
