// The table window's printing and preview, and the options commands that bring the changed
// options to every open table.
#include "dataeditor/view/CSobrelView.h"

#include "controls/grid/CGridCellBase.h"
#include "dataeditor/app/COptionsPropertySheet.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/frame/CDocTemplate.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPrintInfo.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/WaitCursor.h"

#include <algorithm>

namespace
{
// Screen logical units of the main window to whole millimetres and back.
int ScreenToMillimetres(int units, CWnd* window)
{
    CClientDC dc(window);
    CSize size(units, 0);
    dc.LPtoHIMETRIC(&size);
    return size.cx / 100;
}

int MillimetresToScreen(int millimetres, CWnd* window)
{
    CClientDC dc(window);
    CSize size(millimetres * 100, 0);
    dc.HIMETRICtoLP(&size);
    return size.cx;
}

// Millimetres to the logical units of a printer's context.
int PrinterUnits(CDC* pDC, int millimetres)
{
    CSize size(millimetres * 100, 0);
    pDC->HIMETRICtoLP(&size);
    return size.cx;
}

// Every view of every open document.
std::vector<CSobrelView*> OpenViews()
{
    std::vector<CSobrelView*> views;
    CSobrelApp* app = SobrelApp();
    if (!app)
        return views;
    for (POSITION templates = app->GetFirstDocTemplatePosition(); templates;)
    {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(templates);
        for (POSITION documents = docTemplate->GetFirstDocPosition(); documents;)
        {
            CDocument* document = docTemplate->GetNextDoc(documents);
            for (POSITION position = document->GetFirstViewPosition(); position;)
                if (auto* view = dynamic_cast<CSobrelView*>(document->GetNextView(position)))
                    views.push_back(view);
        }
    }
    return views;
}
} // namespace

BOOL CSobrelView::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (m_printDirect && pInfo)
        pInfo->m_bDirect = TRUE;
    m_printDirect = false;
    return DoPreparePrinting(pInfo);
}

CRect CSobrelView::PageRect(CDC* pDC) const
{
    CRect page(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    const CSobrelApp* app = SobrelApp();
    if (!app)
        return page;
    const CSobrelOptions& values = app->options;
    int inset[4];
    for (int i = 0; i < 4; ++i)
        inset[i] = PrinterUnits(pDC, std::max(0, values.printMargins[i] - values.printerMinimum[i]));
    page.DeflateRect(inset[0], inset[1], inset[2], inset[3]);
    return page;
}

void CSobrelView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CSobrelApp* app = SobrelApp();
    if (!m_grid || !app)
        return;
    CSobrelOptions& values = app->options;
    values.ReadPrinterMargins(pDC);
    values.ClampMarginsToPrinter();
    m_grid->printFill = values.printFill;
    // Columns that do not fit the page go to further pages across rather than being cut off.
    m_grid->printColumnsAcross = TRUE;
    m_grid->headerFooter = values.headerFooter.empty() ? CString() : values.headerFooter[0];
    if (!values.printRowNumbers)
        m_grid->SetColumnWidth(0, 0);
    if (pInfo)
        pInfo->m_rectDraw = PageRect(pDC);
    m_grid->OnBeginPrinting(pDC, pInfo);
}

void CSobrelView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (!m_grid)
        return;
    if (pInfo)
        pInfo->m_rectDraw = PageRect(pDC);
    m_grid->OnPrint(pDC, pInfo);
}

void CSobrelView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CSobrelApp* app = SobrelApp();
    if (!m_grid || !app)
        return;
    m_grid->OnEndPrinting(pDC, pInfo);
    if (!app->options.printRowNumbers)
    {
        m_grid->SetColumnWidth(0, 1);
        m_grid->AutoSizeColumn(0);
        m_grid->Invalidate();
    }
    // Columns of width 0 (the row-format column, hidden ones) stay hidden.
    if (app->options.autoSizeTableWhilePrinting)
        m_grid->RefreshLayout(TRUE, FALSE);
}

void CSobrelView::OnPrintDirect()
{
    m_printDirect = true;
    CView::OnFilePrint();
    m_printDirect = false;
}

void CSobrelView::OnPrintPreview() { CView::OnFilePrintPreview(); }

void CSobrelView::OnUpdatePrint(CCmdUI* pCmdUI) { pCmdUI->Enable(columnCount > 0); }

void CSobrelView::OnOptions() { RunOptions(0); }

void CSobrelView::OnPrintSetup() { RunOptions(1); }

