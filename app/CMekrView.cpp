#include "app/CMekrView.h"

#include "app/CPageSetupDlg.h"
#include "app/CSplashWnd.h"
#include "app/CVyberTiskSestavy.h"
#include "app/PrintIds.h"
#include "app/PrintSnapshot.h"
#include "app/ReportAvailability.h"
#include "app/ReportDrawing.h"
#include "common/AppSettings.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/MessageBox.h"
#include "platform/frame/CWinApp.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/PrintJob.h"
#include "platform/ui/CCmdUI.h"

#include <algorithm>

namespace
{
constexpr int LogoHeight = 90;
constexpr int TitleStep = 70;
constexpr int BoldTextHeight = 50;
constexpr int LogoAndTitles = LogoHeight + 2 * TitleStep;
constexpr int FirstPageGap = 100;
constexpr int HeatLossResultsReport = 0;
constexpr int HeatLossInputReport = 1;
constexpr int SizingReport = 6;

bool IsBill(int report)
{
    return report == 4 || report == 9;
}

bool IsFloorReport(int report)
{
    return report == 2 || report == 3;
}

bool IsManifoldBill(int report)
{
    return report == 5 || report == 10;
}

UINT TitleOf(int report)
{
    if (report <= 1)
        return IDS_TITLE_HEAT_LOSS;
    if (report <= 5)
        return IDS_TITLE_FLOOR;
    return report == 6 ? IDS_TITLE_SIZING : IDS_TITLE_WALL;
}

UINT SubtitleOf(int report)
{
    switch (report)
    {
    case 0:
    case 3:
    case 7:
        return IDS_SUBTITLE_RESULTS;
    case 4:
    case 9:
        return IDS_SUBTITLE_MATERIAL;
    case 5:
    case 10:
        return IDS_SUBTITLE_MANIFOLDS;
    case 6:
        return IDS_SUBTITLE_TOTAL;
    default:
        return IDS_SUBTITLE_INPUT;
    }
}

// Height of "Á" in this font.
int LetterHeight(CDC* pDC, CFont& font)
{
    CFont* previous = pDC->SelectObject(&font);
    const int height = pDC->GetTextExtent(CString("Á")).cy;
    pDC->SelectObject(previous);
    return height;
}

void CreateReportFont(CFont& font, int height, int weight)
{
    font.DeleteObject();
    font.CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");
}
} // namespace

IMPLEMENT_DYNCREATE(CMekrView, CView)

BEGIN_MESSAGE_MAP(CMekrView, CView)
    ON_COMMAND(ID_FILE_PAGE_SETUP, OnFilePageSetup)
    ON_COMMAND(ID_FILE_PRINT, OnPrintCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdatePrintCommands)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnPreviewCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdatePrintCommands)
END_MESSAGE_MAP()

CMekrView::CMekrView() = default;
CMekrView::~CMekrView() = default;

BOOL CMekrView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CView::PreCreateWindow(cs);
}

void CMekrView::OnDraw(CDC* /*pDC*/) {}

void CMekrView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    ReportAvailability::Instance().Refresh();
}

void CMekrView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(MM_LOMETRIC);
    CView::OnPrepareDC(pDC, pInfo);
}

void CMekrView::OnFilePageSetup()
{
    CPageSetupDlg dialog(this);
    dialog.m_nLargestVertical = LargestVerticalMargins();
    dialog.m_nLeft = m_nLeftMargin;
    dialog.m_nTop = m_nTopMargin;
    dialog.m_nRight = m_nRightMargin;
    dialog.m_nBottom = m_nBottomMargin;
    if (dialog.DoModal() != IDOK)
        return;
    m_nLeftMargin = dialog.m_nLeft;
    m_nTopMargin = dialog.m_nTop;
    m_nRightMargin = dialog.m_nRight;
    m_nBottomMargin = dialog.m_nBottom;
}

bool CMekrView::ChooseReport()
{
    CVyberTiskSestavy dialog(this);
    dialog.m_nSestava = m_nSestava;
    dialog.m_bVcetneHodnoty = m_bVcetneHodnoty;
    if (dialog.DoModal() != IDOK)
        return false;
    m_nSestava = dialog.m_nSestava;
    m_bVcetneHodnoty = dialog.m_bVcetneHodnoty;
    return m_nSestava >= 0;
}

void CMekrView::OnPrintCommand()
{
    if (!ChooseReport())
        return;
    CView::OnFilePrint();
    ShowPrintProblems();
}

void CMekrView::OnPreviewCommand()
{
    m_nSestava = 4;
    if (!ChooseReport())
        return;
    // The preview draws its pages whenever it needs them: the start picture stays away until
    // the preview closes.
    HideStartPicture();
    m_bPreviewOpen = true;
    CView::OnFilePrintPreview();
    m_bPreviewOpen = false;
    RestoreStartPicture();
    ShowPrintProblems();
}

