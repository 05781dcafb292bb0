#pragma once
// Names a new column or changes one and chooses its type among eight kinds (text, number,
// date, currency, yes/no, memo, byte, long number); size and decimals follow the kind.

#include "platform/ui/CDialog.h"

class CGridCtrl;

class CColumnDlg : public CDialog
{
public:
    explicit CColumnDlg(CWnd* pParent = nullptr);

    // The DAO field type of the chosen kind (number kinds by their decimals).
    int DaoType() const;
    // The kind's index of a DAO field type; other types keep the index given.
    static int TypeIndex(int daoType, int otherwise);

    CGridCtrl* grid = nullptr;
    bool existingColumn = false;
    int initialType = 10;
    CString caption;
    int typeIndex = 0;
    CString name;
    int size = 255;
    CString descriptions[3];
    BOOL localeDecimals = TRUE;
    int decimals = 0;
    CString nameAtOpening;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnTypeChanged();
    afx_msg void OnNameChanged();
    afx_msg void OnSizeChanged();
    afx_msg void OnDecimalsChanged();
    afx_msg void OnLocaleDecimals();
    afx_msg void OnClear();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyType();
    void ApplyLocaleCheck();
    void Enable(UINT id, bool enable);
    int ReadInt(UINT id) const;
    bool m_updating = false;
};
