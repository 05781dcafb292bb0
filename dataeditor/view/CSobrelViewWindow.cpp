// The table window itself: commands offered to the grid first, the picture of a table without
// columns, the editing tool bar shown while a writable table is active, and the position and
// language panes of the status bar.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/WindowIds.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CStatusBar.h"
#include "platform/frame/CWinApp.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CCmdUI.h"

namespace
{
// Shows a text in a status pane as wide as the text in the bar's font. A pane that already shows
// it is left alone: repainting it on every idle pass would wake the idle loop again and again.
void ShowInPane(CCmdUI* pCmdUI, const CString& text)
{
    auto* bar = dynamic_cast<CStatusBar*>(pCmdUI->m_pOther);
    if (!bar)
    {
        pCmdUI->SetText(text);
        return;
    }
    const int index = int(pCmdUI->m_nIndex);
    UINT id = 0;
    UINT style = 0;
    int width = 0;
    bar->GetPaneInfo(index, id, style, width);
    const int fitted = bar->GetTextWidth(text);
    if (bar->GetPaneText(index) == text && width == fitted)
        return;
    pCmdUI->SetText(text);
    bar->SetPaneInfo(index, id, style, fitted);
    bar->Invalidate();
}
} // namespace

BOOL CSobrelView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (m_grid && m_grid->GetSafeHwnd() && m_grid->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CSobrelView::OnDraw(CDC* pDC)
{
    if (!m_grid || m_grid->GetColumnCount() > 0)
        return;
    CBitmap picture;
    if (!picture.LoadBitmap(IDB_EMPTY_TABLE))
        return;
    BITMAP size;
    picture.GetBitmap(&size);
    CDC memory;
    if (!memory.CreateCompatibleDC(pDC))
        return;
    CBitmap* old = memory.SelectObject(&picture);
    CRect client;
    GetClientRect(&client);
    pDC->BitBlt((client.Width() - size.bmWidth) / 2, (client.Height() - size.bmHeight) / 2, size.bmWidth,
                size.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CSobrelView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (bActivate && !m_activating)
    {
        m_activating = true;
        auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
        CControlBar* bar = frame ? frame->GetControlBar(ID_VIEW_EDITBAR) : nullptr;
        const bool show = Writable();
        // A floating bar the user placed is left as it is.
        if (bar && bool(bar->IsVisible()) != show && !(show && bar->IsFloating()))
            frame->ShowControlBar(bar, show, FALSE);
        // The status bar still tells of the column of the table left.
        const CCellID focus = m_grid ? m_grid->GetFocusCell() : CCellID();
        if (m_grid && m_grid->IsValid(focus))
            ShowColumnDescription(focus.col);
        m_activating = false;
    }
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CSobrelView::OnUpdatePositionPane(CCmdUI* pCmdUI)
{
    const CCellID focus = m_grid ? m_grid->GetFocusCell() : CCellID();
    const bool valid = m_grid && m_grid->IsValid(focus);
    CString text;
    text.Format(LanguageText(IDS_POSITION_PANE), valid ? focus.row : 0, rowCount,
                valid ? focus.col - fixedColumns + 1 : 0, columnCount);
    pCmdUI->Enable(rowCount > 0);
    ShowInPane(pCmdUI, text);
}

void CSobrelView::OnUpdateLanguagePane(CCmdUI* pCmdUI)
{
    const CSobrelApp* app = SobrelApp();
    const CString text = app ? app->language : CString();
    ShowInPane(pCmdUI, text);
}
