#include "floorwall/dialogs/FloorDesignTools.h"

#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CKalkulackaPodlah.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/FloorSettingsRun.h"

void RegisterFloorDesignTools()
{
    CNavrhPodlahovky::Tools& tools = CNavrhPodlahovky::DesignTools();
    tools.editSettings = [](int lock) { return RunFloorCalculationSettings(lock); };
    tools.editCircuit = [](CMistPodlahVytap& room, CCSN_EN_1264& calculation, double referenceValue, int) {
        CKalkulackaPodlah panel;
        panel.m_pRoom = &room;
        panel.m_pCalculation = &calculation;
        panel.m_dReferenceValue = referenceValue;
        return int(panel.DoModal());
    };
    tools.editManifolds = [](std::vector<CMistPodlahVytap*>& rooms, int kind) {
        CIndexyRozdelovace manifolds;
        manifolds.m_nMode = kind;
        manifolds.m_pRooms = &rooms;
        return int(manifolds.DoModal());
    };
}

namespace
{
const bool registered = (RegisterFloorDesignTools(), true);
} // namespace
