// Water density, the changed-conditions correction, the factor tables and the heating-medium
// fields, in a point and a comma locale. Expected values are worked by hand from the formulas.
#include "HydraulicsFixtures.h"

#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/ChangedConditionsCorrection.h"
#include "hydraulics/HeatingMediumFields.h"
#include "hydraulics/RadiatorConditions.h"
#include "hydraulics/RadiatorFactorTables.h"
#include "hydraulics/WaterDensity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
class InLocale : public ::testing::TestWithParam<char>
{
protected:
    ScopedDecimalSeparator m_locale{GetParam()};
};

TEST(WaterDensity, ByNearestWholeDegree)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        double temperature;
        int medium;
        double density;
    } cases[] = {
        {3.5, 0, 1000.00},  // rounds to 4 °C, the maximum
        {82.0, 0, 970.57},  // the distribution's temperature
        {99.0, 0, 959.09},  {99.4, 0, 959.09}, {99.49, 0, 959.09},
        {99.5, 0, -1.0},    // would round to 100 °C
        {99.6, 0, -1.0},    {-0.1, 0, -1.0},   {-0.0, 0, 999.87}, {0.0, 0, 999.87},
        {nan, 0, -1.0},     {20.0, 1, -1.0},   {20.0, -1, -1.0},  {20.4, 0, 998.23},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(WaterDensity(c.temperature, c.medium), c.density, 0.005) << c.temperature << " " << c.medium;
}

ChangedConditionsCorrection Conditions(double t1, double t2, double ti, int kind = 0, double preset = 0.0)
{
    ChangedConditionsCorrection conditions;
    conditions.m_dInlet = t1;
    conditions.m_dOutlet = t2;
    conditions.m_dRoom = ti;
    conditions.m_nKind = kind;
    conditions.m_dPresetExponent = preset;
    conditions.SetMeanAndDifferenceFromLimits();
    return conditions;
}

TEST(ChangedConditionsCorrection, FactorsWorkedByHand)
{
    const struct
    {
        double t1, t2, ti;
        int kind;
        double preset, n, temperatureFactor, massFlowFactor;
    } cases[] = {
        // (20 / ln(70/50) / 60 × 1.01)^1.33 = (59.4403 / 60 × 1.01)^1.33 = 1.000578^1.33
        {90, 70, 20, 0, 0.0, 1.33, 1.0, 1.0007686},
        // (50/60)^1.25; (10 / ln(55/45) / 50 × 1.01)^1.25
        {75, 65, 20, 1, 0.0, 1.25, 0.7962023, 1.0082872},
        {75, 65, 20, 2, 0.0, 1.25, 0.7962023, 1.0082872},
        // the split dialog's gradient 60/48
        {60, 48, 20, 0, 0.0, 1.33, 0.4698138, 0.9992381},
        // a preset exponent wins over the kind; one of 0 or less falls back to the kind
        {55, 45, 15, 0, 1.3, 1.3, 0.4962401, 1.0040208},
        {75, 65, 20, 1, -2.0, 1.25, 0.7962023, 1.0082872},
    };
    for (const auto& c : cases)
    {
        ChangedConditionsCorrection conditions = Conditions(c.t1, c.t2, c.ti, c.kind, c.preset);
        EXPECT_NEAR(conditions.SpoctiTeplotniFaktor(), c.temperatureFactor, 1e-6) << c.t1 << "/" << c.t2;
        EXPECT_NEAR(conditions.SpoctiPrutokovyFaktor(), c.massFlowFactor, 1e-6) << c.t1 << "/" << c.t2;
        EXPECT_DOUBLE_EQ(conditions.m_dExponent, c.n);
    }
}

TEST(ChangedConditionsCorrection, ConstructedDefaultsGiveNeutralTemperatureFactor)
{
    ChangedConditionsCorrection conditions;
    EXPECT_DOUBLE_EQ(conditions.SpoctiTeplotniFaktor(), 1.0);
    EXPECT_NEAR(conditions.SpoctiPrutokovyFaktor(), 1.0007686, 1e-6);
}

TEST(ChangedConditionsCorrection, MeanSixtyAboveRoomGivesOneForEveryExponent)
{
    for (double preset : {0.5, 1.0, 1.25, 1.33, 2.0, 4.0})
    {
        ChangedConditionsCorrection conditions = Conditions(85, 75, 20, 0, preset);
        EXPECT_DOUBLE_EQ(conditions.SpoctiTeplotniFaktor(), 1.0) << preset;
    }
}

