#include "heatloss/dialogs/CDataMeneni.h"

#include "common/AppSettings.h"
#include "heatloss/BulkChange.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CDataGridCtrl.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "heatloss/dialogs/InputTreeWalk.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CComboBox.h"

#include <vector>

namespace
{
constexpr int kConditions = 3;

bool ListHolds(const CComboBox& list, const CString& text)
{
    CString item;
    for (int k = 0; k < list.GetCount(); ++k)
    {
        list.GetLBText(k, item);
        if (item.CompareNoCase(text) == 0)
            return true;
    }
    return false;
}
} // namespace

BEGIN_MESSAGE_MAP(CDataMeneni, CDialog)
ON_CBN_SELCHANGE(IDC_BULK_COLUMN, OnSelChangeColumn)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_BULK_COND_COLUMN1, IDC_BULK_COND_COLUMN3, OnSelChangeCondColumn)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_BULK_COND_OP1, IDC_BULK_COND_VALUE3, OnSelChangeCondition)
END_MESSAGE_MAP()

CDataMeneni::CDataMeneni(CWnd* parent) : CDialog(IDD_DATA_MENENI, parent), m_pModel(&ProjectModel::Instance()) {}

CComboBox* CDataMeneni::List(int id) const
{
    return static_cast<CComboBox*>(GetDlgItem(id));
}

CString CDataMeneni::Chosen(int id) const
{
    CString text;
    const CComboBox* list = List(id);
    if (list->GetCurSel() >= 0)
        list->GetLBText(list->GetCurSel(), text);
    return text;
}

BOOL CDataMeneni::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    for (int k = 0; k < kConditions; ++k)
        for (const char* op : {"<", "<=", "=", ">=", ">"})
            List(IDC_BULK_COND_OP1 + k)->AddString(op);
    FillColumnList(InputSheet::ColumnName(InputSheet::Number), *List(IDC_BULK_COLUMN));
    UpdateConditionRows();
    return TRUE;
}

int CDataMeneni::FindGridColumn(const CString& name) const
{
    if (!m_pGrid)
        return -1;
    for (int c = 0; c < m_pGrid->GetColumnCount(); ++c)
        if (m_pGrid->GetItemText(0, c) == name)
            return c;
    return -1;
}

void CDataMeneni::FillColumnList(const CString& excluded, CComboBox& list) const
{
    list.ResetContent();
    if (m_pGrid)
        for (int c = m_pGrid->GetFixedColumnCount(); c < m_pGrid->GetColumnCount(); ++c)
        {
            const CString heading = m_pGrid->GetItemText(0, c);
            if (!heading.IsEmpty() && heading != excluded && heading != "Format" && !ListHolds(list, heading))
                list.AddString(heading);
        }
    list.SetCurSel(-1);
}

void CDataMeneni::FillValueList(const CString& columnName, CComboBox& list) const
{
    list.ResetContent();
    const int column = FindGridColumn(columnName);
    if (column >= 0)
        for (int r = m_pGrid->GetFixedRowCount(); r < m_pGrid->GetRowCount(); ++r)
        {
            const CString text = m_pGrid->GetItemText(r, column);
            if (!text.IsEmpty() && !ListHolds(list, text))
                list.AddString(text);
        }
    list.SetCurSel(0);
}

void CDataMeneni::OnSelChangeColumn()
{
    const CString target = Chosen(IDC_BULK_COLUMN);
    if (target.IsEmpty())
        return;
    for (int k = 0; k < kConditions; ++k)
        FillColumnList(target, *List(IDC_BULK_COND_COLUMN1 + k));
    FillValueList(target, *List(IDC_BULK_OLD_VALUE));
    UpdateConditionRows();
}

void CDataMeneni::OnSelChangeCondColumn(UINT id)
{
    const int k = int(id) - IDC_BULK_COND_COLUMN1;
    FillValueList(Chosen(int(id)), *List(IDC_BULK_COND_VALUE1 + k));
    UpdateConditionRows();
}

bool CDataMeneni::ConditionComplete(int k) const
{
    return List(IDC_BULK_COND_COLUMN1 + k)->GetCurSel() >= 0 && List(IDC_BULK_COND_OP1 + k)->GetCurSel() >= 0 &&
           List(IDC_BULK_COND_VALUE1 + k)->GetCurSel() >= 0;
}

void CDataMeneni::OnSelChangeCondition(UINT)
{
    UpdateConditionRows();
}

void CDataMeneni::UpdateConditionRows()
{
    const bool shown[kConditions] = {List(IDC_BULK_COLUMN)->GetCurSel() >= 0, ConditionComplete(0),
                                     ConditionComplete(1)};
    const int labels[kConditions] = {IDC_BULK_WHERE, IDC_BULK_AND2, IDC_BULK_AND3};
    for (int k = 0; k < kConditions; ++k)
        ShowControls(*this, {IDC_BULK_COND_COLUMN1 + k, IDC_BULK_COND_OP1 + k, IDC_BULK_COND_VALUE1 + k, labels[k]},
                     shown[k]);
}

void CDataMeneni::OnOK()
{
    const CString target = Chosen(IDC_BULK_COLUMN);
    const CString oldValue = Chosen(IDC_BULK_OLD_VALUE);
    const int targetColumn = FindGridColumn(target);
    if (target.IsEmpty() || List(IDC_BULK_OLD_VALUE)->GetCurSel() < 0 || targetColumn < 0)
        return;
    std::vector<BulkCondition> conditions;
    for (int k = 0; k < kConditions; ++k)
        if (ConditionComplete(k))
            conditions.push_back({FindGridColumn(Chosen(IDC_BULK_COND_COLUMN1 + k)),
                                  List(IDC_BULK_COND_OP1 + k)->GetCurSel(), Chosen(IDC_BULK_COND_VALUE1 + k)});
    std::vector<int> rows;
    for (int r = m_pGrid->GetFixedRowCount(); r < m_pGrid->GetRowCount(); ++r)
    {
        if (m_pGrid->GetItemText(r, targetColumn) != oldValue)
            continue;
        bool holds = true;
        for (const BulkCondition& condition : conditions)
            holds = holds && condition.column >= 0 && condition.Holds(m_pGrid->GetItemText(r, condition.column));
        if (holds)
            rows.push_back(r);
    }
    // Every matched row must take the value before any changes.
    const CString newValue = FieldText(*this, IDC_BULK_NEW_VALUE);
    for (int r : rows)
    {
        const int rowLevel = m_pGrid->GetRowLevel(r);
        if (!BulkValueFits(target, rowLevel, newValue))
        {
            CString pattern;
            pattern.LoadString(IDS_BULK_VALUE_DOES_NOT_FIT);
            CString text;
            text.Format(pattern, newValue.GetString(), target.GetString());
            MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        if (const HeatLossMessage outOfRange = BulkValueOutOfRange(target, rowLevel, newValue); !outOfRange.IsEmpty())
        {
            outOfRange.Show(GetSafeHwnd());
            return;
        }
    }
    const RowLevel level = [this](int row) { return m_pGrid->GetRowLevel(row); };
    for (int r : rows)
    {
        m_pGrid->SetItemText(r, targetColumn, newValue);
        if (m_pModel)
            ApplyBulkValue(*m_pModel, level(r), LocateRow(level, r), target, newValue);
    }
    EndDialog(IDOK);
}
