// Floor construction rules and the build-ups of the catalogue workbook, without windows.
#include "../../hydraulics/tests/HydraulicsFixtures.h"

#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/FloorBuildUps.h"
#include "floorwall/FloorConstruction.h"
#include "hydraulics/CTopnyOkruh.h"
#include "platform/dao/tests/DebianPython.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace
{
QByteArray FileBytes(const CString& path)
{
    QFile file(QString::fromUtf8(path.GetString()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<CString> Keys(const std::vector<BuildUpHeader>& headers)
{
    std::vector<CString> keys;
    for (const BuildUpHeader& header : headers)
        keys.push_back(header.key);
    return keys;
}
} // namespace

TEST(FloorConstruction, TypeAValuesDerivedWhenAFieldIsLeft)
{
    struct Case
    {
        TypeAField left;
        double TypeAValues::*changed;
        double expected;
    };
    const Case cases[] = {
        {TypeAField::InsulationConductivity, &TypeAValues::insulationResistance, 0.8},  // 32 mm / 0.04
        {TypeAField::InsulationThickness, &TypeAValues::insulationResistance, 0.8},
        {TypeAField::ScreedConductivity, &TypeAValues::screedResistance, 0.0375},       // 45 mm / 1.2
        {TypeAField::ScreedThickness, &TypeAValues::screedResistance, 0.0375},
        {TypeAField::InsulationResistance, &TypeAValues::insulationThickness, 22.0},    // 0.04 × 0.55
        {TypeAField::ScreedResistance, &TypeAValues::screedThickness, 39.6},            // 1.2 × 0.033
        {TypeAField::CoveringThickness, &TypeAValues::coveringResistance, 0.01},        // 10 mm / 1.0
        {TypeAField::Factor, &TypeAValues::insulationResistance, 0.55},
    };
    for (const Case& c : cases)
    {
        TypeAValues values;
        values.coveringThickness = 10.0;
        values.coveringConductivity = 1.0;
        DeriveTypeAValues(values, c.left);
        EXPECT_NEAR(values.*c.changed, c.expected, 1e-12) << int(c.left);
    }
    // A zero divisor keeps the derived value.
    TypeAValues zero;
    zero.insulationConductivity = 0.0;
    DeriveTypeAValues(zero, TypeAField::InsulationThickness);
    EXPECT_EQ(zero.insulationResistance, 0.55);
}

TEST(FloorConstruction, BuildUpLayersByGroupAndAScreedlessBuildUpKeepsTheScreed)
{
    TypeAValues values;
    TakeBuildUpLayers(values, {{1, 10.0, 0.0077}, {2, 45.0, 0.0388}, {3, 30.0, 0.8571}, {4, 200.0, 0.1274}});
    EXPECT_DOUBLE_EQ(values.screedThickness, 45.0);
    EXPECT_DOUBLE_EQ(values.screedResistance, 0.0388);
    EXPECT_NEAR(values.screedConductivity, 0.045 / 0.0388, 1e-12);
    EXPECT_DOUBLE_EQ(values.insulationThickness, 30.0);
    EXPECT_NEAR(values.insulationConductivity, 0.03 / 0.8571, 1e-12);
    EXPECT_DOUBLE_EQ(values.ceilingResistance, 0.1274);
    EXPECT_DOUBLE_EQ(values.coveringResistance, 0.011); // the covering comes from its own list

    TypeAValues screedless;
    screedless.screedThickness = 50.0;
    TakeBuildUpLayers(screedless, {{3, 40.0, 1.0}});
    EXPECT_EQ(screedless.screedThickness, 50.0);
    EXPECT_EQ(screedless.screedConductivity, 1.2);
    EXPECT_EQ(screedless.ceilingResistance, 0.0);
    EXPECT_DOUBLE_EQ(screedless.insulationThickness, 40.0);
    TypeAValues untouched;
    TakeBuildUpLayers(untouched, {});
    EXPECT_EQ(untouched.insulationResistance, 0.55);
}

TEST(FloorConstruction, OutputSharedByZoneWeightsWithFluxAndFloorTemperature)
{
    std::vector<CircuitShare> circuits = {{10.0, 0.0, 0.0}, {10.0, 5.0, 0.0}};
    DistributeByZoneWeights(circuits, 1000.0);
    EXPECT_NEAR(circuits[0].output, 347.826, 1e-3);
    EXPECT_NEAR(circuits[1].output, 652.174, 1e-3);
    EXPECT_NEAR(*CircuitHeatFlux({10.0, 0.0, 347.8}), 34.78, 0.005); // both shown as "34.78"
    EXPECT_NEAR(*CircuitHeatFlux({10.0, 5.0, 652.2}), 34.78, 0.005);
    EXPECT_FALSE(CircuitHeatFlux({0.0, 0.0, 100.0}));
    EXPECT_FALSE(MeanFloorTemperature(std::nullopt, 20.0));
    EXPECT_FALSE(MeanFloorTemperature(0.0, 20.0));
    EXPECT_NEAR(*MeanFloorTemperature(8.92, 20.0), 21.0, 1e-9);

    std::vector<CircuitShare> byArea = {{10.0, 0.0, 0.0}, {20.0, 10.0, 0.0}};
    DistributeByAreaShare(byArea, 800.0);
    EXPECT_DOUBLE_EQ(byArea[0].output, 200.0);
    EXPECT_DOUBLE_EQ(byArea[1].output, 600.0);
    std::vector<CircuitShare> one = {{0.0, 0.0, 5.0}};
    DistributeByAreaShare(one, 700.0);
    EXPECT_EQ(one[0].output, 700.0);
    std::vector<CircuitShare> none = {{0.0, 0.0, 5.0}, {0.0, 0.0, 6.0}};
    DistributeByZoneWeights(none, 700.0);
    EXPECT_EQ(none[1].output, 0.0);
}

TEST(FloorConstruction, SetsLoadedFromAndStoredIntoTheRoom)
{
    CMistPodlahVytap room;
    room.m_nSystemType = 0;
    room.m_dRoomTemperature = 22.0;
    room.m_strBuildUpName = "20240115090000";
    FloorSystemParameters empty;
    LoadSystemParameters(room, empty, 3); // no circuits: nothing taken
    EXPECT_EQ(empty.buildUpReference, "");
    int proKonstrukci = 7;
    empty.chosenType = 2;
    StoreSystemParameters(room, empty, proKonstrukci);
    EXPECT_EQ(room.m_nSystemType, 0);
    EXPECT_EQ(proKonstrukci, 7);

    for (int i = 0; i < 2; ++i)
    {
        auto* circuit = new CTopnyOkruh;
        circuit->m_dFloorTemperatureValue = 5.0;
        circuit->m_dSpacing = 0.15;
        room.m_floorCircuits.push_back(circuit);
    }
    FloorSystemParameters p;
    LoadSystemParameters(room, p, 3);
    EXPECT_EQ(p.chosenType, 1); // code 0 opens type A
    EXPECT_EQ(p.buildUpIndex, 3);
    EXPECT_EQ(p.buildUpReference, "20240115090000");
    EXPECT_EQ(p.a.roomTemperature, 22.0);
    EXPECT_EQ(p.a.belowTemperature, 5.0);
    EXPECT_EQ(p.b.pipeSpacing, 0.15);
    EXPECT_EQ(p.b.pipeDiameter, 0.015);
    EXPECT_EQ(p.c.reinforced, 0);
    p.a.screedThickness = 60.0;
    p.a.screedConductivity = 1.4;
    p.a.belowTemperature = 12.0;
    p.buildUpIndex = 1;
    StoreSystemParameters(room, p, proKonstrukci);
    EXPECT_EQ(room.m_nSystemType, 1);
    EXPECT_EQ(room.m_dScreedThickness, 60.0);
    EXPECT_EQ(room.m_dScreedConductivityCopy, 1.4);
    EXPECT_EQ(proKonstrukci, 1);
    for (CTopnyOkruh* circuit : room.m_floorCircuits)
        EXPECT_EQ(circuit->m_dFloorTemperatureValue, 12.0);

    p.chosenType = 3;
    p.c.reinforcementShare = 4.0;
    StoreSystemParameters(room, p, proKonstrukci);
    EXPECT_EQ(room.m_dReinforcementShare, 0.0); // not marked as reinforced
    EXPECT_FALSE(room.m_bReinforced);
    p.c.reinforced = 1;
    StoreSystemParameters(room, p, proKonstrukci);
    EXPECT_EQ(room.m_dReinforcementShare, 4.0);
    EXPECT_TRUE(room.m_bReinforced);
    p.chosenType = 5;
    room.m_dScreedThickness = 1.0;
    StoreSystemParameters(room, p, proKonstrukci);
    EXPECT_EQ(room.m_nSystemType, 5);
    EXPECT_EQ(room.m_dScreedThickness, 1.0);
}

TEST(FloorBuildUps, LayerTexts)
{
    BuildUpLayer layer{"0000-0101", "Železobeton", "2400", "200", "1.6", "", "4"};
    RecomputeLayer(layer);
    EXPECT_EQ(layer.tepelOdpor, "0.125");
    EXPECT_EQ(layer.vrstva, "200");
    EXPECT_EQ(layer.vodivost, "1.6");
    BuildUpLayer noConductivity{"", "", "", "50", "", "x", "2"};
    RecomputeLayer(noConductivity);
    EXPECT_EQ(noConductivity.tepelOdpor, "x");
    EXPECT_EQ(TrimNumberText("0.0400"), "0.04");
    EXPECT_EQ(TrimNumberText("50.000"), "50");
    EXPECT_EQ(TrimNumberText("100"), "100");
}

TEST(FloorBuildUps, SavedReplacedRemovedAndAFailedRewriteLeavesTheCatalogue)
{
    ScriptedAnswers::Reset();
    WorkbookCopy catalogue("MekrData.xls");
    const CString folder = catalogue.Folder();
    std::vector<BuildUpHeader> before;
    ASSERT_TRUE(ReadBuildUpHeaders(folder, before));
    ASSERT_GE(before.size(), 2u);
    std::vector<BuildUpLayer> firstLayers;
    ASSERT_TRUE(ReadBuildUpLayers(folder, before[0].key, firstLayers));
    std::vector<SheetTexts> allRows;
    ASSERT_TRUE(ReadSheetRows(catalogue.Path(), kBuildUpSheet, "", allRows));

    const CString key = "20261211120000";
    const std::vector<BuildUpLayer> layers = {
        {"0001-0001", "Dlažba", "dlažba", "10", "1.3", "0.0077", "1"},
        {"0000-0107", "Potěr O'Hara", "2000", "45", "1.16", "0.0388", "2"},
        {"9001-0072", "Tacker deska 30", "deska", "30", "0.035", "0.8571", "3"}};
    BuildUpWrite saved = SaveBuildUp(folder, key, "Skladba d'Artagnan", layers);
    EXPECT_TRUE(saved.removed && saved.written);
    std::vector<BuildUpHeader> after;
    ASSERT_TRUE(ReadBuildUpHeaders(folder, after));
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back().key, key); // listed last
    EXPECT_EQ(after.back().name, "Skladba d'Artagnan");
    EXPECT_EQ(BuildUpKeyOfName(folder, "Skladba d'Artagnan"), key);
    std::vector<BuildUpLayer> read;
    ASSERT_TRUE(ReadBuildUpLayers(folder, key, read));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[1].typ, "Potěr O'Hara");
    EXPECT_EQ(read[2].tepelOdpor, "0.8571");
    std::vector<BuildUpHeader> tacker;
    ASSERT_TRUE(ReadFloorSystemBuildUps(folder, "9001-0072", tacker));
    EXPECT_EQ(Keys(tacker).back(), key);
    EXPECT_EQ(LayerValues(read)[2].group, 3);

    // Saved again in a new order: replaced, never doubled; the positions follow the order.
    std::vector<BuildUpLayer> swapped = {layers[1], layers[0]};
    ASSERT_TRUE(SaveBuildUp(folder, key, "Skladba d'Artagnan", swapped).written);
    ASSERT_TRUE(ReadBuildUpLayers(folder, key, read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].code, "0000-0107");
    ASSERT_TRUE(ReadBuildUpHeaders(folder, after));
    EXPECT_EQ(after.size(), before.size() + 1);

    // A header alone, then the build-up removed; the other build-ups as they were.
    ASSERT_TRUE(SaveBuildUp(folder, key, "Skladba d'Artagnan", swapped, true).written);
    ASSERT_TRUE(ReadBuildUpLayers(folder, key, read));
    EXPECT_TRUE(read.empty());
    ASSERT_TRUE(RemoveBuildUp(folder, key).removed);
    ASSERT_TRUE(ReadBuildUpHeaders(folder, after));
    EXPECT_EQ(Keys(after), Keys(before));
    std::vector<BuildUpLayer> firstAfter;
    ASSERT_TRUE(ReadBuildUpLayers(folder, before[0].key, firstAfter));
    ASSERT_EQ(firstAfter.size(), firstLayers.size());
    for (std::size_t i = 0; i < firstLayers.size(); ++i)
        EXPECT_EQ(firstAfter[i].tepelOdpor, firstLayers[i].tepelOdpor);
    const std::string rows = RunPython(
        "import sys, xlrd\nsheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name('Mekr_USkP')\n"
        "print(sheet.nrows, sheet.row_values(1)[0])\n",
        {QString::fromUtf8(catalogue.Path().GetString())});
    EXPECT_EQ(rows, std::to_string(allRows.size() + 1) + " " + before[0].key.GetString() + "\n");

    // The working copy cannot be made: nothing appended, the catalogue byte for byte.
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    const QByteArray bytes = FileBytes(catalogue.Path());
    QDir(QString::fromUtf8(folder.GetString())).mkpath("MekrData$.xls/blocked");
    saved = SaveBuildUp(folder, key, "Skladba d'Artagnan", layers);
    EXPECT_FALSE(saved.removed);
    EXPECT_FALSE(saved.written);
    EXPECT_FALSE(saved.message.IsEmpty());
    EXPECT_EQ(FileBytes(catalogue.Path()), bytes);
}
