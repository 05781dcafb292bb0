#include "TestProjects.h"

#include "heatloss/HeatLossCalculation.h"
#include "heatloss/HeatLossIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/UserLocale.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace
{

constexpr CalculationSwitches kAllChecks{true, true, true, false};
constexpr CalculationSwitches kNoChecks{};

struct Expected
{
    UINT id;
    std::vector<long> slots;
};

struct Case
{
    const char* name;
    std::function<void(ProjectModel&)> change;
    CalculationSwitches switches;
    int result;
    std::vector<Expected> messages;
    std::function<void(const ProjectModel&)> verify = nullptr;
};

// p1 of room 1 of the two-room project for a transmission loss q: q / (85 m² × 35 K) × 0.15.
double P1(double q)
{
    return q / (85.0 * 35.0) * 0.15;
}

void ExpectAllFinite(const ProjectModel& model)
{
    for (const HeatLossResults::Room& room : model.Results.rooms)
        for (double value : {room.transmission, room.ventilation, room.total, room.volume, room.floorArea,
                             room.surface, room.perVolume, room.perFloorArea, room.perVolumeKelvin})
            EXPECT_TRUE(std::isfinite(value));
    const HeatLossTotals& t = model.Totals;
    for (double value : {t.volume, t.transmission, t.ventilation, t.total, t.perVolume})
        EXPECT_TRUE(std::isfinite(value));
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"outdoor temperature 0, every switch off", [](ProjectModel& m) { m.Header.Te = 0; }, kNoChecks, 0,
         {{IDS_HL_NO_OUTDOOR_TEMPERATURE, {}}}},
        {"characteristic number B 0", [](ProjectModel& m) { m.Header.B = 0; }, kAllChecks, 0,
         {{IDS_HL_NO_BUILDING_NUMBER, {}}}},
        {"no rooms, room check on", [](ProjectModel& m) { m.Rooms.count = 1; }, kAllChecks, 0, {{IDS_HL_NO_ROOM, {}}}},
        {"no rooms, checks off", [](ProjectModel& m) { m.Rooms.count = 1; }, kNoChecks, 1, {},
         [](const ProjectModel& m)
         {
             EXPECT_EQ(0.0, m.Totals.volume);
             EXPECT_EQ(0.0, m.Totals.total);
             EXPECT_EQ(0.0, m.Totals.perVolume);
         }},
        {"no doors, check off: M = 1.0", [](ProjectModel& m) { m.Rooms[1].doors = 0; }, kNoChecks, 1, {},
         // 6 × 35 × 1.0 × 0.00168 × 1300
         [](const ProjectModel& m) { EXPECT_NEAR(458.64, m.Results[1].ventilation, 1e-9); }},
        {"no room number and name: warnings, then success",
         [](ProjectModel& m) { m.Rooms[2].number = m.Rooms[2].name = ""; }, kAllChecks, 1,
         {{IDS_HL_NO_ROOM_NUMBER, {2}}, {IDS_HL_NO_ROOM_NAME, {2}}}},
        {"a warning, then an error of a later room",
         [](ProjectModel& m)
         {
             m.Rooms[1].name = "";
             m.Rooms[2].Ti = 0;
         },
         kAllChecks, 0, {{IDS_HL_NO_ROOM_NAME, {1}}, {IDS_HL_NO_ROOM_TEMPERATURE, {2}}}},
        {"room Ti 0", [](ProjectModel& m) { m.Rooms[2].Ti = 0; }, kAllChecks, 0, {{IDS_HL_NO_ROOM_TEMPERATURE, {2}}}},
        {"room length 0", [](ProjectModel& m) { m.Rooms[2].length = 0; }, kAllChecks, 0, {{IDS_HL_NO_ROOM_LENGTH, {2}}}},
        {"room width 0", [](ProjectModel& m) { m.Rooms[2].width = 0; }, kAllChecks, 0, {{IDS_HL_NO_ROOM_WIDTH, {2}}}},
        {"room height 0", [](ProjectModel& m) { m.Rooms[2].height = 0; }, kAllChecks, 0, {{IDS_HL_NO_ROOM_HEIGHT, {2}}}},
        {"room doors 0", [](ProjectModel& m) { m.Rooms[2].doors = 0; }, kAllChecks, 0, {{IDS_HL_NO_ROOM_DOORS, {2}}}},
        {"room without walls", [](ProjectModel& m) { m.Rooms[2].wallCount = 1; }, kAllChecks, 0, {{IDS_HL_NO_WALL, {2}}}},
        {"wall length 0", [](ProjectModel& m) { m.Walls.At(2, 2).length = 0; }, kAllChecks, 0,
         {{IDS_HL_NO_WALL_LENGTH, {2, 2}}}},
        {"wall height 0", [](ProjectModel& m) { m.Walls.At(2, 2).height = 0; }, kAllChecks, 0,
         {{IDS_HL_NO_WALL_HEIGHT, {2, 2}}}},
        {"wall U 0", [](ProjectModel& m) { m.Walls.At(2, 2).U = 0.0; }, kAllChecks, 0, {{IDS_HL_NO_WALL_U, {2, 2}}}},
        {"opening length 0", [](ProjectModel& m) { m.Openings.At(2, 2, 1).length = 0; }, kAllChecks, 0,
         {{IDS_HL_NO_OPENING_LENGTH, {1, 2, 2}}}},
        {"opening height 0", [](ProjectModel& m) { m.Openings.At(2, 2, 1).height = 0; }, kAllChecks, 0,
         {{IDS_HL_NO_OPENING_HEIGHT, {1, 2, 2}}}},
        {"opening U 0", [](ProjectModel& m) { m.Openings.At(2, 2, 1).U = 0.0; }, kAllChecks, 0,
         {{IDS_HL_NO_OPENING_U, {1, 2, 2}}}},
        {"opening count 0", [](ProjectModel& m) { m.Openings.At(2, 2, 1).count = 0; }, kAllChecks, 0,
         {{IDS_HL_NO_OPENING_COUNT, {1, 2, 2}}}},
        {"a wall error wins over a bad orientation of the same room",
         [](ProjectModel& m)
         {
             m.Rooms[2].orientation = "X";
             m.Walls.At(2, 2).length = 0;
         },
         kAllChecks, 0, {{IDS_HL_NO_WALL_LENGTH, {2, 2}}}},
        {"unknown orientation after a valid room, check on", [](ProjectModel& m) { m.Rooms[2].orientation = "X"; },
         kAllChecks, 0, {{IDS_HL_NO_ORIENTATION, {2}}},
         [](const ProjectModel& m)
         {
             // Room 1 stays computed; the totals hold its values alone.
             EXPECT_NEAR(653.026084033613, m.Results[1].total, 1e-9);
             EXPECT_NEAR(653.026084033613, m.Totals.total, 1e-9);
             EXPECT_EQ(50.0, m.Totals.volume);
             EXPECT_EQ(0.0, m.Totals.perVolume);
         }},
        {"empty orientation, check on", [](ProjectModel& m) { m.Rooms[1].orientation = ""; }, kAllChecks, 0,
         {{IDS_HL_NO_ORIENTATION, {1}}}},
        {"orientation is no prefix match", [](ProjectModel& m) { m.Rooms[1].orientation = "SVV"; }, kAllChecks, 0,
         {{IDS_HL_NO_ORIENTATION, {1}}}},
        {"unknown orientation, check off: p3 = 0", [](ProjectModel& m) { m.Rooms[1].orientation = "X"; }, kNoChecks, 1,
         {},
         [](const ProjectModel& m)
         { EXPECT_NEAR((0.1 + 0.0 + P1(348.0) + 1.0) * 348.0, m.Results[1].transmission, 1e-9); }},
        {"orientation in any case", [](ProjectModel& m) { m.Rooms[1].orientation = "sv"; }, kAllChecks, 1, {},
         [](const ProjectModel& m)
         { EXPECT_NEAR((0.1 + 0.05 + P1(348.0) + 1.0) * 348.0, m.Results[1].transmission, 1e-9); }},
        {"JZ has p3 0",
         [](ProjectModel& m)
         {
             m.Rooms[1].orientation = "JZ";
             m.Rooms[2].orientation = "J";
         },
         kAllChecks, 1, {},
         [](const ProjectModel& m)
         { EXPECT_NEAR((0.1 + 0.0 + P1(348.0) + 1.0) * 348.0, m.Results[1].transmission, 1e-9); }},
        {"a wall with difference 0 adds nothing", [](ProjectModel& m) { m.Walls.At(1, 2).temperatureDifference = 0; },
         kAllChecks, 1, {},
         [](const ProjectModel& m)
         { EXPECT_NEAR((0.1 + 0.1 + P1(273.0) + 1.0) * 273.0, m.Results[1].transmission, 1e-9); }},
        {"i = 0 adds nothing to S", [](ProjectModel& m) { m.Openings.At(1, 1, 1).i = 0.0; }, kAllChecks, 1, {},
         // S = 0: Qv = 0, so the minimum 10 × 35 × 0.36 applies.
         [](const ProjectModel& m) { EXPECT_NEAR(126.0, m.Results[1].ventilation, 1e-9); }},
        {"joint length 0 adds nothing to S", [](ProjectModel& m) { m.Openings.At(1, 1, 1).jointLength = 0; }, kAllChecks,
         1, {}, [](const ProjectModel& m) { EXPECT_NEAR(126.0, m.Results[1].ventilation, 1e-9); }},
        {"Ti = Te, room check on", [](ProjectModel& m) { m.Rooms[2].Ti = -15; }, kAllChecks, 0,
         {{IDS_HL_ROOM_NOT_COMPUTABLE, {2}}}},
        {"Ti = Te, room check off", [](ProjectModel& m) { m.Rooms[1].Ti = -15; }, kNoChecks, 0,
         {{IDS_HL_ROOM_NOT_COMPUTABLE, {1}}}},
        {"length 0, checks off", [](ProjectModel& m) { m.Rooms[2].length = 0; }, kNoChecks, 0,
         {{IDS_HL_ROOM_NOT_COMPUTABLE, {2}}}},
        {"height 0, checks off", [](ProjectModel& m) { m.Rooms[2].height = 0; }, kNoChecks, 0,
         {{IDS_HL_ROOM_NOT_COMPUTABLE, {2}}}},
        // Values no building has are refused whatever the switches, before any room is computed.
        {"a negative room width, checks off", [](ProjectModel& m) { m.Rooms[2].width = -1000; }, kNoChecks, 0,
         {{IDS_HL_ROOM_VALUE_OUT_OF_RANGE, {2}}}, [](const ProjectModel& m) { EXPECT_EQ(0.0, m.Totals.total); }},
        {"a negative room length", [](ProjectModel& m) { m.Rooms[1].length = -4000; }, kAllChecks, 0,
         {{IDS_HL_ROOM_VALUE_OUT_OF_RANGE, {1}}}},
        {"a room 600 m high", [](ProjectModel& m) { m.Rooms[1].height = 600000; }, kNoChecks, 0,
         {{IDS_HL_ROOM_VALUE_OUT_OF_RANGE, {1}}}},
        {"Ti of -300 °C", [](ProjectModel& m) { m.Rooms[2].Ti = -300; }, kNoChecks, 0,
         {{IDS_HL_ROOM_VALUE_OUT_OF_RANGE, {2}}}},
        {"negative doors", [](ProjectModel& m) { m.Rooms[2].doors = -1; }, kNoChecks, 0,
         {{IDS_HL_ROOM_VALUE_OUT_OF_RANGE, {2}}}},
        {"an air exchange of 1e9 m³/h", [](ProjectModel& m) { m.Rooms[1].airExchange = 1000000000; }, kNoChecks, 0,
         {{IDS_HL_ROOM_VALUE_OUT_OF_RANGE, {1}}}},
        {"a negative wall length", [](ProjectModel& m) { m.Walls.At(1, 2).length = -4000; }, kNoChecks, 0,
         {{IDS_HL_WALL_VALUE_OUT_OF_RANGE, {2, 1}}}},
        {"a negative wall U", [](ProjectModel& m) { m.Walls.At(2, 1).U = -0.3; }, kNoChecks, 0,
         {{IDS_HL_WALL_VALUE_OUT_OF_RANGE, {1, 2}}}},
        {"a wall difference of 500 K", [](ProjectModel& m) { m.Walls.At(2, 2).temperatureDifference = 500; },
         kNoChecks, 0, {{IDS_HL_WALL_VALUE_OUT_OF_RANGE, {2, 2}}}},
        {"a negative opening count", [](ProjectModel& m) { m.Openings.At(2, 2, 1).count = -2; }, kNoChecks, 0,
         {{IDS_HL_OPENING_VALUE_OUT_OF_RANGE, {1, 2, 2}}}},
        {"a negative opening i", [](ProjectModel& m) { m.Openings.At(2, 1, 1).i = -1.4; }, kNoChecks, 0,
         {{IDS_HL_OPENING_VALUE_OUT_OF_RANGE, {1, 1, 2}}}},
        {"an opening i of 1e306", [](ProjectModel& m) { m.Openings.At(2, 1, 1).i = 1e306; }, kAllChecks, 0,
         {{IDS_HL_OPENING_VALUE_OUT_OF_RANGE, {1, 1, 2}}}},
        {"an infinite U", [](ProjectModel& m) { m.Walls.At(1, 2).U = HUGE_VAL; }, kNoChecks, 0,
         {{IDS_HL_WALL_VALUE_OUT_OF_RANGE, {2, 1}}}},
        {"a NaN joint length coefficient", [](ProjectModel& m) { m.Openings.At(1, 1, 1).i = std::nan(""); },
         kNoChecks, 0, {{IDS_HL_OPENING_VALUE_OUT_OF_RANGE, {1, 1, 1}}}},
        {"B of INT_MAX", [](ProjectModel& m) { m.Header.B = 2147483647; }, kNoChecks, 0,
         {{IDS_HL_HEADER_VALUE_OUT_OF_RANGE, {}}}},
        {"Te of +40 °C", [](ProjectModel& m) { m.Header.Te = 40; }, kNoChecks, 0, {{IDS_HL_HEADER_VALUE_OUT_OF_RANGE, {}}}},
        {"p2 of -1", [](ProjectModel& m) { m.Header.p2 = -1.0; }, kNoChecks, 0, {{IDS_HL_HEADER_VALUE_OUT_OF_RANGE, {}}}},
        {"zeros are values not given, for the checks to judge",
         [](ProjectModel& m)
         {
             m.Walls.At(1, 2).U = 0.0;
             m.Openings.At(2, 2, 1).count = 0;
         },
         kNoChecks, 1, {}},
        {"an inner wall to a warmer room gains heat", [](ProjectModel& m) { m.Walls.At(1, 2).temperatureDifference = -4; },
         kAllChecks, 1, {},
         [](const ProjectModel& m)
         {
             const double q = 348.0 - 75.0 - 60.0; // the inner wall 10 m² × 1.5 × −4 K
             EXPECT_NEAR((0.1 + 0.1 + P1(q) + 1.0) * q, m.Results[1].transmission, 1e-9);
         }},
        // Likely mistakes are told once a run, and the calculation goes on.
        {"rooms colder than outside: one warning",
         [](ProjectModel& m)
         {
             m.Rooms[1].Ti = -20;
             m.Rooms[2].Ti = -16;
         },
         kAllChecks, 1, {{IDS_HL_COLDER_THAN_OUTSIDE, {}}}},
        {"openings larger than their wall: one warning",
         [](ProjectModel& m)
         {
             m.Openings.At(1, 1, 1).count = 6; // 6 windows of 2.25 m² in a wall of 12.5 m²
             m.Openings.At(2, 1, 1).count = 4; // 11.25 m²: smaller, no warning
             m.Openings.At(2, 2, 1).count = 7; // 7 doors of 1.6 m² in a wall of 10 m²
         },
         kAllChecks, 1, {{IDS_HL_OPENINGS_LARGER_THAN_WALL, {}}}},
        {"the warnings come before the error that ends the run",
         [](ProjectModel& m)
         {
             m.Rooms[1].Ti = -20;
             m.Rooms[2].orientation = "X";
         },
         kAllChecks, 0, {{IDS_HL_COLDER_THAN_OUTSIDE, {}}, {IDS_HL_NO_ORIENTATION, {2}}}},
    };
    return cases;
}

