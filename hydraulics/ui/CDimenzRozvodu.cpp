#include "hydraulics/ui/CDimenzRozvodu.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectSheetStore.h"
#include "controls/dialogs/DialogSupport.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "datalib/CData.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/CDimenzTrubek.h"
#include "hydraulics/ui/CSegment.h"
#include "hydraulics/ui/SectionGridRows.h"
#include "hydraulics/ui/SizingDialogParts.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/WinApi.h"

namespace
{
constexpr int kColumns = 11;
constexpr int kTreeColumn = 1;
constexpr COLORREF kCellColour = 0xF9FFFF;
constexpr COLORREF kTreeLineColour = 0xFF0000;
constexpr COLORREF kImageMask = 0x7D7DFF;

bool CtrlHeld()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

// "Délka trubky" → "Délka\ntrubky".
CString TwoLines(CString text)
{
    const int blank = text.Find(char32_t(' '));
    if (blank >= 0)
        text.SetAt(blank, char32_t('\n'));
    return text;
}

void CollectPreOrder(CDimenzUsek& section, std::vector<CDimenzUsek*>& sections)
{
    sections.push_back(&section);
    for (const auto& child : section.m_children)
        CollectPreOrder(*child, sections);
}
} // namespace

BEGIN_MESSAGE_MAP(CDimenzRozvodu, CDialog)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_SIZING_FLOWS, Recalculate)
    ON_BN_CLICKED(IDC_SIZING_CALCULATOR, OnCalculator)
    ON_NOTIFY(GVN_DBLCLK, IDC_SIZING_GRID, OnGridDblClick)
    ON_NOTIFY(GVN_RCLICK, IDC_SIZING_GRID, OnGridRClick)
END_MESSAGE_MAP()

CDimenzRozvodu::CDimenzRozvodu(CWnd* parent) : CDialog(IDD_DIMENZ_ROZVODU, parent) {}

CDimenzRozvodu::~CDimenzRozvodu() = default;

void CDimenzRozvodu::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

CDimenzUsek* CDimenzRozvodu::FirstRoot() const
{
    return m_roots.empty() ? nullptr : m_roots.front().get();
}

int CDimenzRozvodu::LoadSections()
{
    m_roots.clear();
    m_loadResult = {};
    CData data;
    if (OpenWorkbookTable(data, AppSettings::Get().CurrentProjectPath(), DistributionSheet::Sheet, "") != 0)
        return 0;
    m_loadResult = DistributionSheet::LoadTree(&data, m_roots);
    data.CloseTable();
    data.Close();
    // Only the first root is shown and saved: the sections of a further root count as not read.
    if (m_roots.size() > 1)
    {
        const int secondRoot = m_loadResult.rootRows[1];
        if (m_loadResult.firstUnreadRow < 0 || secondRoot < m_loadResult.firstUnreadRow)
            m_loadResult.firstUnreadRow = secondRoot;
        m_roots.resize(1);
    }
    return FirstRoot() ? FirstRoot()->CountSections() : 0;
}

BOOL CDimenzRozvodu::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_SIZING_GRID, m_grid);
    m_pipes = LoadDistributionPipes(AppSettings::Get().PathList);
    SetupGrid();
    const int sections = LoadSections();
    for (const auto& root : m_roots)
        root->Recompute(FALSE);
    FillGrid();
    const std::vector<unsigned char> levels = DistributionSheet::TreeLevels(m_roots);
    m_grid.m_TreeColumn.TreeSetup(&m_grid, kTreeColumn, sections, 1, levels.empty() ? nullptr : levels.data(), TRUE,
                                  TRUE);
    m_grid.m_TreeColumn.SetTreeLineColor(kTreeLineColour);
    SetTreeImageMode(12);
    m_grid.m_TreeColumn.TreeDisplayOutline(255);
    CenterWindow();
    ShowWindow(SW_SHOW);
    if (m_loadResult.firstUnreadRow >= 0)
        ShowSizingNumberMessage(*this, IDS_SIZING_NOT_READ, MB_OK | MB_ICONEXCLAMATION,
                                m_loadResult.firstUnreadRow + 2); // sheet rows count from 1, after the heading row
    if (m_grid.GetRowCount() <= m_grid.GetFixedRowCount())
        AddSection(-1);
    return TRUE;
}

void CDimenzRozvodu::SetupGrid()
{
    m_imageList.Create(IDB_TELESA_STROM, 16, 1, kImageMask);
    m_grid.SetImageList(&m_imageList);
    m_grid.SetColumnCount(kColumns);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetRowCount(1);
    m_grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kCellColour);
    m_grid.SetRowSelectMode(TRUE);
    m_grid.SetEditable(FALSE);
    const CString headings[kColumns] = {"#",
                                        "Označení",
                                        "Kód položky",
                                        "Položka",
                                        "trubka",
                                        CString("průtok") + "\n[kg/hod.]",
                                        TwoLines("Délka trubky") + " [m]",
                                        TwoLines("Vřazené odpory") + " [-]",
                                        CString("Tlak.ztráta") + "\npřed  [Pa]",
                                        CString("Tlak.ztráta") + "\n" + "úseku" + " [Pa]",
                                        CString("Tlak.ztráta") + "\n" + "kumulat." + " [Pa]"};
    for (int column = 0; column < kColumns; ++column)
    {
        m_grid.SetItemText(0, column, headings[column]);
        m_grid.SetItemFormat(0, column, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    }
    m_grid.SetRowHeight(0, 32);
    m_grid.SetColumnWidth(4, 160);
    SizeSectionColumns(m_grid);
}

