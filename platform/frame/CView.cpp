#include "platform/frame/CView.h"
#include "platform/frame/CCreateContext.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/ui/CPaintDC.h"

#include "platform/gdi/DcState.h"
#include "platform/gdi/SystemMetrics.h"

#include <QPalette>
#include <QWidget>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const
{
    for (CWnd* w = GetParent(); w; w = w->GetParent())
        if (auto* frame = dynamic_cast<CFrameWnd*>(w))
            return frame;
    return nullptr;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(); }

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this)
        SetFocus();
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // Without a maximum page only the first page is printed.
    if (pInfo)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) { return Gdi::PreparePrinting(pInfo, GetWidget()); }

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) { return CWnd::PreCreateWindow(cs); }

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnFilePrint() { Gdi::RunPrint(*this, GetWidget()); }

void CView::OnFilePrintPreview() { Gdi::RunPrintPreview(*this, GetWidget()); }

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    // A view is painted on the window colour.
    if (QWidget* client = GetClientWidget())
    {
        QPalette palette = client->palette();
        palette.setColor(QPalette::Window, Gdi::ToQColor(GetSysColor(COLOR_WINDOW)));
        client->setPalette(palette);
        client->setAutoFillBackground(true);
    }
    if (auto* context = lpcs ? static_cast<CCreateContext*>(lpcs->lpCreateParams) : nullptr)
        if (context->m_pCurrentDoc)
            context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}
