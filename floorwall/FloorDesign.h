#pragma once
// The floor heating design without a window: the project's design rooms with their circuits
// and radiators, loaded from "SeznamM$" and "DataAkce$" and stored back, the design run over
// them by EN 1264 with its splits and load iterations, and the sums per manifold the reports
// read. Nothing here asks or shows: the results and the texts of the boxes to show are left
// in the members for the design dialog (or a report) to use.

#include "floorwall/CCSN_EN_1264.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <utility>
#include <vector>

class CData;
class CMistPodlahVytap;
class CTopnyOkruh;

class FloorDesign
{
public:
    FloorDesign();
    ~FloorDesign();
    FloorDesign(const FloorDesign&) = delete;
    FloorDesign& operator=(const FloorDesign&) = delete;

    // Storing and loading.
    // Reads the rooms from "SeznamM$" and the reference value and design temperatures from
    // "DataAkce$" of the current project. A load that stopped early leaves m_strLoadError set
    // and m_bLoadStopped = 1 (the rooms read so far stay; saving them would lose the rest).
    void LoadProjectData();
    // Rewrites "SeznamM$" whole from the rooms together with the values of "DataAkce$"; the
    // sheet is replaced only when all was written. 0 done; 1 with m_strError set (a load that
    // stopped early) or the failure already shown, the project then as it was.
    int SaveProjectData();
    // Empties the name lists and the spacing list and deletes every room.
    void ClearData();

    // Preparation steps over the active rooms.
    void AssignPipes(int fromSettings);
    void ApplyDesignTemperatures();
    void MergeRoomCircuits();
    // 1 when a circuit's foreign pipe area exceeds its heating area (m_strError names it).
    int CheckForeignPipeAreas();
    // 1 when a room's circuits cover more area than a room holds, or an area that is no
    // number, or when a room has more circuits than letters (m_strError names the room).
    int CheckRoomCapacity();
    void CollectRouteRooms();
    int FindOrAddRouteRoom(const CString& name, int add);
    void RemoveDuplicateRouteRooms();
    void AssignRouteRoomIndices();
    void ResetRoomSums();
    void CollectForeignPipeGains();
    void DistributeRoomLoads(int recalculate);

    // The design press without its questions and the settings dialog: spacing list, pipes,
    // temperatures, merged circuits and the three runs. 0 when the third run succeeded; a press
    // that fails leaves the rooms, their circuits and the design values as they were before it.
    int Design();
    // The recalculation after the settings: no merging, no splitting. 0 on success; a failed
    // one changes nothing, as a failed press.
    int Recalculate();
    // One run over all rooms: 0 when every circuit of every room was designed, 1 when stopped.
    int RunDesign();

    // "MinimRoztec" from the smallest spacing of the list, when it has one.
    void TakeSmallestSpacing();

    // The sigma question of a first design, empty when the spread is 5.0 K.
    CString SigmaQuestion() const;
    // The design temperatures from the project's temperature-drop text (a No to the question).
    void ResetDesignTemperaturesFromPair();

    // Steps and finders of the run.
    int FindCriticalCircuit();
    CMistPodlahVytap* FindRoom(int number) const;
    void ClearDesignLists();
    void ClearDoneFlags();
    void MarkRoomsForIteration();
    void ComputeUncoveredLoads();
    void ComputeThrottling();
    void SumUncoveredLoads();
    double MaxPressureLoss(int manifold) const;
    double HighestRoomTemperature() const;
    // Sums of the circuits of one manifold: lengths, mass flows, the largest pressure loss
    // and the heat delivered; all 0 for a manifold below 1 or without circuits.
    void SumRoomValues(int manifold, double& length, double& massFlow, double& pressureLoss, double& heat) const;

