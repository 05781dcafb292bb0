#include "controls/resizable/CSizeGrip.h"

#include <QPaintEvent>
#include <QRegion>
#include <QSizeGrip>

#include <algorithm>

namespace
{
class GripWidget : public QSizeGrip
{
public:
    using QSizeGrip::QSizeGrip;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (isEnabled())
            QSizeGrip::paintEvent(event);
    }
};
} // namespace

BEGIN_MESSAGE_MAP(CSizeGrip, CWnd)
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

BOOL CSizeGrip::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("ScrollBar", nullptr, dwStyle, rect, pParentWnd, nID);
}

QWidget* CSizeGrip::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    return new GripWidget(parent);
}

std::vector<CRect> CSizeGrip::TriangleRows(const CSize& size)
{
    std::vector<CRect> rows;
    for (int y = 0; y < size.cy; ++y)
    {
        const int left = std::max(0, int(size.cx) - y);
        if (left < size.cx)
            rows.emplace_back(left, y, size.cx, y + 1);
    }
    return rows;
}

void CSizeGrip::SetTriangleRegion(const CSize& size)
{
    QRegion region;
    for (const CRect& r : TriangleRows(size))
        region += QRect(r.left, r.top, r.Width(), r.Height());
    if (QWidget* widget = GetWidget())
        widget->setMask(region);
}

LRESULT CSizeGrip::OnNcHitTest(CPoint)
{
    return (GetExStyle() & WS_EX_LAYOUTRTL) ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
}