TEST(ChangedConditionsCorrection, TemperaturesOutOfOrderLeaveTheFactors)
{
    const struct
    {
        double t1, t2, ti;
    } cases[] = {{60, 20, 20}, {50, 50, 20}, {30, 40, 20}, {30, 25, 40}, {std::nan(""), 40, 20}};
    for (const auto& c : cases)
    {
        ChangedConditionsCorrection conditions = Conditions(c.t1, c.t2, c.ti);
        conditions.m_dTemperatureFactor = 0.7;
        conditions.m_dMassFlowFactor = 0.9;
        EXPECT_FALSE(conditions.TemperaturesValid());
        EXPECT_DOUBLE_EQ(conditions.SpoctiTeplotniFaktor(), 0.7) << c.t1 << "/" << c.t2 << "/" << c.ti;
        EXPECT_DOUBLE_EQ(conditions.SpoctiPrutokovyFaktor(), 0.9);
    }
}

TEST(RadiatorConditions, SilentRecomputationAndTheWayBack)
{
    COtopneTeleso radiator;
    radiator.m_dSupply = 60, radiator.m_dReturn = 48, radiator.m_nCoverChoice = 8, radiator.m_dCoverFactor = 0.87;
    ASSERT_TRUE(RecomputeRadiatorFactors(radiator));
    EXPECT_NEAR(radiator.m_dTemperatureFactor, 0.4698138, 1e-6);
    EXPECT_NEAR(radiator.m_dMassFlowFactor, 0.9992381, 1e-6);
    EXPECT_DOUBLE_EQ(radiator.m_dExponent, 0.0); // the silent mode stores the two factors only

    ChangedConditionsCorrection conditions;
    CopyRadiatorToConditions(radiator, conditions);
    EXPECT_DOUBLE_EQ(conditions.m_dMean, 54.0);
    EXPECT_DOUBLE_EQ(conditions.m_dDeltaT, 12.0);
    conditions.m_nKind = 1;
    conditions.SpoctiTeplotniFaktor();
    CopyConditionsToRadiator(conditions, radiator);
    EXPECT_DOUBLE_EQ(radiator.m_dExponent, 1.25);
    EXPECT_EQ(radiator.m_nCoverChoice, 8);
    EXPECT_DOUBLE_EQ(radiator.m_dCoverFactor, 0.87);
    EXPECT_EQ(TemperatureGradientText(radiator.m_dSupply, radiator.m_dReturn), "60.0#48.0");

    radiator.m_dReturn = 60; // supply no longer above return
    radiator.m_dTemperatureFactor = 0.5;
    EXPECT_FALSE(RecomputeRadiatorFactors(radiator));
    EXPECT_DOUBLE_EQ(radiator.m_dTemperatureFactor, 0.5);
}

TEST(RadiatorFactorTables, ChoicesAndFactors)
{
    const struct
    {
        RadiatorFactorTable table;
        int choice;
        double factor; // -1: outside the table, the factor handed in stays
    } cases[] = {
        {RadiatorFactorTable::Connection, 1, 1.0}, {RadiatorFactorTable::Connection, 2, 1.0},
        {RadiatorFactorTable::Connection, 3, 0.9}, {RadiatorFactorTable::Connection, 4, 0.8},
        {RadiatorFactorTable::Connection, 5, 0.85}, {RadiatorFactorTable::Connection, 6, -1},
        {RadiatorFactorTable::Placement, 1, 1.0},  {RadiatorFactorTable::Placement, 2, 0.95},
        {RadiatorFactorTable::Placement, 3, 0.9},  {RadiatorFactorTable::Placement, 0, -1},
        {RadiatorFactorTable::Cover, 1, 1.1},      {RadiatorFactorTable::Cover, 2, 1.0},
        {RadiatorFactorTable::Cover, 3, 1.0},      {RadiatorFactorTable::Cover, 4, 0.98},
        {RadiatorFactorTable::Cover, 5, 0.97},     {RadiatorFactorTable::Cover, 6, 0.96},
        {RadiatorFactorTable::Cover, 7, 0.95},     {RadiatorFactorTable::Cover, 8, 0.87},
        {RadiatorFactorTable::Cover, 0, -1},       {RadiatorFactorTable::Cover, 9, -1},
    };
    for (const auto& c : cases)
    {
        double factor = 0.42;
        EXPECT_EQ(RadiatorFactorOfChoice(c.table, c.choice, factor), c.factor > 0) << c.choice;
        EXPECT_DOUBLE_EQ(factor, c.factor > 0 ? c.factor : 0.42) << c.choice;
    }
    EXPECT_EQ(RadiatorFactorChoiceCount(RadiatorFactorTable::Cover), 8);
}

