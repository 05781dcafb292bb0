#include "FloorWallFixtures.h"

#include "floorwall/CRoztece.h"
#include "floorwall/SpacingSeriesList.h"

void FloorCalculationTest::SetUp()
{
    AppSettings& settings = AppSettings::Get();
    settings = AppSettings();
    settings.MinimRoztec = "0.075";
    settings.KodTopTrub = "9001-0004";
    settings.KodSysPodl = "9001-0014";
    FreeSpacingSeriesList();
    FillDefaultSpacingSeries();
    m_calc.CollectPipeSpacings();
    m_calc.m_rangeReporter = [this](const CString& text) { m_messages.emplace_back(text.GetString()); };
}

void FloorCalculationTest::TearDown()
{
    FreeSpacingSeriesList();
}

std::unique_ptr<CMistPodlahVytap> FloorCalculationTest::MakeRoom(int systemType)
{
    auto room = std::make_unique<CMistPodlahVytap>();
    room->m_nSystemType = systemType;
    room->m_dRoomTemperature = 20.0;
    room->m_dCoveringResistance = 0.1;
    room->m_dScreedConductivity = 1.2;
    room->m_dScreedThickness = 45.0;
    auto* circuit = new CTopnyOkruh;
    circuit->m_strLabel = "1.01/A";
    circuit->m_dFlowTemperature = 40.0;
    circuit->m_dReturnTemperature = 35.0;
    circuit->m_dOccupiedArea = 10.0;
    circuit->m_dTotalArea = 10.0;
    circuit->m_pPipe->m_dOuterDiameter = 0.016;
    circuit->m_pPipe->m_dCoatingDiameter = 0.016;
    circuit->m_pPipe->m_dWallThickness = 0.002;
    circuit->m_pPipe->m_dPipeConductivity = 0.35;
    circuit->m_pPipe->m_dCoatingConductivity = 0.35;
    room->m_floorCircuits.push_back(circuit);
    room->m_nCircuitCount = 1;
    return room;
}
