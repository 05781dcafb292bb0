#pragma once
// The grid of the heat-loss input: one tree level a row (1 building, 2 room, 3 wall,
// 4 opening), the row images chosen by level, the levels of copied rows on the clipboard
// under "DataGridLevel" beside their text, and a room, wall or opening deleted with
// everything below it on the Delete key after a question.

#include "controls/grid/fmt/CFmtGridCtrl.h"

#include <functional>
#include <vector>

class CDataGridCtrl : public CFmtGridCtrl
{
public:
    CDataGridCtrl();
    ~CDataGridCtrl() override;

    // Mode 0 or 1: no row image (1: the tree draws its own); 2: level + 3; 3: unchanged;
    // 4: level + 10. Other modes leave the images.
    void SetLevelImages(int mode);
    int GetLevelImageMode() const { return m_nLevelImageMode; }

    // The tree level of a row; 0 outside the data rows.
    int GetRowLevel(int row) const;

    COleDataSource* CopyTextFromGrid() override;

    // Called after the Delete key removed a branch, with its first row.
    std::function<void(int row)> m_onBranchDeleted;

    static constexpr int TreeColumn = 1;

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    DECLARE_MESSAGE_MAP()

private:
    // Asks and deletes the branch of the selection's first row; false when the key goes on.
    bool DeleteSelectedBranch();

    int m_nLevelImageMode = 0;
};

// The "DataGridLevel" text of rows of these levels: the count, TAB, LF, then each level and
// a TAB, then LF.
CString DataGridLevelText(const std::vector<int>& levels);