void CDimenzRozvodu::FillGrid()
{
    m_grid.DeleteNonFixedRows();
    if (CDimenzUsek* root = FirstRoot())
        ShowTree(*root, -1, m_grid, TRUE);
}

void CDimenzRozvodu::SetRowImage(int row)
{
    const int level = m_grid.m_TreeColumn.GetTreeLevel(row);
    int image = -1;
    if (m_nTreeImageMode == 2)
        image = level + m_grid.m_TreeColumn.GetLevelImageOffset();
    else if (m_nTreeImageMode == 12)
        image = level + m_grid.m_TreeColumn.GetLevelImageOffset() + 12;
    m_grid.SetItemImage(row, kTreeColumn, image);
}

void CDimenzRozvodu::SetTreeImageMode(int mode)
{
    m_nTreeImageMode = mode;
    m_grid.m_TreeColumn.SetTreeUsesImages(mode == 1);
    for (int row = m_grid.GetFixedRowCount(); row < m_grid.GetRowCount(); ++row)
        SetRowImage(row);
    Invalidate();
}

CDimenzUsek* CDimenzRozvodu::SectionAtRow(int row) const
{
    CDimenzUsek* root = FirstRoot();
    const int index = row - m_grid.GetFixedRowCount();
    if (!root || index < 0)
        return nullptr;
    std::vector<CDimenzUsek*> sections;
    CollectPreOrder(*root, sections);
    return index < int(sections.size()) ? sections[std::size_t(index)] : nullptr;
}

void CDimenzRozvodu::Recalculate()
{
    CDimenzUsek* root = FirstRoot();
    if (!root)
        return;
    root->SumFlows();
    root->Recompute(TRUE);
    ShowTree(*root, m_grid.GetFixedRowCount(), m_grid, FALSE);
    std::vector<const CDimenzUsek*> unknown;
    root->CollectUnknownLosses(unknown);
    if (unknown.empty())
        return;
    CString names;
    for (const CDimenzUsek* section : unknown)
    {
        CString line;
        line.Format("%d %s (%s)\n", section->m_nNumber, section->m_strDesignation.GetString(),
                    section->m_strItemCode.GetString());
        names += line;
    }
    ShowSizingMessage(*this, IDS_SIZING_UNKNOWN_LOSS, MB_OK | MB_ICONEXCLAMATION, names);
}

void CDimenzRozvodu::OnGridRClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<GridNotify*>(pNotifyStruct)->iRow;
    if (CtrlHeld())
    {
        if (row >= m_grid.GetFixedRowCount())
            ChoosePipe(row);
        return;
    }
    AddSection(row);
}

void CDimenzRozvodu::ChoosePipe(int row)
{
    CDimenzUsek* section = SectionAtRow(row);
    if (!section)
        return;
    CDimenzTrubek dialog(this);
    dialog.m_strSection = m_grid.GetItemText(row, 0);
    dialog.m_strCurrentCode = section->m_strItemCode;
    dialog.m_strFlow = m_grid.GetItemText(row, 5);
    dialog.m_dPipeLength = section->m_dPipeLength;
    dialog.m_dInsertedResistances = section->m_dInsertedResistances;
    dialog.m_bForSection = TRUE;
    dialog.m_pipes = m_pipes;
    if (dialog.DoModal() != IDOK || !dialog.m_bResultKnown)
        return;
    section->m_strItemDescription = dialog.m_strResultDescription;
    section->m_strItemCode = dialog.m_strResultCode;
    section->m_strItem = dialog.m_strResultItem;
    section->m_dSectionLoss = dialog.m_dResultLoss;
    section->m_bLossKnown = true;
    section->Recompute(FALSE);
    ShowTree(*section, row, m_grid, FALSE);
}

