#include "floorwall/FloorDesign.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectSheetStore.h"
#include "datalib/CData.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/CircuitHydraulics.h"
#include "floorwall/DesignRoomsReader.h"
#include "floorwall/FloorCalculationSettings.h"
#include "floorwall/FloorWallIds.h"
#include "floorwall/SupplyRouteIndex.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/CircuitLabel.h"
#include "hydraulics/NumberReading.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace
{
constexpr const char* kResultSheet = "SeznamM$";
constexpr const char* kHeaderSheet = "DataAkce$";
constexpr const char* kKind = "TYP_ZAZNAMU";
constexpr double kMinimumPartArea = 0.5;  // m², the smallest heating area of a split part
constexpr double kSupplyPipeGain = 0.135; // W per metre of supply pipe and W/m² of flux

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

template <class... Args> CString Formatted(UINT id, const Args&... args)
{
    CString text;
    text.Format(Loaded(id), args...);
    return text;
}

void AddDistinct(std::vector<CString>& list, const CString& text)
{
    if (std::find(list.begin(), list.end(), text) == list.end())
        list.push_back(text);
}

UINT FaultText(CCSN_EN_1264::DesignFault fault)
{
    using Fault = CCSN_EN_1264::DesignFault;
    switch (fault)
    {
    case Fault::TemperaturesNotAboveRoom: return IDS_FAULT_TEMPERATURES;
    case Fault::ScreedConductivity: return IDS_FAULT_SCREED;
    case Fault::DownwardResistance: return IDS_FAULT_RESISTANCE;
    case Fault::MaxSurfaceTemperature: return IDS_FAULT_SURFACE;
    case Fault::NoCandidate: return IDS_FAULT_NO_CANDIDATE;
    case Fault::FlowExcessTooSmall: return IDS_FAULT_FLOW_EXCESS;
    case Fault::NotConverged: return IDS_FAULT_NOT_CONVERGED;
    case Fault::None: break;
    }
    return 0;
}

// The text's number with either decimal separator.
double Number(const CString& text)
{
    return ReadNumber(text);
}
} // namespace

FloorDesign::FloorDesign()
{
    m_calc.m_rangeReporter = [this](const CString& text) { AddDistinct(m_rangeTexts, text); };
}

FloorDesign::~FloorDesign()
{
    ClearData();
}

bool FloorDesign::IsActive(const CMistPodlahVytap* room)
{
    return room && room->m_nFloorHeating;
}

// ---------------------------------------------------------------------------------------
// Loading and storing

void FloorDesign::LoadProjectData()
{
    m_bLoadStopped = 0;
    m_strLoadError.Empty();
    AppSettings& settings = AppSettings::Get();
    const CString path = settings.CurrentProjectPath();
    CData data;
    if (OpenWorkbookTable(data, path, kResultSheet, "") == 0)
    {
        // Rows that cannot be placed: the rooms read so far stay, and are never stored over them.
        if (!ReadDesignRooms(data, m_rooms, m_strLoadError))
            m_bLoadStopped = 1;
        data.CloseTable();
        data.Close();
    }

    CData header;
    if (OpenWorkbookTable(header, path, kHeaderSheet, "") == 0)
    {
        CString text;
        if (header.GetStringValue("dThetaVDes", text, 0, -1, 0))
            m_dReferenceValue = Number(text);
        text.Empty();
        header.GetStringValue("Teplotní spád", text, 0, -1, 0);
        if (!text.IsEmpty())
        {
            settings.TemperaturePair = text;
            const int hash = text.Find(char32_t('#'));
            double flow = Number(hash < 0 ? text : text.Left(hash));
            double ret = hash < 0 ? 0.0 : Number(text.Mid(hash + 1));
            settings.DesignFlowTemperature = flow > 0.0 ? flow : 50.0;
            settings.DesignReturnTemperature = ret > 0.0 ? ret : 45.0;
        }
        header.CloseTable();
        header.Close();
    }
}

// The rooms with their radiators and circuits, and the header's design values, stored as one:
// the sheet is put in place only whole, with the header values beside it.
int FloorDesign::SaveProjectData()
{
    m_strError.Empty();
    if (m_bLoadStopped)
    {
        m_strError = m_strLoadError;
        return 1;
    }
    ProjectSheetStore store(kResultSheet);
    if (!store.Begin())
        return 1;
    if (!WriteRows(store.Table()))
        store.Refuse();
    AppSettings& settings = AppSettings::Get();
    const CString pair = WriteExactNumber("%.1f", settings.DesignFlowTemperature) + "#"
                         + WriteExactNumber("%.1f", settings.DesignReturnTemperature);
    store.SetFirstRowValue(kHeaderSheet, "dThetaVDes", WriteExactNumber("%.1f", m_dReferenceValue));
    store.SetFirstRowValue(kHeaderSheet, "Teplotní spád", pair);
    if (!store.Put())
        return 1;
    settings.TemperaturePair = pair;
    return 0;
}

