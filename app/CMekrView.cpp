#include "app/CMekrView.h"

#include "app/NotAvailable.h"
#include "platform/frame/FrameIds.h"

IMPLEMENT_DYNCREATE(CMekrView, CView)

BEGIN_MESSAGE_MAP(CMekrView, CView)
    ON_COMMAND(ID_FILE_PRINT, OnNotAvailable)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnNotAvailable)
    ON_COMMAND(ID_FILE_PAGE_SETUP, OnNotAvailable)
END_MESSAGE_MAP()

void CMekrView::OnDraw(CDC* /*pDC*/) {}

void CMekrView::OnNotAvailable()
{
    ShowNotAvailable();
}
