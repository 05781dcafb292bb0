// The floor design press over rooms built in code: the sigma question, the critical circuit,
// the order of the rooms, splits by length and area, the load iteration's bound, throttling
// and circuits the calculation cannot design.

#include "FloorWallFixtures.h"

#include "floorwall/FloorDesign.h"
#include "testing/ScriptedAnswers.h"

#include <numeric>

namespace
{
class FloorDesignRun : public FloorCalculationTest
{
protected:
    void SetUp() override
    {
        FloorCalculationTest::SetUp();
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings.PathList = KALVENROD_BIN_DIR;
        settings.MaxTlakZtrata = 1e9;
        settings.MaxDelkaOkruhu = 1e6;
    }
    void TearDown() override
    {
        ScriptedAnswers::Reset();
        FloorCalculationTest::TearDown();
    }

    // A type A floor heating room at 20 °C with one circuit "<number>/A" over its areas.
    CMistPodlahVytap& AddRoom(const char* number, double load, double occupied, double edge = 0.0)
    {
        auto room = MakeRoom();
        room->m_strNumber = number;
        room->m_strName = CString("Místnost ") + number;
        room->m_nFloorHeating = 1;
        room->m_dFloorLoad = load;
        CTopnyOkruh& c = Circuit(*room);
        c.m_strLabel = CString(number) + "/A";
        c.m_dOccupiedArea = occupied;
        c.m_dEdgeArea = edge;
        c.m_dTotalArea = occupied + edge;
        c.m_nSeparateEdgeZone = edge > 0.0 && occupied > 0.0 ? 1 : 0;
        m_design.m_rooms.push_back(room.release());
        return *m_design.m_rooms.back();
    }
    static std::vector<CString> Labels(const CMistPodlahVytap& room)
    {
        std::vector<CString> labels;
        for (const CTopnyOkruh* c : room.m_floorCircuits)
            labels.push_back(c->m_strLabel);
        return labels;
    }
    // The loop length the room's single circuit gets without limits.
    double UnlimitedLoopLength(const char* number, double load, double occupied, double edge)
    {
        FloorDesign probe;
        std::swap(probe.m_rooms, m_design.m_rooms);
        AddRoom(number, load, occupied, edge);
        std::swap(probe.m_rooms, m_design.m_rooms);
        EXPECT_EQ(probe.Design(), 0);
        return probe.m_rooms[0]->m_floorCircuits[0]->m_dLoopLength;
    }