// The building row, then each room's row, its radiators and its circuits. False at the first
// row that was refused.
bool FloorDesign::WriteRows(CData& data) const
{
    int row = 0;
    // An element writer appends one row; a row count that did not grow is a refused row.
    auto appended = [&](auto write) {
        const int before = data.m_nRecordCount;
        write();
        return data.m_nRecordCount == before + 1 ? (++row, true) : false;
    };
    const CString& buildingStyle = AppSettings::Get().RowFormats[0];
    if (!data.AddRow() || !data.SetStringValue("NázevM", "objekt", -1, 0) || !data.SetStringValue(kKind, "1", -1, 0)
        || !data.SetStringValue("Format", buildingStyle.IsEmpty() ? CString("000000|d2b48c|T|1") : buildingStyle, -1,
                                0))
        return false;
    ++row;
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!room)
            continue;
        if (!room->WriteRow(&data, row))
            return false;
        ++row;
        for (COtopneTeleso* radiator : room->m_radiators)
            if (radiator && !appended([&] { radiator->WriteRow(&data, row); }))
                return false;
        if (room->m_nFloorHeating)
            for (CTopnyOkruh* circuit : room->m_floorCircuits)
                if (circuit && !appended([&] { circuit->SaveToTable(&data, row, 4); }))
                    return false;
        if (room->m_nWallHeating)
            for (CTopnyOkruh* circuit : room->m_wallCircuits)
                if (circuit && !appended([&] { circuit->SaveToTable(&data, row, 5); }))
                    return false;
    }
    return true;
}

void FloorDesign::ClearData()
{
    m_roomNames.clear();
    m_circuitLabels.clear();
    m_routeRooms.clear();
    m_mergedManifolds.clear();
    m_calc.m_spacings.clear();
    for (CMistPodlahVytap* room : m_rooms)
        delete room;
    m_rooms.clear();
}

// ---------------------------------------------------------------------------------------
// Preparation

void FloorDesign::AssignPipes(int fromSettings)
{
    std::map<std::string, CTopnaTrubka> loaded;
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room))
            continue;
        for (CTopnyOkruh* circuit : room->m_floorCircuits)
        {
            if (!circuit)
                continue;
            const CString code = fromSettings ? AppSettings::Get().KodTopTrub : circuit->m_pPipe->m_strCode;
            auto found = loaded.find(code.str());
            if (found == loaded.end())
            {
                found = loaded.emplace(code.str(), CTopnaTrubka()).first;
                found->second.LoadFromDatabase(code);
            }
            circuit->m_pPipe->CopyFrom(&found->second);
        }
    }
}

void FloorDesign::ApplyDesignTemperatures()
{
    const AppSettings& settings = AppSettings::Get();
    for (CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            for (CTopnyOkruh* circuit : room->m_floorCircuits)
                if (circuit)
                {
                    circuit->m_dFlowTemperature = settings.DesignFlowTemperature;
                    circuit->m_dReturnTemperature = settings.DesignReturnTemperature;
                    circuit->m_dSpread = settings.DesignFlowTemperature - settings.DesignReturnTemperature;
                }
}

void FloorDesign::MergeRoomCircuits()
{
    m_mergedManifolds.clear();
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room) || room->m_floorCircuits.empty() || !room->m_floorCircuits.front())
            continue;
        for (const CTopnyOkruh* c : room->m_floorCircuits)
            if (c && c->m_nManifold > 0)
                m_mergedManifolds.emplace_back(c->m_strLabel, c->m_nManifold);
        CTopnyOkruh* first = room->m_floorCircuits.front();
        for (size_t j = room->m_floorCircuits.size() - 1; j >= 1; --j)
        {
            CTopnyOkruh* other = room->m_floorCircuits[j];
            if (other)
            {
                first->m_dOccupiedArea += other->m_dOccupiedArea;
                first->m_dEdgeArea += other->m_dEdgeArea;
                first->m_dRequiredOutput += other->m_dRequiredOutput;
            }
            first->m_dSpacing = first->m_dLoopLength = first->m_dMassFlowKgPerS = 0.0;
            first->m_dPressureLoss = first->m_dPressureReserve = 0.0;
            room->m_floorCircuits.erase(room->m_floorCircuits.begin() + long(j));
            room->m_nCurrentCircuit = 0;
            delete other;
            AppSettings::Get().Modified[AppSettings::FloorArea] = 1;
        }
        room->m_nCircuitCount = int(room->m_floorCircuits.size());
        first->m_dEdgeAreaRead = first->m_dEdgeArea;
        first->m_dOccupiedAreaRead = first->m_dOccupiedArea;
        first->m_dTotalArea = first->m_dExternalArea + first->m_dOccupiedArea + first->m_dEdgeArea;
        first->m_nSeparateEdgeZone = (first->m_dEdgeArea > 0.0 && first->m_dOccupiedArea > 0.0) ? 1 : 0;
        first->BuildDescription();
    }
}

int FloorDesign::CheckForeignPipeAreas()
{
    const double edgeSpacing = Number(AppSettings::Get().MinimRoztec);
    const SupplyRouteIndex routes(m_rooms);
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room))
            continue;
        for (CTopnyOkruh* c : room->m_floorCircuits)
        {
            if (!c)
                continue;
            c->m_strSupplyValues.Empty();
            c->m_dForeignLength = 0.0;
            for (const SupplyRouteIndex::Passage& passage : routes.Through(c->m_strLabel))
                if (passage.supplier != c && passage.length > 0.0)
                {
                    c->m_dForeignLength += passage.length;
                    c->m_strSupplyValues += "[" + passage.supplier->m_strLabel + passage.segment;
                }
            c->m_dExternalArea = c->m_dForeignLength * edgeSpacing;
            CString message;
            if (c->CheckAreaSplit(&message))
            {
                m_strError = message;
                m_bAreaError = 1;
                return 1;
            }
            c->m_dExternalAreaRead = c->m_dExternalArea;
        }
    }
    m_bAreaError = 0;
    return 0;
}