void CDimenzRozvodu::AddSection(int row)
{
    const bool onRow = row >= m_grid.GetFixedRowCount();
    if (!onRow && FirstRoot())
        return;
    CDimenzUsek* parent = onRow ? SectionAtRow(row) : nullptr;
    if (onRow && !parent)
        return;
    CSegment dialog(this);
    dialog.m_strSection.Format("%d", m_grid.GetRowCount());
    if (dialog.DoModal() != IDOK)
        return;
    CDimenzUsek* section = nullptr;
    int newRow = m_grid.GetFixedRowCount();
    if (parent)
    {
        auto child = std::make_unique<CDimenzUsek>(parent);
        section = child.get();
        parent->m_children.insert(parent->m_children.begin(), std::move(child));
        newRow = row + 1;
    }
    else
    {
        m_roots.push_back(std::make_unique<CDimenzUsek>(nullptr));
        section = m_roots.back().get();
    }
    section->m_nNumber = ReadInteger(dialog.m_strSection);
    section->m_strDesignation = dialog.m_strDesignation;
    section->m_dFlowKgPerH = dialog.m_dFlow;
    section->m_dPipeLength = dialog.m_dPipeLength;
    section->m_dInsertedResistances = dialog.m_dInsertedResistances;
    section->Recompute(TRUE);
    const BYTE level = BYTE(std::clamp(section->m_nLevel, 1, 127));
    const int inserted =
        m_grid.m_TreeColumn.InsertTreeBranch(&level, 1, newRow >= m_grid.GetRowCount() ? -1 : newRow, TRUE);
    if (inserted >= 0)
        newRow = inserted;
    ShowRow(*section, newRow, m_grid, FALSE);
    SetRowImage(newRow);
    Recalculate();
}

void CDimenzRozvodu::OnGridDblClick(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    EditSection(reinterpret_cast<GridNotify*>(pNotifyStruct)->iRow);
}

void CDimenzRozvodu::EditSection(int row)
{
    CDimenzUsek* section = SectionAtRow(row);
    if (!section)
        return;
    CSegment dialog(this);
    dialog.m_strSection = m_grid.GetItemText(row, 0);
    dialog.m_strDesignation = section->m_strDesignation;
    dialog.m_dFlow = section->m_dFlowKgPerH;
    dialog.m_dPipeLength = section->m_dPipeLength;
    dialog.m_dInsertedResistances = section->m_dInsertedResistances;
    if (dialog.DoModal() != IDOK)
        return;
    section->m_strDesignation = dialog.m_strDesignation;
    section->m_dFlowKgPerH = dialog.m_dFlow;
    section->m_dPipeLength = dialog.m_dPipeLength;
    section->m_dInsertedResistances = dialog.m_dInsertedResistances;
    Recalculate();
    ShowRow(*section, row, m_grid, FALSE);
}

bool CDimenzRozvodu::DeleteSelectedSection()
{
    const CCellRange selection = m_grid.GetSelectedCellRange();
    if (selection.GetMinRow() < m_grid.GetFixedRowCount() || selection.GetMinCol() < 0 ||
        selection.GetMinRow() > selection.GetMaxRow() || selection.GetMinCol() > selection.GetMaxCol())
        return false;
    const int row = selection.GetMinRow();
    CDimenzUsek* section = SectionAtRow(row);
    if (!section)
        return false;
    if (ShowSizingMessage(*this, IDS_SIZING_DELETE, MB_YESNO | MB_ICONQUESTION, m_grid.GetItemText(row, 4),
                          section->m_nNumber) != IDYES)
        return false;
    m_grid.m_TreeColumn.DeleteTreeBranch(row, TRUE);
    if (section->m_pParent)
        section->m_pParent->RemoveChild(section);
    else
        m_roots.clear();
    Recalculate();
    return true;
}

BOOL CDimenzRozvodu::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE && DeleteSelectedSection())
        return TRUE;
    if (pMsg->message == WM_KEYDOWN && CtrlHeld() && !m_sizingCursorShown)
    {
        m_savedCursor = SetCursor(LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_SIZING_CURSOR)));
        m_sizingCursorShown = true;
    }
    else if (pMsg->message == WM_KEYUP && !CtrlHeld() && m_sizingCursorShown)
    {
        SetCursor(m_savedCursor);
        m_sizingCursorShown = false;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CDimenzRozvodu::OnCalculator()
{
    CDimenzTrubek dialog(this);
    dialog.m_strFlow = "1";
    dialog.m_dPipeLength = 1.0;
    dialog.m_dInsertedResistances = 0.0;
    dialog.m_bForSection = FALSE;
    dialog.m_pipes = m_pipes;
    dialog.DoModal();
}

int CDimenzRozvodu::SaveSections()
{
    ProjectSheetStore store(DistributionSheet::Sheet);
    if (!store.Begin())
        return 1;
    if (CDimenzUsek* root = FirstRoot())
        root->SaveTree(0, &store.Table());
    return store.Put() ? 0 : 1;
}

// A tree that could not be stored stays in the dialog (the failure was shown); a stored one
// changes the project.
void CDimenzRozvodu::OnOK()
{
    if (SaveSections() != 0)
        return;
    AppSettings& settings = AppSettings::Get();
    settings.Modified[AppSettings::General] = 1;
    settings.Modified[AppSettings::SizingArea] = 1;
    CDialog::OnOK();
}

void CDimenzRozvodu::OnDestroy()
{
    CDialog::OnDestroy();
    m_roots.clear();
    m_pipes.clear();
}