TEST_P(InLocale, HeatingMediumFieldsKeepOkForOrderedTemperaturesOnly)
{
    const char separator = GetParam();
    auto typed = [separator](const char* text) { return Typed(text, separator); };
    HeatingMediumFields fields;
    fields.m_dInlet = 90, fields.m_dOutlet = 70, fields.m_dRoom = 20, fields.m_dMean = 80, fields.m_dDeltaT = 20;
    EXPECT_TRUE(fields.OkEnabled());
    EXPECT_EQ(fields.Text(HeatingMediumFields::Inlet), typed("90.0"));

    fields.Leave(HeatingMediumFields::Outlet, typed("90.0")); // outlet equal to inlet
    EXPECT_FALSE(fields.OkEnabled());
    fields.Leave(HeatingMediumFields::Inlet, typed("60.5"));
    EXPECT_FALSE(fields.OkEnabled());
    fields.Leave(HeatingMediumFields::Outlet, typed("48"));
    EXPECT_TRUE(fields.OkEnabled());
    EXPECT_DOUBLE_EQ(fields.m_dMean, 54.25);
    EXPECT_DOUBLE_EQ(fields.m_dDeltaT, 12.5);

    fields.Leave(HeatingMediumFields::Room, typed("48")); // outlet no longer above the room
    EXPECT_FALSE(fields.OkEnabled());
    fields.Leave(HeatingMediumFields::Room, "abc");
    EXPECT_DOUBLE_EQ(fields.m_dRoom, 0.0);
    EXPECT_TRUE(fields.OkEnabled());

    fields.m_nEntryMode = 1;
    fields.Leave(HeatingMediumFields::Difference, typed("-10")); // outlet above inlet
    EXPECT_FALSE(fields.OkEnabled());
    fields.Leave(HeatingMediumFields::Difference, typed("10"));
    fields.Leave(HeatingMediumFields::Mean, typed("45.5"));
    EXPECT_TRUE(fields.OkEnabled());
    EXPECT_EQ(fields.Text(HeatingMediumFields::Inlet), typed("50.5"));
    EXPECT_EQ(fields.Text(HeatingMediumFields::Outlet), typed("40.5"));
    fields.Leave(HeatingMediumFields::Mean, "1e999"); // not finite: reads as 0
    EXPECT_DOUBLE_EQ(fields.m_dMean, 0.0);
    EXPECT_FALSE(fields.OkEnabled());
}

// Only an edited field feeds back into the values: a read-only field left (with its text or
// any other) and an editable one left as it shows keep what the user typed before.
TEST_P(InLocale, OnlyAnEditedFieldFeedsBack)
{
    const char separator = GetParam();
    auto typed = [separator](const char* text) { return Typed(text, separator); };
    const struct
    {
        int mode;
        bool roomLocked;
        HeatingMediumFields::Field field;
        bool shownText; // leave it with the text it shows, else with "99"
    } cases[] = {
        {0, false, HeatingMediumFields::Mean, true},       {0, false, HeatingMediumFields::Difference, true},
        {0, false, HeatingMediumFields::Mean, false},      {0, false, HeatingMediumFields::Difference, false},
        {1, false, HeatingMediumFields::Inlet, true},      {1, false, HeatingMediumFields::Outlet, false},
        {0, true, HeatingMediumFields::Room, false},       {0, false, HeatingMediumFields::Inlet, true},
        {0, false, HeatingMediumFields::Outlet, true},     {1, false, HeatingMediumFields::Mean, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(int(c.field));
        HeatingMediumFields fields;
        fields.m_dRoom = 20;
        fields.Leave(HeatingMediumFields::Inlet, typed("80.36"));
        fields.Leave(HeatingMediumFields::Outlet, typed("65"));
        EXPECT_EQ(typed("72.7"), fields.Text(HeatingMediumFields::Mean));
        EXPECT_EQ(typed("15.4"), fields.Text(HeatingMediumFields::Difference));
        fields.m_nEntryMode = c.mode;
        fields.m_bRoomLocked = c.roomLocked;
        fields.Leave(c.field, c.shownText ? fields.Text(c.field) : CString("99"));
        EXPECT_NEAR(80.36, fields.m_dInlet, 1e-12);
        EXPECT_NEAR(65.0, fields.m_dOutlet, 1e-12);
        EXPECT_NEAR(15.36, fields.m_dDeltaT, 1e-12);
        EXPECT_NEAR(72.68, fields.m_dMean, 1e-12);
        EXPECT_NEAR(20.0, fields.m_dRoom, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(PointAndComma, InLocale, ::testing::Values('.', ','));
} // namespace
