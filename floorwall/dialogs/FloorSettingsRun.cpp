#include "floorwall/dialogs/FloorSettingsRun.h"

#include "common/AppSettings.h"
#include "floorwall/SpacingSeriesList.h"
#include "floorwall/dialogs/CNastavVypocetPodl.h"

int RunFloorCalculationSettings(int temperatureLock)
{
    AppSettings& settings = AppSettings::Get();
    CNastavVypocetPodl dialog;
    FillDefaultSpacingSeries();
    if (settings.SkipFloorSettings)
        return IDOK;

    dialog.m_dFlowTemperature = settings.DesignFlowTemperature;
    dialog.m_dReturnTemperature = settings.DesignReturnTemperature;
    dialog.UseSeries(SpacingSeriesList());
    dialog.m_bAreaSumCheck = settings.KontrolaPloch;
    dialog.m_bSupplyInSameRoom = settings.PrivodVTezeMi;
    dialog.m_dTolerance = settings.FloorFactor;
    // A limit never set (0) shows, and is stored as, the 20000 Pa the design uses.
    dialog.m_dMaxPressureLoss = settings.EffectiveMaxTlakZtrata();
    dialog.m_dMaxCircuitLength = settings.MaxDelkaOkruhu;
    dialog.m_dMinAcceptableDifference = settings.MinDifSigma;
    dialog.m_nMakerIndex = settings.FloorOptionB;
    dialog.m_dReturnToRoomDifference = settings.ZakladSigma;
    dialog.m_nSystemType = settings.FloorOptionA;
    dialog.m_strPipeCode = settings.KodTopTrub;
    dialog.m_strSystemCode = settings.KodSysPodl;
    dialog.m_bTemperatureLock = temperatureLock;

    const int result = int(dialog.DoModal());
    if (result != IDOK)
        return result;
    settings.KontrolaPloch = dialog.m_bAreaSumCheck;
    settings.PrivodVTezeMi = dialog.m_bSupplyInSameRoom;
    settings.FloorFactor = dialog.m_dTolerance;
    if (!temperatureLock)
    {
        settings.DesignFlowTemperature = dialog.m_dFlowTemperature;
        settings.DesignReturnTemperature = dialog.m_dReturnTemperature;
    }
    settings.MaxDelkaOkruhu = dialog.m_dMaxCircuitLength;
    settings.MaxTlakZtrata = dialog.m_dMaxPressureLoss;
    settings.ZakladSigma = dialog.m_dReturnToRoomDifference;
    settings.MinDifSigma = dialog.m_dMinAcceptableDifference;
    settings.FloorOptionB = dialog.m_nMakerIndex;
    settings.FloorOptionA = dialog.m_nSystemType;
    settings.KodTopTrub = dialog.m_strPipeCode;
    settings.KodSysPodl = dialog.m_strSystemCode;
    SpacingSeriesList() = dialog.m_series;
    return result;
}