int FloorDesign::CheckRoomCapacity()
{
    for (const CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room))
            continue;
        if (int(room->m_floorCircuits.size()) > kMaxRoomCircuits)
        {
            m_strError = Formatted(IDS_ROOM_CIRCUITS_BEYOND, room->m_strNumber.GetString(), kMaxRoomCircuits);
            return 1;
        }
        double area = 0.0;
        bool numbers = true;
        for (const CTopnyOkruh* c : room->m_floorCircuits)
        {
            if (!c)
                continue;
            for (double value : {c->m_dEdgeArea, c->m_dOccupiedArea, c->m_dExternalArea, c->m_dTotalArea})
                numbers = numbers && std::isfinite(value);
            area += std::max(c->m_dTotalArea, std::fabs(c->m_dEdgeArea) + std::fabs(c->m_dOccupiedArea)
                                                  + std::fabs(c->m_dExternalArea));
        }
        if (!numbers || !(area <= kMaxRoomArea))
        {
            m_strError = Formatted(IDS_ROOM_AREA_BEYOND, room->m_strNumber.GetString(), kMaxRoomArea);
            return 1;
        }
    }
    return 0;
}

int FloorDesign::FindOrAddRouteRoom(const CString& name, int add)
{
    const auto found = std::find(m_routeRooms.begin(), m_routeRooms.end(), name);
    if (found != m_routeRooms.end())
        return int(found - m_routeRooms.begin());
    if (!add)
        return -1;
    m_routeRooms.push_back(name);
    return int(m_routeRooms.size()) - 1;
}

void FloorDesign::CollectRouteRooms()
{
    m_routeRooms.clear();
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room))
            continue;
        const int p = FindOrAddRouteRoom(room->m_strNumber, 1);
        for (const CTopnyOkruh* circuit : room->m_floorCircuits)
        {
            if (!circuit)
                continue;
            const CString& route = circuit->m_strSupplyChain;
            for (int open = route.Find(char32_t('[')); open >= 0; open = route.Find(char32_t('['), open + 1))
            {
                const CString label = RouteEntryLabel(route, open);
                if (label.ReverseFind(char32_t('/')) < 0)
                    break;
                const CString name = RoomPartOfLabel(label);
                const int at = FindOrAddRouteRoom(name, 0);
                if (at < 0 || at >= p)
                    m_routeRooms.insert(m_routeRooms.begin() + p, name);
            }
        }
    }
    RemoveDuplicateRouteRooms();
    // Names of routes that are no active room would take numbers no room answers to.
    std::erase_if(m_routeRooms, [this](const CString& name) {
        return std::none_of(m_rooms.begin(), m_rooms.end(),
                            [&name](const CMistPodlahVytap* r) { return IsActive(r) && r->m_strNumber == name; });
    });
    AssignRouteRoomIndices();
}

void FloorDesign::RemoveDuplicateRouteRooms()
{
    std::vector<CString> kept;
    for (const CString& name : m_routeRooms)
        if (std::find(kept.begin(), kept.end(), name) == kept.end())
            kept.push_back(name);
    m_routeRooms.swap(kept);
}

void FloorDesign::AssignRouteRoomIndices()
{
    for (CMistPodlahVytap* room : m_rooms)
        if (room)
            room->m_nRouteRoomIndex = IsActive(room) ? FindOrAddRouteRoom(room->m_strNumber, 0) : -1;
}

void FloorDesign::ResetRoomSums()
{
    for (CMistPodlahVytap* room : m_rooms)
        if (room)
            room->ResetSums();
}

void FloorDesign::CollectForeignPipeGains()
{
    const SupplyRouteIndex routes(m_rooms);
    for (CMistPodlahVytap* room : m_rooms)
        if (room)
            room->CollectForeignPipeGains(routes);
}

