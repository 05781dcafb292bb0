#include "heatloss/dialogs/CDataGridCtrl.h"

#include "common/AppSettings.h"
#include "controls/grid/CGridCellBase.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/COleDataSource.h"
#include "platform/ui/ClipboardFormat.h"

BEGIN_MESSAGE_MAP(CDataGridCtrl, CFmtGridCtrl)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CDataGridCtrl::CDataGridCtrl() = default;

CDataGridCtrl::~CDataGridCtrl() = default;

CString DataGridLevelText(const std::vector<int>& levels)
{
    std::string text = std::to_string(levels.size()) + "\t\n";
    for (int level : levels)
        text += std::to_string(level) + "\t";
    return CString(text + "\n");
}

int CDataGridCtrl::GetRowLevel(int row) const
{
    if (row < GetFixedRowCount() || row >= GetRowCount() || !m_TreeColumn.IsTreeReady())
        return 0;
    return m_TreeColumn.GetTreeLevel(row);
}

void CDataGridCtrl::SetLevelImages(int mode)
{
    m_nLevelImageMode = mode;
    m_TreeColumn.SetTreeUsesImages(mode == 1);
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
    {
        const int level = GetRowLevel(row);
        int image = GetItemImage(row, TreeColumn);
        if (mode == 0 || mode == 1)
            image = -1;
        else if (mode == 2)
            image = level + m_TreeColumn.GetLevelImageOffset();
        else if (mode == 4)
            image = level + 10;
        SetItemImage(row, TreeColumn, image);
    }
    Invalidate(TRUE);
}

COleDataSource* CDataGridCtrl::CopyTextFromGrid()
{
    COleDataSource* source = CGridCtrl::CopyTextFromGrid();
    if (!source)
        return nullptr;
    const CCellRange range = GetSelectedCellRange();
    const UINT format = RegisterClipboardFormat("DataGridLevel");
    if (range.IsValid() && format != 0)
    {
        std::vector<int> levels;
        for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row)
            levels.push_back(GetRowLevel(row));
        source->CacheText(CLIPFORMAT(format), DataGridLevelText(levels));
    }
    return source;
}

void CDataGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DELETE)
    {
        const CCellRange range = GetSelectedCellRange();
        if (!range.IsValid() || range.GetMinRow() < GetFixedRowCount())
            return;
        // The building row holds the whole input: it is never deleted.
        if (GetRowLevel(range.GetMinRow()) <= 1)
            return;
        if (DeleteSelectedBranch())
            return;
    }
    CFmtGridCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

bool CDataGridCtrl::DeleteSelectedBranch()
{
    const int row = GetSelectedCellRange().GetMinRow();
    CString pattern;
    pattern.LoadString(IDS_INPUT_DELETE_QUESTION);
    CString question;
    question.Format(pattern, GetItemText(row, 0).GetString(),
                    GetItemText(row, 2).GetString());
    if (MessageBox(GetSafeHwnd(), question, AppSettings::Get().QuestionCaption(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    m_TreeColumn.DeleteTreeBranch(row, TRUE);
    if (m_onBranchDeleted)
        m_onBranchDeleted(row);
    return true;
}
