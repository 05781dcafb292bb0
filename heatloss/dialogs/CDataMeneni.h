#pragma once
// The bulk change of the input table: in every row whose cell of the chosen column holds the
// old value and which meets up to three further conditions (joined by AND), the cell gets the
// new value, and so does the model's field behind it. A value that does not fit the column
// changes nothing.

#include "platform/ui/CDialog.h"

class CComboBox;
class CDataGridCtrl;
class ProjectModel;

class CDataMeneni : public CDialog
{
public:
    explicit CDataMeneni(CWnd* parent = nullptr);

    CDataGridCtrl* m_pGrid = nullptr;
    ProjectModel* m_pModel = nullptr;

    // The first grid column headed exactly name; -1 when none.
    int FindGridColumn(const CString& name) const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelChangeColumn();
    afx_msg void OnSelChangeCondColumn(UINT id);
    afx_msg void OnSelChangeCondition(UINT id);
    void UpdateConditionRows();
    DECLARE_MESSAGE_MAP()

private:
    CComboBox* List(int id) const;
    CString Chosen(int id) const;
    void FillColumnList(const CString& excluded, CComboBox& list) const;
    void FillValueList(const CString& columnName, CComboBox& list) const;
    bool ConditionComplete(int k) const;
};