void FloorDesign::DistributeRoomLoads(int recalculate)
{
    for (CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            room->DistributeLoad(recalculate);
}

// ---------------------------------------------------------------------------------------
// The design press

void FloorDesign::TakeSmallestSpacing()
{
    if (!m_calc.m_spacings.empty())
        AppSettings::Get().MinimRoztec = MinimumSpacingText(m_calc.m_spacings.front());
}

CString FloorDesign::SigmaQuestion() const
{
    const AppSettings& settings = AppSettings::Get();
    const double sigma = settings.DesignFlowTemperature - settings.DesignReturnTemperature;
    if (m_bDesigned || sigma == 5.0)
        return CString();
    return Formatted(sigma > 5.0 ? IDS_SIGMA_ABOVE : IDS_SIGMA_BELOW, sigma);
}

void FloorDesign::ResetDesignTemperaturesFromPair()
{
    AppSettings& settings = AppSettings::Get();
    const CString& pair = settings.TemperaturePair;
    const int hash = pair.Find(char32_t('#'));
    double flow = Number(hash < 0 ? pair : pair.Left(hash));
    if (hash >= 0 && hash + 1 < pair.GetLength())
        settings.DesignReturnTemperature = Number(pair.Mid(hash + 1));
    if (flow <= 0.0)
        flow = 50.0;
    settings.DesignFlowTemperature = flow;
    settings.DesignReturnTemperature = flow - settings.ZakladSigma;
}

int FloorDesign::RunWithPreparation()
{
    CollectRouteRooms();
    ResetRoomSums();
    CollectForeignPipeGains();
    DistributeRoomLoads(1);
    return RunDesign();
}

int FloorDesign::BeginPress()
{
    m_strError.Empty();
    m_rangeTexts.clear();
    m_undesigned.clear();
    m_unsettledRooms.clear();
    m_calc.CollectPipeSpacings();
    if (!m_calc.m_spacings.empty())
        return 0;
    m_strError = Loaded(IDS_NO_PIPE_SPACING);
    return 1;
}

namespace
{
// What a press changes: the rooms with their circuits, the design values and the flags.
struct PressState
{
    std::vector<std::unique_ptr<CMistPodlahVytap>> rooms;
    double referenceValue = 0.0;
    double flowTemperature = 0.0;
    double returnTemperature = 0.0;
    CString minimumSpacing;
    int designFlag = 0;
    int floorModified = 0;
    int designed = 0, userMode = 0, resultsShown = 0, areaError = 0, unsaved = 0;
};
} // namespace

int FloorDesign::KeepingStateOnFailure(int (FloorDesign::*press)())
{
    AppSettings& settings = AppSettings::Get();
    PressState before;
    for (const CMistPodlahVytap* room : m_rooms)
        before.rooms.push_back(room ? room->Clone() : nullptr);
    before.referenceValue = m_dReferenceValue;
    before.flowTemperature = settings.DesignFlowTemperature;
    before.returnTemperature = settings.DesignReturnTemperature;
    before.minimumSpacing = settings.MinimRoztec;
    before.designFlag = settings.FloorDesignFlag;
    before.floorModified = settings.Modified[AppSettings::FloorArea];
    before.designed = m_bDesigned;
    before.userMode = m_nUserMode;
    before.resultsShown = m_bResultsShown;
    before.areaError = m_bAreaError;
    before.unsaved = m_bUnsaved;

    const int result = (this->*press)();
    if (result == 0)
        return 0;
    for (CMistPodlahVytap* room : m_rooms)
        delete room;
    m_rooms.clear();
    for (std::unique_ptr<CMistPodlahVytap>& room : before.rooms)
        m_rooms.push_back(room.release());
    m_dReferenceValue = before.referenceValue;
    settings.DesignFlowTemperature = before.flowTemperature;
    settings.DesignReturnTemperature = before.returnTemperature;
    settings.MinimRoztec = before.minimumSpacing;
    settings.FloorDesignFlag = before.designFlag;
    settings.Modified[AppSettings::FloorArea] = before.floorModified;
    m_bDesigned = before.designed;
    m_nUserMode = before.userMode;
    m_bResultsShown = before.resultsShown;
    m_bAreaError = before.areaError;
    m_bUnsaved = before.unsaved;
    m_bNoLimitsRun = 0;
    CollectRouteRooms();
    return result;
}

int FloorDesign::Design()
{
    if (BeginPress() || CheckRoomCapacity())
        return 1;
    return KeepingStateOnFailure(&FloorDesign::DesignPress);
}

int FloorDesign::Recalculate()
{
    if (BeginPress() || CheckRoomCapacity())
        return 1;
    return KeepingStateOnFailure(&FloorDesign::RecalculatePress);
}

int FloorDesign::DesignPress()
{
    TakeSmallestSpacing();
    AssignPipes(1);
    ApplyDesignTemperatures();
    MergeRoomCircuits();
    if (CheckForeignPipeAreas())
        return 1;
    if (RunWithPreparation())
        return 1;
    m_bDesigned = 1;
    m_nUserMode = 1;
    m_bResultsShown = 1;
    ApplyDesignTemperatures();
    CheckForeignPipeAreas();
    if (RunWithPreparation())
        return 1;
    m_bNoLimitsRun = 1;
    ApplyDesignTemperatures();
    CheckForeignPipeAreas();
    return RunWithPreparation();
}

int FloorDesign::RecalculatePress()
{
    AssignPipes(1);
    ApplyDesignTemperatures();
    m_nUserMode = 1;
    if (CheckForeignPipeAreas())
        return 1;
    m_bNoLimitsRun = 1;
    return RunWithPreparation();
}

// ---------------------------------------------------------------------------------------
// One run

int FloorDesign::FindCriticalCircuit()
{
    double largest = 0.0;
    int found = 0;
    m_nCriticalRoom = m_nCriticalCircuit = -1;
    for (const CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room))
            continue;
        for (size_t i = 0; i < room->m_floorCircuits.size(); ++i)
        {
            const CTopnyOkruh* c = room->m_floorCircuits[i];
            if (!c)
                continue;
            if (c->m_dSpacing > 0.0)
                m_bResultsShown = 1;
            if (c->m_dHeatFlux > largest)
            {
                largest = c->m_dHeatFlux;
                m_nCriticalRoom = room->m_nRouteRoomIndex;
                m_nCriticalCircuit = int(i);
                found = 1;
            }
        }
    }
    return found;
}

CMistPodlahVytap* FloorDesign::FindRoom(int number) const
{
    for (CMistPodlahVytap* room : m_rooms)
        if (IsActive(room) && room->m_nRouteRoomIndex == number)
            return room;
    return nullptr;
}

void FloorDesign::ClearDesignLists()
{
    m_spacingResults.clear();
    m_fluxResults.clear();
    m_thirdResults.clear();
    m_secondPassResults.clear();
}

void FloorDesign::ClearDoneFlags()
{
    for (CMistPodlahVytap* room : m_rooms)
        if (room)
            for (CTopnyOkruh* c : room->m_floorCircuits)
                if (c)
                    c->m_nDone = 0;
}

