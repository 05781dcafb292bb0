#pragma once
// Distribution sizing: the project's pipe distribution as a tree of sections in a grid, built
// and edited section by section, with flows and pressure losses, stored in "DimenzSegm$" on OK.
// Without its window the object loads the sections for the printed report.

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "hydraulics/DistributionSheet.h"
#include "hydraulics/PipeLoss.h"
#include "platform/gdi/CImageList.h"
#include "platform/ui/CDialog.h"

#include <vector>

class CDimenzUsek;

class CDimenzRozvodu : public CDialog
{
public:
    explicit CDimenzRozvodu(CWnd* parent = nullptr);
    ~CDimenzRozvodu() override;

    // Reads the sections of the project's "DimenzSegm$"; the number of sections read (0 when
    // the sheet does not open, its message shown).
    int LoadSections();
    // The first root, or null.
    CDimenzUsek* FirstRoot() const;

    // Sums the flows, recomputes every loss and shows the tree again; names once the sections
    // whose pipe is unknown.
    void Recalculate();
    // The section of a grid row (rows follow the tree in pre-order), or null.
    CDimenzUsek* SectionAtRow(int row) const;
    // Delete with a section selected asks and deletes it with its branch; Ctrl shows the sizing
    // cursor.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Stores the first root's tree in "DimenzSegm$" as a whole; 0 done, 1 nothing stored (the
    // failure was shown, the sheet keeps its old rows).
    int SaveSections();

    DistributionSheet::Roots m_roots;
    DistributionSheet::LoadResult m_loadResult;
    std::vector<PipeChoice> m_pipes;
    CFmtGridCtrl m_grid;
    CImageList m_imageList;
    int m_nTreeImageMode = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnDestroy();
    afx_msg void OnCalculator();
    afx_msg void OnGridDblClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnGridRClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void SetupGrid();
    void FillGrid();
    void SetTreeImageMode(int mode);
    void SetRowImage(int row);
    void ChoosePipe(int row);
    void AddSection(int row);
    void EditSection(int row);
    bool DeleteSelectedSection();
    HCURSOR m_savedCursor = nullptr;
    bool m_sizingCursorShown = false;
};
