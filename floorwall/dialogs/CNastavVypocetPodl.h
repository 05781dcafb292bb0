#pragma once
// The floor calculation settings (dialog 230): design flow and return temperature, the floor
// type, the maker's pipe and floor system, the limits of a circuit, two checks and the pipe
// spacing series the design may use. The caller fills the members, runs the dialog and reads
// them back after OK; OK itself sets the smallest spacing of the settings ("MinimRoztec").

#include "floorwall/dialogs/CMistGridCtrl.h"
#include "platform/core/CString.h"
#include "platform/gdi/CImageList.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"

#include <memory>
#include <vector>

class CRoztece;
struct NMHDR;

class CNastavVypocetPodl : public CDialog
{
public:
    explicit CNastavVypocetPodl(CWnd* parent = nullptr);
    ~CNastavVypocetPodl() override;

    // The series the dialog shows and sets, in place of its own default one (not owned).
    void UseSeries(const std::vector<CRoztece*>& series);

    // Corrects the first temperature limit broken and puts the focus on the edit concerned:
    // 1 when it corrected one.
    int ValidateTemperatures();
    void SetupSeriesGrid();
    void FillSeriesGrid();
    void FillMakerCombo();
    // -1 when the maker has no catalogue file; else the number of items listed.
    int FillPipeCombo();
    int FillSystemCombo();

    double m_dReturnTemperature = 45.0;       // °C
    double m_dFlowTemperature = 50.0;         // °C
    double m_dSpread = 0.0;                   // K
    double m_dMaxCircuitLength = 160.0;       // m
    double m_dTolerance = double(1.04f);      // -
    double m_dReturnToRoomDifference = 2.0;   // K
    double m_dMaxPressureLoss = 20000.0;      // Pa
    int m_bAreaSumCheck = 1;
    int m_bSupplyInSameRoom = 0;
    double m_dMinAcceptableDifference = 0.0;  // K
    std::vector<CRoztece*> m_series;
    CString m_strMakerName;
    CString m_strMakerCatalogue;
    int m_nMakerIndex = 0;
    int m_nSystemType = 0; // 1 or 11 type A, 2 type B, 3 type C
    CString m_strPipeCode;
    CString m_strSystemCode;
    int m_bTemperatureLock = 0;
    double m_dMinimumSpacing = 0.0; // m

    CMistGridCtrl m_grid;
    CComboBox m_comboMaker;
    CComboBox m_comboPipe;
    CComboBox m_comboSystem;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnSetFocusNumber();
    afx_msg void OnKillFocusFlow();
    afx_msg void OnKillFocusReturn();
    afx_msg void OnKillFocusSpread();
    afx_msg void OnKillFocusMaxLength() { TidyField(1323, "%.1f", m_dMaxCircuitLength); }
    afx_msg void OnKillFocusTolerance() { TidyField(1347, "%.4f", m_dTolerance); }
    afx_msg void OnKillFocusReturnToRoom() { TidyField(1348, "%.1f", m_dReturnToRoomDifference); }
    afx_msg void OnKillFocusMaxPressureLoss() { TidyField(1473, "%.1f", m_dMaxPressureLoss); }
    afx_msg void OnKillFocusMinDifference() { TidyField(1628, "%.1f", m_dMinAcceptableDifference); }
    afx_msg void OnSelchangeMaker();
    afx_msg void OnSelchangeSystem();
    afx_msg void OnTypeA() { SetSystemType(1); }
    afx_msg void OnTypeB() { SetSystemType(2); }
    afx_msg void OnTypeC() { SetSystemType(3); }
    afx_msg void OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    double FieldNumber(int id) const;
    void ShowNumber(int id, const char* format, double value);
    void TidyField(int id, const char* format, double& value);
    void ShowTemperatures();
    void SetSystemType(int type);
    void CheckSystemTypeRadio();
    int FillProductCombo(CComboBox& combo, const CString& code, const char* itemNumbers);
    // The product code of the combo's chosen item; the previous code when none is chosen.
    CString ChosenCode(const CComboBox& combo, const CString& previous) const;

    std::unique_ptr<CRoztece> m_pDefaultSeries; // the constructor's series until UseSeries
    CImageList m_imageList;
};
