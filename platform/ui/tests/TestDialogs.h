#pragma once
// Dialog templates and dialog classes that the window tests drive.

#include "platform/ui/CDialog.h"

#include <string>
#include <vector>

#include "TestResource.h"

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