void FloorDesign::MarkRoomsForIteration()
{
    for (CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            room->MarkForIteration();
}

void FloorDesign::ComputeUncoveredLoads()
{
    for (CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            for (CTopnyOkruh* c : room->m_floorCircuits)
                if (c)
                    c->ComputeUncoveredLoad(room->m_dFloorLoad);
}

double FloorDesign::MaxPressureLoss(int manifold) const
{
    double largest = 0.0;
    for (const CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            for (const CTopnyOkruh* c : room->m_floorCircuits)
                if (c && (manifold <= 0 || (c->m_nManifold == manifold && !c->m_nDone)))
                    largest = std::max(largest, c->m_dPressureLoss);
    return largest;
}

void FloorDesign::ComputeThrottling()
{
    const double largest = MaxPressureLoss(-2);
    if (!(largest > 0.0))
        return;
    for (CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            for (CTopnyOkruh* c : room->m_floorCircuits)
                if (c)
                    c->m_dPressureReserve = largest - c->m_dPressureLoss;
}

void FloorDesign::SumUncoveredLoads()
{
    for (CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room))
            continue;
        double sum = 0.0;
        for (const CTopnyOkruh* c : room->m_floorCircuits)
            if (c)
                sum += c->m_dOutputDifference;
        room->m_dFloorDifference = sum;
    }
}

double FloorDesign::HighestRoomTemperature() const
{
    double highest = -273.0;
    for (const CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            highest = std::max(highest, room->m_dRoomTemperature);
    return highest;
}

void FloorDesign::SumRoomValues(int manifold, double& length, double& massFlow, double& pressureLoss,
                                double& heat) const
{
    length = massFlow = pressureLoss = heat = 0.0;
    if (manifold < 1)
        return;
    for (const CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            for (const CTopnyOkruh* c : room->m_floorCircuits)
                if (c && c->m_nManifold == manifold)
                {
                    length += c->m_dLoopLength + c->m_dOwnSupplyLength;
                    massFlow += c->m_dMassFlowKgPerS;
                    pressureLoss = std::max(pressureLoss, c->m_dPressureLoss);
                    heat += c->m_dRequiredOutput - c->m_dOutputDifference
                            + c->m_dHeatFlux * c->m_dOwnSupplyLength * kSupplyPipeGain;
                }
}

void FloorDesign::NoteUndesigned(const CTopnyOkruh& circuit)
{
    const UINT reason = FaultText(m_calc.m_lastFault);
    if (reason)
        AddDistinct(m_undesigned, circuit.m_strLabel + ": " + Loaded(reason));
}

int FloorDesign::FinishRun(int result)
{
    ClearDoneFlags();
    ComputeUncoveredLoads();
    ComputeThrottling();
    SumUncoveredLoads();
    AppSettings::Get().FloorDesignFlag = 1;
    m_bNoLimitsRun = 0;
    m_bUnsaved = 1;
    return result;
}

void FloorDesign::AddSplitCopies(CMistPodlahVytap& room, CTopnyOkruh& source, int n)
{
    for (int k = 1; k < n; ++k)
    {
        auto* copy = new CTopnyOkruh;
        room.m_floorCircuits.push_back(copy);
        room.m_nCircuitCount = int(room.m_floorCircuits.size());
        const int letter = int(room.m_floorCircuits.size());
        copy->BuildLabel(&source, letter);
        for (const auto& [label, manifold] : m_mergedManifolds)
            if (label == copy->m_strLabel)
                copy->m_nManifold = manifold;
        copy->m_dEquivalentArea = copy->m_dInsulationOnlyArea = 0.0;
        copy->m_dOccupiedArea = source.m_dOccupiedArea;
        copy->m_dOccupiedAreaRead = source.m_dOccupiedAreaRead;
        copy->m_dEdgeArea = source.m_dEdgeArea;
        copy->m_dEdgeAreaRead = source.m_dEdgeAreaRead;
        copy->m_dTotalArea = source.m_dTotalArea;
        copy->m_dHeatFlux = source.m_dHeatFlux;
        copy->m_dSpacing = source.m_dSpacing;
        copy->m_dLoopLength = source.m_dLoopLength;
        copy->m_dOutputDifference = source.m_dOutputDifference;
        copy->m_dDeliveredOutput = source.m_dDeliveredOutput;
        copy->m_dRequiredOutput = source.m_dRequiredOutput;
        copy->m_dMassFlowKgPerS = source.m_dMassFlowKgPerS;
        copy->m_dPressureLoss = source.m_dPressureLoss;
        copy->m_dMeanSurfaceTemperature = source.m_dMeanSurfaceTemperature;
        copy->m_nSeparateEdgeZone = source.m_nSeparateEdgeZone;
        copy->m_nDone = 1;
    }
}

void FloorDesign::RestoreSavedCircuit(CTopnyOkruh& c) const
{
    c.m_dOccupiedArea = c.m_dOccupiedAreaRead = m_saved.occupied;
    c.m_dEdgeArea = c.m_dEdgeAreaRead = m_saved.edge;
    c.m_dRequiredOutput = m_saved.required;
    c.m_dOutputDifference = m_saved.uncovered;
    c.m_dDeliveredOutput = m_saved.delivered;
    c.m_dTotalArea = m_saved.total;
}

int FloorDesign::SplitCircuit(CMistPodlahVytap& room, CTopnyOkruh& c, int& n, int& firstAttempt)
{
    if (firstAttempt)
    {
        m_saved = {c.m_dOccupiedArea, c.m_dEdgeArea,        c.m_dRequiredOutput, c.m_dOutputDifference,
                   c.m_dDeliveredOutput, c.m_dTotalArea, c.m_nSeparateEdgeZone};
        firstAttempt = 0;
    }
    ++n;
    if (int(room.m_floorCircuits.size()) + n - 1 > kMaxRoomCircuits)
    {
        m_strError = Loaded(IDS_AREA_SPLIT_IMPOSSIBLE)
                     + Formatted(IDS_SPLIT_BEYOND_CIRCUITS, room.m_strNumber.GetString(), kMaxRoomCircuits);
        RestoreSavedCircuit(c);
        return 1;
    }
    c.m_dOccupiedArea = m_saved.occupied / n;
    c.m_dEdgeArea = m_saved.edge / n;
    c.m_dOccupiedAreaRead = c.m_dOccupiedArea;
    c.m_dEdgeAreaRead = c.m_dEdgeArea;
    c.m_dTotalArea = m_saved.total / n;
    c.m_nSeparateEdgeZone = m_saved.separateEdge;
    const bool partsLargeEnough
        = (!c.m_nSeparateEdgeZone || (c.m_dOccupiedArea >= kMinimumPartArea && c.m_dEdgeArea >= kMinimumPartArea))
          && c.m_dOccupiedArea + c.m_dEdgeArea >= kMinimumPartArea;
    if (!partsLargeEnough)
    {
        m_strError = Loaded(IDS_AREA_SPLIT_IMPOSSIBLE) + Formatted(IDS_SPLIT_BELOW_MINIMUM, room.m_strName.GetString(),
                                                                    kMinimumPartArea);
        RestoreSavedCircuit(c);
        return 1;
    }
    // Each part carries its share of the undivided load, so the parts together carry it exactly.
    c.m_dRequiredOutput = m_saved.required / n;
    c.m_dOutputDifference = m_saved.uncovered / n;
    return 0;
}

// Hydraulics and limits of the room's current circuit, splitting it while it breaks a limit.
// stop = 1 when a split went below the smallest area.
void FloorDesign::DesignCurrentCircuit(CMistPodlahVytap& room, int, int& n, int& firstAttempt, int, int& stop)
{
    CTopnyOkruh& circuit = *room.CurrentCircuit();
    for (;;)
    {
        const CircuitHydraulicsResult hydraulics = ComputeCircuitHydraulics(room, m_calc);
        if (m_bNoLimitsRun)
        {
            circuit.m_nDone = 1;
            return;
        }
        if (hydraulics.withinLimits)
        {
            if (n > 1)
                AddSplitCopies(room, circuit, n);
            circuit.m_nDone = 1;
            n = 1;
            firstAttempt = 1;
            return;
        }
        m_bSplitHappened = 1;
        if (SplitCircuit(room, circuit, n, firstAttempt))
        {
            stop = 1;
            return;
        }
    }
}

int FloorDesign::RunDesign()
{
    AppSettings& settings = AppSettings::Get();
    m_bSplitHappened = 0;
    settings.FloorDesignFlag = 0;
    // The circuits named after a run are those the run left undesigned or unsettled.
    m_undesigned.clear();
    m_unsettledRooms.clear();
    if (m_calc.m_spacings.empty())
    {
        m_strError = Loaded(IDS_NO_PIPE_SPACING);
        return 1;
    }
    TakeSmallestSpacing();
    ClearDoneFlags();
    MarkRoomsForIteration();
    int n = 1;
    int firstAttempt = 1;
    int critical = 1;
    double previousSum = 0.0;

    if (!FindCriticalCircuit())
        return 1;
    CMistPodlahVytap* criticalRoom = FindRoom(m_nCriticalRoom);
    if (!criticalRoom || m_nCriticalCircuit < 0 || m_nCriticalCircuit >= int(criticalRoom->m_floorCircuits.size())
        || !criticalRoom->m_floorCircuits[size_t(m_nCriticalCircuit)])
        return 1;

    // Phase 1: the critical room, its critical circuit first.
    std::vector<const CTopnyOkruh*> visited;
    criticalRoom->m_nCurrentCircuit = m_nCriticalCircuit;
    for (;;)
    {
        CTopnyOkruh* circuit = criticalRoom->CurrentCircuit();
        visited.push_back(circuit);
        ClearDesignLists();
        double r = m_calc.DesignCircuitBySpacing(*criticalRoom, 1, m_spacingResults, m_fluxResults, m_thirdResults,
                                                 m_dReferenceValue, m_nUserMode, critical, m_bNoLimitsRun);
        bool designed = r > 0.0;
        if (!designed && m_calc.m_lastFault != CCSN_EN_1264::DesignFault::None)
        {
            // Inputs the calculation cannot use: named after the run, never retried.
            NoteUndesigned(*circuit);
            if (critical)
                return FinishRun(1);
        }
        else if (!designed)
        {
            circuit->m_dHeatFlux = std::fabs(r) * 0.9990009990009991;
            circuit->ComputeUncoveredLoad(criticalRoom->m_dFloorLoad);
            ClearDesignLists();
            r = m_calc.DesignCircuitBySpacing(*criticalRoom, 1, m_spacingResults, m_fluxResults, m_thirdResults,
                                              m_dReferenceValue, m_nUserMode, critical, m_bNoLimitsRun);
            if (r < 0.0)
                return FinishRun(1);
            if (r == 0.0 && m_calc.m_lastFault != CCSN_EN_1264::DesignFault::None)
            {
                NoteUndesigned(*circuit);
                if (critical)
                    return FinishRun(1);
            }
            designed = r > 0.0;
        }
        if (designed)
        {
            circuit->m_dSpacing = r;
            int stop = 0;
            DesignCurrentCircuit(*criticalRoom, 1, n, firstAttempt, critical, stop);
            if (stop)
                return FinishRun(1);
        }
        // The next circuit of the room not yet designed nor looked at in this phase.
        int next = -1;
        for (size_t i = 0; i < criticalRoom->m_floorCircuits.size(); ++i)
        {
            const CTopnyOkruh* c = criticalRoom->m_floorCircuits[i];
            if (c && !c->m_nDone && std::find(visited.begin(), visited.end(), c) == visited.end())
            {
                next = int(i);
                break;
            }
        }
        if (next < 0)
            break;
        criticalRoom->m_nCurrentCircuit = next;
        critical = 0;
    }

    if (!m_bDesigned)
        ApplyDesignTemperatures();

    // Phase 2: every room in the order of its number, rooms crossed by routes first.
    const int keptMode = m_nUserMode;
    for (int i = 0; i < int(m_rooms.size()); ++i)
    {
        if (CheckForeignPipeAreas())
            return FinishRun(1);
        ResetRoomSums();
        CollectForeignPipeGains();
        DistributeRoomLoads(1);
        CMistPodlahVytap* room = FindRoom(i);
        if (!room)
            continue;
        for (int pass = 1;; ++pass)
        {
            for (size_t index = 0; index < room->m_floorCircuits.size(); ++index)
            {
                CTopnyOkruh* circuit = room->m_floorCircuits[index];
                if (!circuit || circuit->m_nDone)
                    continue;
                room->m_nCurrentCircuit = int(index);
                ClearDesignLists();
                m_nUserMode = keptMode;
                const double r = m_calc.DesignCircuitForFlowTemperature(*room, m_dReferenceValue, m_spacingResults,
                                                                        m_fluxResults, m_thirdResults,
                                                                        m_secondPassResults, m_nUserMode);
                if (r <= 0.0)
                {
                    if (m_calc.m_lastFault != CCSN_EN_1264::DesignFault::None)
                    {
                        NoteUndesigned(*circuit);
                        continue;
                    }
                    circuit->ComputeUncoveredLoad(room->m_dFloorLoad);
                    m_nUserMode = 1;
                    // A lowering that ran to its end keeps its last step at the largest spacing:
                    // the circuit is designed so, its lengths, flow and pressure loss with it.
                    const double largest = m_calc.DesignCircuitAtLargestSpacing(*room, m_dReferenceValue);
                    const CCSN_EN_1264::DesignFault fault = m_calc.m_lastFault;
                    if (fault != CCSN_EN_1264::DesignFault::None
                        && !(fault == CCSN_EN_1264::DesignFault::NotConverged && largest > 0.0))
                    {
                        NoteUndesigned(*circuit);
                        continue;
                    }
                }
                int stop = 0;
                DesignCurrentCircuit(*room, 2, n, firstAttempt, 0, stop);
                if (stop)
                    return FinishRun(1);
            }
            if (!room->m_nIterationMark)
                break;
            const double sum = room->UncoveredLoadSum();
            if (!(std::fabs(previousSum - sum) > settings.MinDifChybi))
                break;
            if (pass >= m_nMaxLoadPasses)
            {
                // The load does not settle: the room keeps its last values and is named.
                AddDistinct(m_unsettledRooms, room->m_strNumber);
                break;
            }
            previousSum = sum;
            room->CollectForeignPipeGains(m_rooms);
            room->DistributeLoad(1);
            // The room is designed again under its new load.
            for (CTopnyOkruh* circuit : room->m_floorCircuits)
                if (circuit)
                    circuit->m_nDone = 0;
        }
    }
    return FinishRun(0);
}

// ---------------------------------------------------------------------------------------
// Finders and lists

CTopnyOkruh* FloorDesign::FindCircuitByLabel(const CString& label, int& roomIndex) const
{
    roomIndex = -1;
    for (size_t r = 0; r < m_rooms.size(); ++r)
    {
        CMistPodlahVytap* room = m_rooms[r];
        if (!room)
            continue;
        for (size_t i = 0; i < room->m_floorCircuits.size(); ++i)
            if (room->m_floorCircuits[i] && room->m_floorCircuits[i]->m_strLabel == label)
            {
                roomIndex = int(r);
                room->m_nCurrentCircuit = int(i);
                return room->m_floorCircuits[i];
            }
    }
    return nullptr;
}

CMistPodlahVytap* FloorDesign::FindRoomOfLabel(const CString& label, int& index) const
{
    // The room of the circuit with that label, else the room whose whole number is its room part.
    for (size_t r = 0; r < m_rooms.size(); ++r)
        if (m_rooms[r])
            for (const CTopnyOkruh* c : m_rooms[r]->m_floorCircuits)
                if (c && c->m_strLabel == label)
                {
                    index = int(r);
                    return m_rooms[r];
                }
    const CString part = RoomPartOfLabel(label);
    for (size_t r = 0; r < m_rooms.size(); ++r)
        if (m_rooms[r] && m_rooms[r]->m_strNumber == part)
        {
            index = int(r);
            return m_rooms[r];
        }
    index = -1;
    return nullptr;
}

CMistPodlahVytap* FloorDesign::FindRoomByName(const CString& name, int& index) const
{
    for (size_t r = 0; r < m_rooms.size(); ++r)
        if (m_rooms[r] && m_rooms[r]->m_strNumber == name)
        {
            index = int(r);
            return m_rooms[r];
        }
    index = -1;
    return nullptr;
}

int FloorDesign::CountCircuits() const
{
    int count = 0;
    for (const CMistPodlahVytap* room : m_rooms)
    {
        if (!IsActive(room))
            continue;
        if (room->m_nRouteRoomIndex == m_nCriticalRoom)
            break;
        count += int(room->m_floorCircuits.size());
    }
    return count;
}

void FloorDesign::BuildNameLists(int activeOnly)
{
    m_roomNames.clear();
    m_circuitLabels.clear();
    for (const CMistPodlahVytap* room : m_rooms)
    {
        if (!room || (activeOnly && !IsActive(room)))
            continue;
        m_roomNames.push_back(room->m_strNumber);
        for (const CTopnyOkruh* c : room->m_floorCircuits)
            if (c && c->m_strLabel.GetLength() > 2)
                m_circuitLabels.push_back(c->m_strLabel);
        if (IsActive(room) && room->m_floorCircuits.empty() && !room->m_strNumber.IsEmpty())
            m_circuitLabels.push_back(room->m_strNumber + "/A");
    }
}

bool FloorDesign::HasDesign() const
{
    for (const CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            for (const CTopnyOkruh* c : room->m_floorCircuits)
                if (c && c->m_dSpacing > 0.0)
                    return true;
    return false;
}

bool FloorDesign::SplitSupplyCrossesCircuits() const
{
    for (const CMistPodlahVytap* room : m_rooms)
    {
        if (!room)
            continue;
        for (const CTopnyOkruh* c : room->m_floorCircuits)
        {
            if (!c)
                continue;
            const CString& list = c->m_strSupplyValues;
            for (int at = list.Find("{L="); at >= 2; at = list.Find("{L=", at + 1))
                if (list.GetAt(at - 2) == char32_t('/') && list.GetAt(at - 1) != char32_t('A'))
                    return true;
        }
    }
    return false;
}

int FloorDesign::LastPipeItem() const
{
    int item = 0;
    for (const CMistPodlahVytap* room : m_rooms)
        if (IsActive(room))
            for (const CTopnyOkruh* c : room->m_floorCircuits)
            {
                if (!c || !c->m_pPipe || c->m_pPipe->m_strCode.IsEmpty())
                    continue;
                const int dash = c->m_pPipe->m_strCode.Find(char32_t('-'));
                if (dash >= 0)
                    item = ReadInteger(c->m_pPipe->m_strCode.Mid(dash + 1));
            }
    return item;
}

CString FloorDesign::WarningText() const
{
    CString text;
    auto section = [&text](UINT heading, const std::vector<CString>& lines) {
        if (lines.empty())
            return;
        if (!text.IsEmpty())
            text += "\n\n";
        text += Loaded(heading);
        for (const CString& line : lines)
            text += "\n" + line;
    };
    section(IDS_WARN_OUT_OF_TABLE, m_rangeTexts);
    section(IDS_WARN_UNDESIGNED, m_undesigned);
    section(IDS_WARN_UNSETTLED, m_unsettledRooms);
    return text;
}

FloorDesign::Deletion FloorDesign::DeleteCircuit(const CString& labelText, CString& routesMessage)
{
    const CString label = labelText;
    routesMessage.Empty();
    int roomIndex = -1;
    CTopnyOkruh* circuit = FindCircuitByLabel(label, roomIndex);
    if (!circuit)
        return Deletion::NotFound;
    CMistPodlahVytap* room = m_rooms[size_t(roomIndex)];
    std::vector<CTopnyOkruh*>& circuits = room->m_floorCircuits;
    if (circuits.size() == 1)
    {
        const bool radiators = std::any_of(room->m_radiators.begin(), room->m_radiators.end(),
                                           [](const COtopneTeleso* r) { return r != nullptr; });
        if (room->m_nWallHeating || radiators)
            return Deletion::Refused;
        m_rooms.erase(m_rooms.begin() + roomIndex);
        circuit = nullptr; // goes with its room
    }
    else
    {
        circuits.erase(std::find(circuits.begin(), circuits.end(), circuit));
        const double remaining = double(circuits.size());
        for (CTopnyOkruh* c : circuits)
        {
            if (!c)
                continue;
            c->m_dOccupiedArea += circuit->m_dOccupiedArea / remaining;
            c->m_dEdgeArea += circuit->m_dEdgeArea / remaining;
            c->m_dRequiredOutput += circuit->m_dRequiredOutput / remaining;
            c->m_dTotalArea += circuit->m_dTotalArea / remaining;
            c->m_dOccupiedAreaRead = c->m_dOccupiedArea;
            c->m_dEdgeAreaRead = c->m_dEdgeArea;
            c->m_dSpacing = c->m_dLoopLength = c->m_dMassFlowKgPerS = 0.0;
            c->m_dPressureLoss = c->m_dPressureReserve = 0.0;
        }
        room->m_nCurrentCircuit = 0;
        room->m_nCircuitCount = int(circuits.size());
        const CString part = RoomPartOfLabel(circuit->m_strLabel);
        for (size_t i = 0; i < circuits.size(); ++i)
            if (circuits[i])
                circuits[i]->m_strLabel = CircuitLabel(part, int(i) + 1);
        room = nullptr; // the room stays
    }
    AppSettings::Get().Modified[AppSettings::FloorArea] = 1;

    // Route entries through the deleted room's circuits lead nowhere now.
    const CString roomNumber = RoomPartOfLabel(label);
    std::vector<CString> touched;
    for (CMistPodlahVytap* r : m_rooms)
    {
        if (!r)
            continue;
        for (CTopnyOkruh* c : r->m_floorCircuits)
            if (c && RemoveRouteEntriesOfRoom(c->m_strSupplyChain, roomNumber))
                AddDistinct(touched, r->m_strNumber);
    }
    delete circuit;
    delete room;
    if (!touched.empty())
    {
        CString list;
        for (const CString& name : touched)
            list += name + ";  ";
        list.TrimRight(";  ");
        routesMessage = Formatted(IDS_ROUTES_TO_CORRECT, list.GetString());
    }
    CheckForeignPipeAreas();
    ResetRoomSums();
    CollectForeignPipeGains();
    DistributeRoomLoads(1);
    return Deletion::Removed;
}