void CMekrView::OnUpdatePrintCommands(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(ReportAvailability::Instance().AnyPrintable());
}

void CMekrView::ShowPrintProblems()
{
    if (m_problems.empty())
        return;
    CString lines;
    for (const CString& problem : m_problems)
        lines += problem + "\n";
    m_problems.clear();
    CString text;
    text.Format(ReportText(IDS_PRINT_PROBLEMS), lines.GetString());
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CMekrView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

PageGeometry CMekrView::GeometryOf(CDC* pDC) const
{
    CRect page(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&page);
    PageGeometry geometry;
    geometry.pageHeight = std::abs(page.Height());
    geometry.topMargin = m_nTopMargin;
    // The page line sits under the body: a lower bottom margin leaves the line its room.
    geometry.bottomMargin = std::max(m_nBottomMargin, (PageLineHeight() + 9) / 10);
    geometry.boldRowHeight = m_nBoldRow;
    geometry.normalRowHeight = m_nNormalRow;
    geometry.headingRows = m_nHeadingRows;
    geometry.firstPageRows = m_nFirstPageRows;
    geometry.firstPageDrawn = FirstPageDrawnHeight(m_nSestava, m_bVcetneHodnoty);
    geometry.followingPageDrawn = FollowingPageDrawnHeight(m_nSestava);
    return geometry;
}

void CMekrView::MeasureRows(CDC* pDC)
{
    CreateReportFont(m_boldFont, BoldTextHeight, FW_BOLD);
    CreateReportFont(m_normalFont, 40, FW_NORMAL);
    m_nBoldRow = LetterHeight(pDC, m_boldFont) + 20;
    m_nNormalRow = LetterHeight(pDC, m_normalFont) + 10;
}

int CMekrView::PageLineHeight() const
{
    return m_nNormalRow - 10;
}

int CMekrView::LargestVerticalMargins()
{
    int largest = 0;
    Gdi::MeasureOnPrinterPage([&](CDC* dc) {
        dc->SetMapMode(MM_LOMETRIC);
        MeasureRows(dc);
        CRect sheet(0, 0, dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES));
        dc->DPtoLP(&sheet);
        int need = 0;
        for (int report = 0; report <= 10; ++report)
            need = std::max({need, FirstPageDrawnHeight(report, 0), FirstPageDrawnHeight(report, 1),
                             FollowingPageDrawnHeight(report)});
        need += m_nNormalRow + PageLineHeight();
        largest = std::max(0, (std::abs(sheet.Height()) - need) / 10);
    });
    m_boldFont.DeleteObject();
    m_normalFont.DeleteObject();
    return largest;
}

void CMekrView::HideStartPicture()
{
    if (m_bPreviewOpen)
        return;
    m_bPictureWasShown = CSplashWnd::Current() != nullptr;
    CSplashWnd::HideSplashScreen();
    CSplashWnd::EnableSplashScreen(FALSE);
}

void CMekrView::RestoreStartPicture()
{
    if (m_bPreviewOpen)
        return;
    CSplashWnd::EnableSplashScreen(TRUE);
    if (m_bPictureWasShown)
        CSplashWnd::ShowSplashScreen(AfxGetMainWnd());
}

void CMekrView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    HideStartPicture();
    m_model = std::make_unique<ProjectModel>(ProjectModel::Instance());
    m_snapshot = std::make_unique<PrintSnapshot>();
    m_groupSizes.clear();
    m_nFirstPageRows = m_nHeadingRows = 0;
    PageDistributionMode mode = PageDistributionMode::FixedRows;
    int firstGroup = 0;
    if (m_nSestava == HeatLossResultsReport)
    {
        SetUpHeatLossResults();
        firstGroup = 1;
    }
    else if (m_nSestava == HeatLossInputReport)
    {
        SetUpHeatLossInput();
        mode = PageDistributionMode::WholeGroups;
        firstGroup = 1;
    }
    else if (m_nSestava == SizingReport)
        SetUpSizing();
    else if (IsBill(m_nSestava))
    {
        SetUpBill();
        mode = PageDistributionMode::CountedItems;
    }
    else if (m_nSestava >= 2 && m_nSestava <= 10)
    {
        // The floor and wall heating design, read once for the run.
        m_dSupplyTemperature = m_dSecondTemperature = 0.0;
        LoadDesign(AppSettings::Get().CurrentProjectPath(), *m_snapshot);
        if (IsFloorReport(m_nSestava))
        {
            SetUpFloorReport();
            mode = PageDistributionMode::SplitGroups;
        }
        else if (IsManifoldBill(m_nSestava))
            SetUpManifolds();
        else if (m_nSestava == 7)
        {
            SetUpWallResults();
            mode = PageDistributionMode::CountedItems;
        }
        else if (m_nSestava == 8)
        {
            SetUpWallInput();
            mode = PageDistributionMode::WholeGroups;
        }
    }
    for (const CString& problem : m_snapshot->problems)
        NoteProblem(problem);
    // The rows are measured in the units the pages are drawn in.
    pDC->SetMapMode(MM_LOMETRIC);
    MeasureRows(pDC);
    m_capacity = ComputePageCapacity(GeometryOf(pDC));
    m_pages = DistributePages(mode, m_groupSizes, firstGroup, m_capacity);
    m_nPageCount = int(m_pages.size());
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(UINT(m_nPageCount));
}