int CSobrelView::RunOptions(int startPage)
{
    CSobrelApp* app = SobrelApp();
    if (!app)
        return 0;
    CSobrelOptions& values = app->options;
    CWnd* main = app->m_pMainWnd;
    if (main && !values.hasGridFont)
        if (CFont* font = main->GetFont(); font && font->GetLogFont(&values.gridLogFont))
            values.hasGridFont = true;
    const int decimals = values.decimals;
    const int moneyDecimals = values.moneyDecimals;
    const int breakWidth = values.breakTextWidth;
    const int shownWidth = ScreenToMillimetres(breakWidth, main);
    values.breakTextWidth = shownWidth;
    COptionsPropertySheet sheet(UINT(startPage), main);
    if (sheet.DoModal() != IDOK)
    {
        values.breakTextWidth = breakWidth;
        return 0;
    }
    CWaitCursor wait;
    // A width left as it was shown keeps its exact value.
    values.breakTextWidth =
        values.breakTextWidth == shownWidth ? breakWidth : MillimetresToScreen(values.breakTextWidth, main);
    const bool decimalsChanged = values.decimals != decimals || values.moneyDecimals != moneyDecimals;
    for (CSobrelView* view : OpenViews())
    {
        if (!view->m_grid)
            continue;
        if (decimalsChanged)
            view->ReformatDefaultDecimals();
        view->ApplyOptionsToGrid();
        view->ApplyBreakWidth();
        // Rows measured again for the font and the line breaks; the columns by the row formats.
        view->m_grid->AutoSize();
        view->ApplyRowFormats();
    }
    return 1;
}

void CSobrelView::ApplyOptionsToGrid()
{
    CSobrelApp* app = SobrelApp();
    if (!m_grid || !app)
        return;
    const CSobrelOptions& values = app->options;
    CGridDefaultCell* normal = m_grid->GetDefaultCell(FALSE, FALSE);
    normal->SetTextClr(values.colorText);
    normal->SetBackClr(values.colorBack);
    for (auto [fixedRow, fixedColumn] : {std::pair{TRUE, FALSE}, {FALSE, TRUE}, {TRUE, TRUE}})
    {
        CGridDefaultCell* fixed = m_grid->GetDefaultCell(fixedRow, fixedColumn);
        fixed->SetTextClr(values.colorFixedText);
        fixed->SetBackClr(values.colorFixedBack);
    }
    m_grid->SetGridLineColor(values.colorGridLine);
    m_grid->SetGridLines((values.gridLineHorizontal ? GVL_HORZ : GVL_NONE) | (values.gridLineVertical ? GVL_VERT : GVL_NONE));
    m_grid->SetAutoSizeStyle(values.sizeAlsoWithHeaders ? GVS_BOTH : GVS_DATA);
    if (values.hasGridFont)
    {
        CFont font;
        font.CreateFontIndirect(&values.gridLogFont);
        m_grid->SetFont(&font, TRUE);
    }
}

int CSobrelView::BreakWidth() const
{
    const CSobrelApp* app = SobrelApp();
    return app && app->options.breakText ? app->options.breakTextWidth : -1;
}

void CSobrelView::ApplyBreakWidth()
{
    if (!m_grid)
        return;
    const int width = BreakWidth();
    for (int c = fixedColumns; c < m_grid->GetColumnCount(); ++c)
        m_grid->SetColumnBreakWidth(c, width);
}

void CSobrelView::BreakLinesOfRow(int row)
{
    if (!m_grid || row < fixedRows)
        return;
    const int width = BreakWidth();
    for (int c = fixedColumns; c < m_grid->GetColumnCount(); ++c)
        if (const CColumnInfo* info = m_grid->GetColumnInfo(c); info && info->IsText())
            if (CGridCellBase* cell = m_grid->GetCell(row, c))
                cell->SetMaxTextWidth(width);
}

void CSobrelView::ReformatDefaultDecimals()
{
    if (!m_grid)
        return;
    const bool journalled = m_grid->IsEditable();
    bool grouped = false;
    for (int c = fixedColumns; c < m_grid->GetColumnCount(); ++c)
    {
        const CColumnInfo* info = m_grid->GetColumnInfo(c);
        if (!info || !info->IsReal() || info->decimals != -2)
            continue;
        for (int r = fixedRows; r < m_grid->GetRowCount(); ++r)
        {
            const CString before = m_grid->GetItemText(r, c);
            m_grid->RetypeCell(r, c);
            if (!journalled || m_grid->GetItemText(r, c) == before)
                continue;
            if (!grouped)
                PushStep(new CUndoStep(CUndoStep::GroupBegin, this, r, c, LanguageText(IDS_REFORMAT_GROUP)));
            grouped = true;
            PushStep(new CUndoStep(CUndoStep::CellText, this, r, c, before));
        }
        m_grid->AutoSizeColumnWithButton(c, FALSE);
    }
    if (grouped)
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
}