    CTopnyOkruh* FindCircuitByLabel(const CString& label, int& roomIndex) const;
    CMistPodlahVytap* FindRoomOfLabel(const CString& label, int& index) const;
    CMistPodlahVytap* FindRoomByName(const CString& name, int& index) const;
    // The circuits of the rooms before the critical room (the grid row of its first circuit).
    int CountCircuits() const;
    void BuildNameLists(int activeOnly);
    // A loaded design: any circuit of an active room carries a spacing.
    bool HasDesign() const;
    // A split circuit's supply crosses another circuit: the design button is then refused.
    bool SplitSupplyCrossesCircuits() const;
    // The item number of the last floor circuit's pipe code (the bill's pipe item); 0 for none.
    int LastPipeItem() const;

    // Deleting the circuit of that label (the Delete key of the design grid).
    enum class Deletion
    {
        NotFound,
        Refused, // the room's only circuit, and the room has wall heating or radiators
        Removed
    };
    // A room's only circuit takes the room with it; of several, the others share its areas and
    // load and are lettered again. The supply route entries through the room's circuits go;
    // routesMessage then names the rooms whose routes need the user's correction.
    Deletion DeleteCircuit(const CString& label, CString& routesMessage);

    // The text of the one box after a run: the distinct out-of-range texts, the circuits left
    // undesigned with their reason and the rooms whose load did not settle. Empty when none.
    CString WarningText() const;

    // An active room: not null and with floor heating.
    static bool IsActive(const CMistPodlahVytap* room);

    static constexpr double kMaxRoomArea = 10000.0; // m² of circuits a room holds
    static constexpr int kMaxRoomCircuits = 26;     // one letter each, "A" to "Z"

    std::vector<CMistPodlahVytap*> m_rooms; // owned
    CCSN_EN_1264 m_calc;
    std::vector<double> m_spacingResults;
    std::vector<double> m_fluxResults;
    std::vector<double> m_thirdResults;
    std::vector<double> m_secondPassResults;
    double m_dReferenceValue = 0.0; // ΔθV,des, K ("dThetaVDes")
    int m_nCriticalRoom = -1;
    int m_nCriticalCircuit = -1;
    int m_bDesigned = 0;
    int m_nUserMode = 0;
    int m_bResultsShown = 0;
    int m_bSplitHappened = 0;
    int m_bNoLimitsRun = 0;
    int m_bAreaError = 0;
    int m_bShowAllRows = 1;
    int m_bUnsaved = 0;
    int m_bLoadStopped = 0;
    int m_nMaxLoadPasses = 50; // passes of a room's load iteration before it counts as unsettled
    std::vector<CString> m_roomNames;
    std::vector<CString> m_circuitLabels;
    std::vector<CString> m_routeRooms;
    // The manifold each circuit was put on before the circuits were merged: a circuit that the
    // split makes again under its label goes back on it.
    std::vector<std::pair<CString, int>> m_mergedManifolds;

    CString m_strError;      // the stop box of the last step that failed
    CString m_strLoadError;  // the box of a load that stopped early
    std::vector<CString> m_rangeTexts;     // distinct, in the order met
    std::vector<CString> m_undesigned;     // "label: reason"
    std::vector<CString> m_unsettledRooms; // room labels

private:
    void DesignCurrentCircuit(CMistPodlahVytap& room, int phase, int& n, int& firstAttempt, int critical, int& stop);
    int SplitCircuit(CMistPodlahVytap& room, CTopnyOkruh& circuit, int& n, int& firstAttempt);
    // The undivided values the first split attempt saved, back in the circuit.
    void RestoreSavedCircuit(CTopnyOkruh& circuit) const;
    void AddSplitCopies(CMistPodlahVytap& room, CTopnyOkruh& source, int n);
    void NoteUndesigned(const CTopnyOkruh& circuit);
    int FinishRun(int result);
    bool WriteRows(CData& data) const;
    int RunWithPreparation();
    int DesignPress();
    int RecalculatePress();
    // Runs a press; when it fails, what it changed is put back as it was.
    int KeepingStateOnFailure(int (FloorDesign::*press)());
    // Clears the messages of an earlier press and fills the spacing list; 1 when it is empty.
    int BeginPress();

    struct SavedCircuit
    {
        double occupied = 0.0, edge = 0.0, required = 0.0, uncovered = 0.0, delivered = 0.0, total = 0.0;
        int separateEdge = 0;
    } m_saved;
};