void CMekrView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CRect area = pInfo->m_rectDraw;
    area.left += 10 * m_nLeftMargin;
    area.top -= 10 * m_nTopMargin;
    area.right -= 10 * m_nRightMargin;
    area.bottom += 10 * m_nBottomMargin;
    m_nCurrentPage = int(pInfo->m_nCurPage);
    m_nPageCount = int(pInfo->GetMaxPage());
    int top = area.top;
    DrawPageFrame(pDC, area, top);
    if (m_nCurrentPage >= 1 && m_nCurrentPage <= int(m_pages.size()) && m_model)
    {
        if (m_nSestava == HeatLossResultsReport)
            PrintHeatLossResults(pDC, area, top);
        else if (m_nSestava == HeatLossInputReport)
            PrintHeatLossInput(pDC, area, top);
        else if (m_nSestava == SizingReport && m_snapshot)
            PrintSizing(pDC, area, top);
        else if (IsBill(m_nSestava) && m_snapshot)
            PrintBill(pDC, area, top);
        else if (m_nSestava == 2 && m_snapshot)
            PrintFloorInput(pDC, area, top);
        else if (m_nSestava == 3 && m_snapshot)
            PrintFloorResults(pDC, area, top);
        else if (IsManifoldBill(m_nSestava) && m_snapshot)
            PrintManifolds(pDC, area, top);
        else if (m_nSestava == 7 && m_snapshot)
            PrintWallResults(pDC, area, top);
        else if (m_nSestava == 8 && m_snapshot)
            PrintWallInput(pDC, area, top);
    }
    DrawPageLine(pDC, area, pInfo->m_rectDraw.bottom);
}

void CMekrView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
    m_boldFont.DeleteObject();
    m_normalFont.DeleteObject();
    m_model.reset();
    m_snapshot.reset();
    RestoreStartPicture();
}

void CMekrView::NoteProblem(const CString& problem)
{
    if (std::find(m_problems.begin(), m_problems.end(), problem) == m_problems.end())
        m_problems.push_back(problem);
}

int CMekrView::TableHeadHeight() const
{
    return std::max(2 * m_nBoldRow, 3 * m_nNormalRow);
}

int CMekrView::FirstPageDrawnHeight(int report, int includeValues) const
{
    switch (report)
    {
    case HeatLossResultsReport:
        return LogoAndTitles + 11 * m_nBoldRow + FirstPageGap + TableHeadHeight();
    case HeatLossInputReport:
        return LogoAndTitles + 7 * m_nBoldRow + FirstPageGap + 6 * m_nBoldRow;
    case SizingReport:
        return LogoAndTitles + 4 * m_nBoldRow + FirstPageGap + TableHeadHeight();
    case 4:
    case 9:
        return LogoAndTitles + (includeValues ? 5 : 4) * m_nBoldRow + FirstPageGap + 2 * m_nBoldRow;
    case 2:
        return LogoAndTitles + 4 * m_nBoldRow + FirstPageGap + 2 * m_nBoldRow;
    case 3:
    case 7:
    case 8:
        return LogoAndTitles + 5 * m_nBoldRow + FirstPageGap + TableHeadHeight();
    case 5:
    case 10:
        return LogoAndTitles + 7 * m_nBoldRow + FirstPageGap + TableHeadHeight();
    default:
        return 0;
    }
}

int CMekrView::FollowingPageDrawnHeight(int report) const
{
    switch (report)
    {
    case HeatLossResultsReport:
    case SizingReport:
        return LogoAndTitles + TableHeadHeight();
    case HeatLossInputReport:
        return LogoAndTitles + 6 * m_nBoldRow;
    case 4:
    case 9:
    case 2:
        return LogoAndTitles + 2 * m_nBoldRow;
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
        return LogoAndTitles + TableHeadHeight();
    default:
        return 0;
    }
}