TEST(HeatLossCalculation, TableOfCases)
{
    for (const Case& c : Cases())
    {
        SCOPED_TRACE(c.name);
        auto model = TwoRoomProject();
        c.change(*model);
        const CalculationOutcome outcome = CalculateHeatLosses(*model, c.switches);
        EXPECT_EQ(c.result, outcome.result);
        ASSERT_EQ(c.messages.size(), outcome.messages.size());
        for (std::size_t k = 0; k < c.messages.size(); ++k)
        {
            EXPECT_EQ(c.messages[k].id, outcome.messages[k].id);
            EXPECT_EQ(c.messages[k].slots, outcome.messages[k].numbers);
            EXPECT_EQ(k + 1 < c.messages.size() || c.result == 1, outcome.messages[k].warning);
        }
        ExpectAllFinite(*model);
        if (c.verify)
            c.verify(*model);
    }
}

TEST(HeatLossCalculation, MessageBoxes)
{
    auto model = TwoRoomProject();
    model->Header.B = 0;
    HeatLossMessage header = CalculateHeatLosses(*model, kNoChecks).messages.at(0);
    EXPECT_EQ(UINT(MB_ICONEXCLAMATION), header.icon);
    EXPECT_EQ("kalvenrod - chyba", header.Caption());
    EXPECT_EQ("Není zadáno charakteristické číslo budovy !!", header.Text());
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(IDOK, header.Show());
    ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size());
    EXPECT_EQ("kalvenrod - chyba", ScriptedAnswers::ShownBoxes()[0].caption);
    EXPECT_EQ(header.Text(), ScriptedAnswers::ShownBoxes()[0].text);
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), ScriptedAnswers::ShownBoxes()[0].type);

    model = TwoRoomProject();
    model->Openings.At(2, 2, 1).length = 0;
    HeatLossMessage opening = CalculateHeatLosses(*model, kAllChecks).messages.at(0);
    EXPECT_EQ(0u, opening.icon);
    EXPECT_EQ("Není zadána délka otvoru <1> ve stěně <2> v místnosti <2> !!", opening.Text());

    model = TwoRoomProject();
    model->Rooms[1].Ti = -20;
    model->Rooms[2].Ti = -16;
    model->Openings.At(1, 1, 1).count = 6;
    model->Openings.At(2, 2, 1).count = 7;
    const CalculationOutcome warned = CalculateHeatLosses(*model, kNoChecks);
    ASSERT_EQ(2u, warned.messages.size());
    EXPECT_EQ("Vnitřní teplota Ti je nižší než venkovní teplota Te v místnostech <1>, <2>: jejich ztráta vychází "
              "záporná !!",
              warned.messages[0].Text());
    EXPECT_EQ("Plocha otvorů je větší než plocha stěny: stěna <1> v místnosti <1>, stěna <2> v místnosti <2> !!",
              warned.messages[1].Text());
    for (const HeatLossMessage& warning : warned.messages)
    {
        EXPECT_EQ("kalvenrod - upozornění", warning.Caption());
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), warning.icon);
    }

    // A value out of range names the element by its slots, the field with its unit, the value
    // and the range, whatever the switches.
    const struct
    {
        std::function<void(ProjectModel&)> change;
        const char* text;
    } ranges[] = {
        {[](ProjectModel& m) { m.Rooms[2].length = -4000; },
         "Místnost <2>: Délka místnosti [mm] = -4000 je mimo rozsah 1 až 500000 !!"},
        {[](ProjectModel& m) { m.Rooms[1].Ti = -300; }, "Místnost <1>: Teplota Ti [°C] = -300 je mimo rozsah -50 až 100 !!"},
        {[](ProjectModel& m) { m.Walls.At(2, 1).U = -0.25; },
         "Stěna <1> v místnosti <2>: U stěny [W.m-2.K-1] = -0,25 je mimo rozsah 0,001 až 20 !!"},
        {[](ProjectModel& m) { m.Openings.At(2, 2, 1).count = -2; },
         "Otvor <1> ve stěně <2> v místnosti <2>: Počet otvorů [-] = -2 je mimo rozsah 1 až 1000 !!"},
        {[](ProjectModel& m) { m.Header.B = 2147483647; },
         "Základní data: Charakteristické číslo budovy B [Pa^0.67] = 2147483647 je mimo rozsah 1 až 100 !!"},
    };
    UserLocale::SetCurrent(UserLocale::Czech());
    for (const auto& c : ranges)
    {
        model = TwoRoomProject();
        c.change(*model);
        const CalculationOutcome refused = CalculateHeatLosses(*model, kNoChecks);
        ASSERT_EQ(1u, refused.messages.size()) << c.text;
        EXPECT_EQ(c.text, refused.messages[0].Text());
        EXPECT_EQ("kalvenrod - chyba", refused.messages[0].Caption());
    }
    UserLocale::ResetToSystem();

    model = TwoRoomProject();
    model->Rooms[2].Ti = -15;
    EXPECT_EQ("Tepelnou ztrátu místnosti <2> nelze spočítat: nulový rozdíl teplot nebo rozměr místnosti !!",
              CalculateHeatLosses(*model, kAllChecks).messages.at(0).Text());
}

