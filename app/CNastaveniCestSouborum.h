#pragma once
// Settings page 1: the folders of the price lists, the catalogue data, the working data and the
// lists, and the data editor program; each edit has a browse button.

#include "platform/ui/CPropertyPage.h"

class CNastaveniCestSouborum : public CPropertyPage
{
    DECLARE_DYNCREATE(CNastaveniCestSouborum)

public:
    CNastaveniCestSouborum();

    CString m_strList;
    CString m_strData;
    CString m_strWork;
    CString m_strDump;
    CString m_strEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBrowseList();
    afx_msg void OnBrowseData();
    afx_msg void OnBrowseWork();
    afx_msg void OnBrowseDump();
    afx_msg void OnBrowseEdit();
    DECLARE_MESSAGE_MAP()

private:
    void Browse(CString& value, UINT titleId, BOOL includeFiles);
};