void CMekrView::DrawPageFrame(CDC* pDC, const CRect& area, int& top)
{
    const int width = area.right - area.left;
    const int u = width / 32;
    CBitmap logo;
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    if (!logo.LoadBitmap(IDB_PRINT_LOGO) || !memory.SelectObject(&logo))
    {
        logo.DeleteObject();
        if (logo.LoadBitmap(IDB_PRINT_LOGO_SMALL))
            memory.SelectObject(&logo);
    }
    BITMAP picture{};
    if (logo.GetSafeHandle() && logo.GetBitmap(&picture) && picture.bmHeight > 0)
        pDC->StretchBlt(area.left, top, LogoHeight * picture.bmWidth / picture.bmHeight, -LogoHeight, &memory, 0, 0,
                        picture.bmWidth, picture.bmHeight, SRCCOPY);
    else
        NoteProblem(ReportText(IDS_LOGO_NOT_DRAWN));
    memory.DeleteDC();
    top -= LogoHeight;

    const AppSettings& settings = AppSettings::Get();
    CFont* previous = pDC->SelectObject(&m_boldFont);
    const int limit = 2 * (8 * u - pDC->GetTextExtent(CString("l")).cx);
    DrawTextAt(pDC, area.left, top, ReportText(TitleOf(m_nSestava)), TA_LEFT);
    DrawTextAt(pDC, area.right, top, CutToWidth(pDC, settings.UserFirm, limit), TA_RIGHT);
    top -= TitleStep;
    DrawTextAt(pDC, area.left, top, ReportText(SubtitleOf(m_nSestava)), TA_LEFT);
    DrawTextAt(pDC, area.right, top, CutToWidth(pDC, settings.UserBase, limit), TA_RIGHT);
    pDC->SelectObject(&m_normalFont);
    top -= TitleStep;
    if (m_nCurrentPage == 1)
    {
        const bool sevenRows = m_nSestava <= 1 || m_nSestava == 5 || m_nSestava == 10;
        DrawProjectBox(pDC, area, top, sevenRows ? 7 : 4);
    }
    pDC->SelectObject(previous);
}

void CMekrView::DrawProjectBox(CDC* pDC, const CRect& area, int top, int boxRows)
{
    const ProjectHeader& header = m_model ? m_model->Header : ProjectModel::Instance().Header;
    const int width = area.right - area.left;
    const int u = width / 32;
    const int offset = (m_nBoldRow - BoldTextHeight) / 2;
    DrawFrame(pDC, area.left, top, area.right, top - boxRows * m_nBoldRow);
    CFont* previous = pDC->SelectObject(&m_boldFont);
    const int l = pDC->GetTextExtent(CString("l")).cx;
    const int valueLimit = 11 * u - l;
    const CString colon(":");
    struct BoxRow
    {
        UINT leftLabel;
        const CString& leftValue;
        CString rightLabel;
        const CString& rightValue;
    };
    const BoxRow rows[] = {
        {IDS_INVESTOR, header.investor1, ReportText(IDS_AUTHOR) + colon, header.author},
        {0, header.investor2, ReportText(IDS_DATE) + colon, header.date},
        {IDS_BUILDING, header.building1, ReportText(IDS_ORDER_NUMBER), header.orderNumber},
        {0, header.building2, ReportText(IDS_ARCHIVE_NUMBER), header.archiveNumber},
    };
    for (int k = 0; k < 4; ++k)
    {
        const BoxRow& row = rows[k];
        const int y = top - k * m_nBoldRow - offset;
        if (row.leftLabel)
            DrawTextAt(pDC, area.left + u, y, ReportText(row.leftLabel), TA_LEFT);
        DrawTextAt(pDC, area.left + 5 * u, y, CutToWidth(pDC, row.leftValue, valueLimit), TA_LEFT);
        DrawTextAt(pDC, area.left + width / 2 + u, y, row.rightLabel, TA_LEFT);
        const int rightLimit = k == 0 ? 10 * u - l : valueLimit;
        DrawTextAt(pDC, area.left + width / 2 + 6 * u, y, CutToWidth(pDC, row.rightValue, rightLimit), TA_LEFT);
    }
    pDC->SelectObject(previous);
}

void CMekrView::DrawPageLine(CDC* pDC, const CRect& area, int sheetBottom)
{
    CString line;
    line.Format(ReportText(IDS_PAGE_LINE), m_nCurrentPage, m_nPageCount);
    CFont* previous = pDC->SelectObject(&m_normalFont);
    pDC->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    pDC->TextOut(area.right, std::max(area.bottom - pDC->GetTextExtent(line).cy, sheetBottom), line);
    pDC->SelectObject(previous);
}