TEST(HeatLossCalculation, RoundedTotalsAreSumsOfRoundedLosses)
{
    auto model = TwoRoomProject();
    ASSERT_EQ(1, CalculateHeatLosses(*model, {false, false, false, true}).result);
    // 653.03 W and 657.97 W: floor(x × 0.05 + 0.5) × 20 gives 660 W each.
    EXPECT_EQ(660.0, model->Results[1].total);
    EXPECT_EQ(660.0, model->Results[2].total);
    EXPECT_EQ(1320.0, model->Totals.total);
}

TEST(HeatLossCalculation, RoomCharacteristicNumber)
{
    struct Row
    {
        double S;
        int doors;
        double M;
    };
    const Row rows[] = {
        {0.0, 0, 1.0},       {0.00149, 1, 0.7},   {0.0015, 1, 0.5},   {0.0025, 1, 0.5},   {0.00251, 1, 0.4},
        {0.004, 2, 0.5},     {-0.00299, 1, 0.7},  {-0.003, 1, 0.5},   {-0.005, 1, 0.5},   {-0.00501, 1, 0.4},
        {0.0, 1, 0.7},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.M, RoomCharacteristicNumber(row.S, row.doors)) << row.S << " / " << row.doors;
}

TEST(HeatLossCalculation, RoundHeatLoss)
{
    const std::pair<double, double> rows[] = {
        {120.0, 130.0},  {121.0, 130.0},   {0.0, 10.0},       {10.0, 20.0},      {490.0, 500.0},
        {499.99, 500.0}, {500.0, 510.0},   {500.01, 500.0},   {520.0, 520.0},    {529.0, 520.0},
        {531.0, 540.0},  {600.0, 600.0},   {980.0, 980.0},    {999.0, 1000.0},   {1000.0, 1000.0},
        {1000.01, 1000.0}, {1024.0, 1000.0}, {1026.0, 1050.0}, {1050.0, 1050.0}, {1500.0, 1500.0},
        {-5.0, 0.0},     {-20.0, -10.0},
    };
    for (const auto& [x, rounded] : rows)
        EXPECT_EQ(rounded, RoundHeatLoss(x)) << x;
}

} // namespace

namespace
{

TEST(HeatLossCalculation, LargestProject)
{
    auto model = TwoRoomProject();
    model->Rooms.count = 1;
    const RoomTable::Entry room = model->Rooms[1];
    const WallTable::Entry wall = model->Walls.At(1, 1);
    while (const int r = model->AddRoom())
    {
        model->Rooms[r] = room;
        model->Rooms[r].wallCount = 1;
        while (const int w = model->AddWall(r))
        {
            model->Walls.At(r, w) = wall;
            model->Walls.At(r, w).openingCount = 1;
            while (const int o = model->AddOpening(r, w))
                model->Openings.At(r, w, o) = {"OJ ", 100, 120, 1, 440, 1.2, 1.4};
        }
    }
    ASSERT_EQ(99, model->Rooms.count);
    ASSERT_EQ(20, model->Walls.At(98, 19).openingCount);
    ASSERT_EQ(1, CalculateHeatLosses(*model, {true, true, true, true}).result);
    ExpectAllFinite(*model);
    EXPECT_DOUBLE_EQ(98 * 50.0, model->Totals.volume);
    EXPECT_DOUBLE_EQ(98 * model->Results[98].total, model->Totals.total);
}

} // namespace