    FloorDesign m_design;
};

TEST_F(FloorDesignRun, SigmaQuestionOnlyOffFiveKelvin)
{
    struct Case
    {
        double flow, ret;
        const char* expected;
    } cases[] = {
        {45.0, 40.0, ""},
        {45.0, 41.0, "není ani 5 °K\n (nyní je nastaven na 4.0 °K)"},
        {46.0, 40.0, "by neměl převyšovat 5 °K\n (nyní je nastaven na 6.0 °K)"},
    };
    for (const Case& c : cases)
    {
        AppSettings::Get().DesignFlowTemperature = c.flow;
        AppSettings::Get().DesignReturnTemperature = c.ret;
        const CString question = m_design.SigmaQuestion();
        if (*c.expected == 0)
            EXPECT_TRUE(question.IsEmpty());
        else
            EXPECT_NE(question.Find(c.expected), -1) << question.GetString();
    }
    m_design.m_bDesigned = 1;
    EXPECT_TRUE(m_design.SigmaQuestion().IsEmpty());
}

TEST_F(FloorDesignRun, NoToTheQuestionTakesTheProjectsTemperatures)
{
    struct Case
    {
        const char* pair;
        double flow, ret;
    } cases[] = {{"45#40", 45.0, 40.0}, {"0#40", 50.0, 45.0}, {"45#30", 45.0, 40.0}};
    for (const Case& c : cases)
    {
        AppSettings::Get().TemperaturePair = c.pair;
        AppSettings::Get().ZakladSigma = 5.0;
        m_design.ResetDesignTemperaturesFromPair();
        EXPECT_EQ(AppSettings::Get().DesignFlowTemperature, c.flow) << c.pair;
        EXPECT_EQ(AppSettings::Get().DesignReturnTemperature, c.ret) << c.pair;
    }
}

TEST_F(FloorDesignRun, NoLoadAnywhereEndsWithoutMessage)
{
    AddRoom("1", 0.0, 10.0);
    AddRoom("2", 0.0, 8.0);
    EXPECT_EQ(m_design.Design(), 1);
    EXPECT_TRUE(m_design.m_strError.IsEmpty());
    EXPECT_TRUE(m_design.WarningText().IsEmpty());
    EXPECT_EQ(m_design.m_bDesigned, 0);
}

TEST_F(FloorDesignRun, DesignedProjectHasThrottlingReserves)
{
    AddRoom("1", 1200.0, 14.0);
    AddRoom("2", 500.0, 9.0, 2.0);
    AddRoom("3", 700.0, 12.0);
    ASSERT_EQ(m_design.Design(), 0) << m_design.m_strError.GetString();
    EXPECT_EQ(m_design.m_bDesigned, 1);
    EXPECT_EQ(m_design.m_nUserMode, 1);
    EXPECT_EQ(m_design.m_bUnsaved, 1);
    EXPECT_EQ(m_design.m_bNoLimitsRun, 0);
    double largest = 0.0;
    for (const CMistPodlahVytap* room : m_design.m_rooms)
        for (const CTopnyOkruh* c : room->m_floorCircuits)
        {
            EXPECT_GT(c->m_dSpacing, 0.0) << c->m_strLabel.GetString();
            EXPECT_GT(c->m_dLoopLength, 0.0);
            EXPECT_EQ(c->m_nDone, 0);
            largest = std::max(largest, c->m_dPressureLoss);
        }
    ASSERT_GT(largest, 0.0);
    for (const CMistPodlahVytap* room : m_design.m_rooms)
        for (const CTopnyOkruh* c : room->m_floorCircuits)
            EXPECT_DOUBLE_EQ(c->m_dPressureReserve, largest - c->m_dPressureLoss);
    EXPECT_GT(m_design.m_dReferenceValue, 0.0);
    EXPECT_EQ(m_design.MaxPressureLoss(-2), largest);
}

TEST_F(FloorDesignRun, TheEarlierOfEqualHeatFluxesIsCritical)
{
    AddRoom("1", 500.0, 10.0);
    AddRoom("2", 800.0, 16.0);
    AddRoom("3", 300.0, 10.0);
    m_design.CollectRouteRooms();
    m_design.ResetRoomSums();
    m_design.DistributeRoomLoads(1);
    ASSERT_EQ(m_design.FindCriticalCircuit(), 1);
    EXPECT_EQ(m_design.m_nCriticalRoom, 0);
    EXPECT_EQ(m_design.m_nCriticalCircuit, 0);
}

TEST_F(FloorDesignRun, RoomsCrossedByRoutesComeFirstAndUnknownRoomsAreDropped)
{
    CMistPodlahVytap& a = AddRoom("A", 900.0, 12.0);
    CMistPodlahVytap& b = AddRoom("B", 400.0, 10.0);
    CMistPodlahVytap& c = AddRoom("C", 400.0, 10.0);
    a.m_floorCircuits[0]->m_strSupplyChain = "[B/A{L=2.0}][9.99/A{L=1.0}]";
    m_design.CollectRouteRooms();
    EXPECT_EQ(m_design.m_routeRooms, (std::vector<CString>{"B", "A", "C"}));
    EXPECT_EQ(b.m_nRouteRoomIndex, 0);
    EXPECT_EQ(a.m_nRouteRoomIndex, 1);
    EXPECT_EQ(c.m_nRouteRoomIndex, 2);
    EXPECT_EQ(m_design.FindRoom(0), &b);

    ASSERT_EQ(m_design.Design(), 0) << m_design.m_strError.GetString();
    for (const CMistPodlahVytap* room : m_design.m_rooms)
        EXPECT_GT(room->m_floorCircuits[0]->m_dSpacing, 0.0) << room->m_strNumber.GetString();
    // B carries A's supply pipe: its foreign length and the heat it receives.
    EXPECT_DOUBLE_EQ(b.m_floorCircuits[0]->m_dForeignLength, 2.0);
    EXPECT_GT(b.m_dForeignPipeGain, 0.0);
}

TEST_F(FloorDesignRun, LongLoopSplitIntoThreeEqualCircuits)
{
    const double loop = UnlimitedLoopLength("1", 3000.0, 40.0, 0.0);
    ASSERT_GT(loop, 0.0);
    AddRoom("1", 3000.0, 40.0);
    AppSettings::Get().MaxDelkaOkruhu = loop / 2.5;
    ASSERT_EQ(m_design.Design(), 0) << m_design.m_strError.GetString();
    const CMistPodlahVytap& room = *m_design.m_rooms[0];
    ASSERT_EQ(Labels(room), (std::vector<CString>{"1/A", "1/B", "1/C"}));
    for (const CTopnyOkruh* c : room.m_floorCircuits)
    {
        EXPECT_NEAR(c->m_dOccupiedArea, 40.0 / 3.0, 1e-9);
        EXPECT_NEAR(c->m_dRequiredOutput, 1000.0, 1e-9);
        EXPECT_LE(c->m_dLoopLength, AppSettings::Get().MaxDelkaOkruhu);
    }
    EXPECT_EQ(room.m_nCircuitCount, 3);

    // The next press starts again from one circuit.
    m_design.MergeRoomCircuits();
    ASSERT_EQ(room.m_floorCircuits.size(), 1u);
    EXPECT_NEAR(room.m_floorCircuits[0]->m_dOccupiedArea, 40.0, 1e-9);
    EXPECT_EQ(room.m_floorCircuits[0]->m_dSpacing, 0.0);
}

TEST_F(FloorDesignRun, SplitBelowTheSmallestAreaRestoresTheCircuit)
{
    AddRoom("1", 2500.0, 30.0, 0.9);
    AppSettings::Get().MaxDelkaOkruhu = 5.0;
    EXPECT_EQ(m_design.Design(), 1);
    EXPECT_NE(m_design.m_strError.Find("(V místnosti 'Místnost 1'\nje dělení okruhů na plochy vytápění pod 0.5 m2!)"),
              -1)
        << m_design.m_strError.GetString();
    EXPECT_EQ(m_design.m_strError.Find("Pro zadané rozdělení ploch nejsem schopen provést výpočet"), 0);
    const CTopnyOkruh& c = *m_design.m_rooms[0]->m_floorCircuits[0];
    EXPECT_EQ(m_design.m_rooms[0]->m_floorCircuits.size(), 1u);
    EXPECT_DOUBLE_EQ(c.m_dEdgeArea, 0.9);
    EXPECT_DOUBLE_EQ(c.m_dOccupiedArea, 30.0);
    EXPECT_DOUBLE_EQ(c.m_dTotalArea, 30.9);
}

TEST_F(FloorDesignRun, SplitPartsCarryExactlyTheUndividedLoad)
{
    // The second room, designed last, is split after the loads were spread for the last time.
    auto firstRun = [this]() {
        AddRoom("1", 1500.0, 14.0);
        CMistPodlahVytap& edged = AddRoom("2", 1400.0, 24.0, 4.0);
        m_design.m_calc.CollectPipeSpacings();
        m_design.AssignPipes(1);
        m_design.ApplyDesignTemperatures();
        EXPECT_EQ(m_design.CheckForeignPipeAreas(), 0);
        m_design.CollectRouteRooms();
        m_design.ResetRoomSums();
        m_design.CollectForeignPipeGains();
        m_design.DistributeRoomLoads(1);
        EXPECT_EQ(m_design.RunDesign(), 0) << m_design.m_strError.GetString();
        return &edged;
    };
    const double loop = firstRun()->m_floorCircuits[0]->m_dLoopLength;
    ASSERT_GT(loop, 0.0);
    m_design.ClearData();
    AppSettings::Get().MaxDelkaOkruhu = loop / 1.5;
    CMistPodlahVytap& edged = *firstRun();
    ASSERT_EQ(edged.m_floorCircuits.size(), 2u);
    EXPECT_EQ(m_design.m_bSplitHappened, 1);
    const double sum = edged.m_floorCircuits[0]->m_dRequiredOutput + edged.m_floorCircuits[1]->m_dRequiredOutput;
    EXPECT_NEAR(sum, 1400.0, 1e-9);
    EXPECT_DOUBLE_EQ(edged.m_floorCircuits[1]->m_dEdgeArea, 2.0);
}

TEST_F(FloorDesignRun, LoadThatNeverSettlesStopsAtTheBoundAndNamesTheRoom)
{
    AddRoom("1", 900.0, 12.0);
    CMistPodlahVytap& looping = AddRoom("2", 400.0, 10.0);
    looping.m_floorCircuits[0]->m_strSupplyChain = "[2/A{L=1.0}]"; // the room marks itself
    AppSettings::Get().MinDifChybi = -1.0;                              // every pass counts as a change
    ASSERT_EQ(m_design.Design(), 0) << m_design.m_strError.GetString();
    EXPECT_EQ(m_design.m_unsettledRooms, std::vector<CString>{"2"});
    EXPECT_NE(m_design.WarningText().Find("\n2"), -1);
    EXPECT_GT(looping.m_floorCircuits[0]->m_dSpacing, 0.0);
}

TEST_F(FloorDesignRun, UndesignableRoomIsNamedOnceAndTheOthersAreDesigned)
{
    AddRoom("1", 1200.0, 12.0);
    CMistPodlahVytap& bad = AddRoom("2", 400.0, 10.0);
    bad.m_dScreedConductivity = 0.0;
    ASSERT_EQ(m_design.Design(), 0) << m_design.m_strError.GetString();
    ASSERT_EQ(m_design.m_undesigned.size(), 1u);
    EXPECT_EQ(m_design.m_undesigned[0], "2/A: tepelná vodivost roznášecí vrstvy není kladná");
    EXPECT_GT(m_design.m_rooms[0]->m_floorCircuits[0]->m_dSpacing, 0.0);
    EXPECT_EQ(bad.m_floorCircuits[0]->m_dSpacing, 0.0);
    const CString warning = m_design.WarningText();
    const int first = warning.Find("2/A");
    EXPECT_NE(first, -1);
    EXPECT_EQ(warning.Find("2/A", first + 1), -1);

    // The same fault in the critical room ends the press.
    m_design.m_rooms[0]->m_dScreedConductivity = 0.0;
    m_design.m_bDesigned = 0;
    EXPECT_EQ(m_design.Design(), 1);
    EXPECT_FALSE(m_design.m_undesigned.empty());
}

TEST_F(FloorDesignRun, SumsOfAManifold)
{
    CMistPodlahVytap& a = AddRoom("1", 0.0, 10.0);
    CMistPodlahVytap& b = AddRoom("2", 0.0, 10.0);
    auto set = [](CTopnyOkruh& c, int manifold, double loop, double supply, double flow, double dp, double q,
                  double required, double uncovered) {
        c.m_nManifold = manifold;
        c.m_dLoopLength = loop;
        c.m_dOwnSupplyLength = supply;
        c.m_dMassFlowKgPerS = flow;
        c.m_dPressureLoss = dp;
        c.m_dHeatFlux = q;
        c.m_dRequiredOutput = required;
        c.m_dOutputDifference = uncovered;
    };
    set(*a.m_floorCircuits[0], 1, 60.0, 4.0, 0.02, 9000.0, 50.0, 600.0, 10.0);
    set(*b.m_floorCircuits[0], 1, 40.0, 2.0, 0.01, 12000.0, 40.0, 400.0, -5.0);
    double length, flow, dp, heat;
    m_design.SumRoomValues(1, length, flow, dp, heat);
    EXPECT_DOUBLE_EQ(length, 106.0);
    EXPECT_DOUBLE_EQ(flow, 0.03);
    EXPECT_DOUBLE_EQ(dp, 12000.0);
    EXPECT_DOUBLE_EQ(heat, 590.0 + 50.0 * 4.0 * 0.135 + 405.0 + 40.0 * 2.0 * 0.135);
    for (int manifold : {0, 2})
    {
        m_design.SumRoomValues(manifold, length, flow, dp, heat);
        EXPECT_EQ(length + flow + dp + heat, 0.0);
    }
}
} // namespace
