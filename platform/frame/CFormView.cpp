#include "platform/frame/CFormView.h"

#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogBuilder.h"
#include "platform/ui/UiResources.h"

#include <cmath>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CFormView, CView)

BEGIN_MESSAGE_MAP(CFormView, CView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace
{
int Scale(int units, double base, int divisor) { return int(std::lround(units * base / divisor)); }

CRect ToPixels(int x, int y, int cx, int cy, double bx, double by)
{
    CRect r(Scale(x, bx, 4), Scale(y, by, 8), 0, 0);
    r.right = r.left + Scale(cx, bx, 4);
    r.bottom = r.top + Scale(cy, by, 8);
    return r;
}
} // namespace

CFormView::CFormView(LPCTSTR lpszTemplateName)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDTemplate = UINT(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    else if (lpszTemplateName && lpszTemplateName[0] == '#')
        m_nIDTemplate = UINT(std::strtoul(lpszTemplateName + 1, nullptr, 10));
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    const DialogTemplate* t = UiResources::FindDialog(m_nIDTemplate);
    if (!t)
        return -1;
    double bx = 6, by = 13;
    const HFONT font = DialogBuilder::FontOf(*t, bx, by);
    SetFontHandle(font, FALSE);
    m_totalSize = ToPixels(0, 0, t->cx, t->cy, bx, by).Size();
    for (int i = 0; i < t->itemCount; ++i)
    {
        const DialogItemTemplate& item = t->items[i];
        std::unique_ptr<CWnd> owned(DialogBuilder::NewWindowOfClass(item.className));
        CWnd* control = owned.get();
        const DWORD style = item.style | WS_CHILD;
        if (!control->CreateEx(item.exStyle, item.className, item.text, style & ~WS_VISIBLE,
                               ToPixels(item.x, item.y, item.cx, item.cy, bx, by), this, UINT(item.id)))
            continue;
        m_controls.push_back(std::move(owned));
        control->SetFontHandle(font, FALSE);
        if (style & WS_VISIBLE)
            control->ShowWindow(SW_SHOWNA);
    }
    return 0;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

void CFormView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = MM_TEXT;
    sizeTotal = m_totalSize;
    sizePage = CSize(m_totalSize.cx / 10, m_totalSize.cy / 10);
    sizeLine = CSize(m_totalSize.cx / 100, m_totalSize.cy / 100);
}
