#pragma once
// Dialog templates and dialog classes that the window tests drive.

#include "platform/ui/CDialog.h"

#include <string>
#include <vector>

constexpr UINT IDD_DATA = 100;
constexpr UINT IDD_NESTED = 101;

constexpr int IDC_NAME = 1001;
constexpr int IDC_COUNT = 1002;
constexpr int IDC_LENGTH = 1003;
constexpr int IDC_HEATED = 1004;
constexpr int IDC_KIND_A = 1005;
constexpr int IDC_KIND_B = 1006;
constexpr int IDC_KIND_C = 1007;
constexpr int IDC_PLACE = 1008;
constexpr int IDC_OPEN = 1009;
constexpr int IDC_CLOSE_OK = 1010;
constexpr int IDC_NOTE = 1011;

void RegisterTestDialogs();

// A data dialog as the system writes them: Enter moves to the next field, only "&OK" closes.
class CDataDialog : public CDialog
{
public:
    explicit CDataDialog(CWnd* parent = nullptr) : CDialog(IDD_DATA, parent) {}

    CString m_name = "Obývací pokoj";
    int m_count = 3;
    double m_length = 4.25;
    int m_heated = 1;
    int m_kind = 1;
    int m_nestedResult = 0;
    bool m_validateCount = false;
    std::vector<std::string> log;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override { NextDlgCtrl(); }
    afx_msg void OnCloseOk() { CDialog::OnOK(); }
    afx_msg void OnPlaceChanged();
    afx_msg void OnHeatedClicked();
    afx_msg void OnOpen();
    afx_msg void OnKillFocusCount();
    afx_msg LRESULT OnPostedCommand(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};

class CNestedDialog : public CDialog
{
public:
    explicit CNestedDialog(CWnd* parent = nullptr) : CDialog(IDD_NESTED, parent) {}
    CString m_note;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
