#include "platform/ui/CHeaderCtrl.h"

#include "platform/ui/InputRouter.h"
#include "platform/ui/QtText.h"
#include "platform/ui/WinApi.h"

#include <QHeaderView>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{
// Pixels on either side of a divider where a press starts a drag.
constexpr int kDividerGrip = 4;
} // namespace

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BEGIN_MESSAGE_MAP(CHeaderCtrl, CWnd)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_SETCURSOR()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CHeaderCtrl::~CHeaderCtrl()
{
    UnsubclassWindow();
}

BOOL CHeaderCtrl::AttachToView(QHeaderView* header)
{
    if (!header || GetSafeHwnd())
        return FALSE;
    m_style = WS_CHILD | (header->isHidden() ? 0 : WS_VISIBLE);
    m_nID = 0;
    m_className = "SysHeader32";
    // The header takes the mouse itself; the view only draws the heads.
    header->setSectionResizeMode(QHeaderView::Fixed);
    AttachWidget(header);
    return TRUE;
}

BOOL CHeaderCtrl::DestroyWindow()
{
    return UnsubclassWindow() != nullptr;
}

QHeaderView* CHeaderCtrl::View() const
{
    return qobject_cast<QHeaderView*>(GetWidget());
}

int CHeaderCtrl::GetItemCount() const
{
    return View() ? View()->count() : -1;
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    QHeaderView* view = View();
    if (!view || !lpRect || nIndex < 0 || nIndex >= view->count())
        return FALSE;
    lpRect->left = view->sectionViewportPosition(nIndex);
    lpRect->right = lpRect->left + view->sectionSize(nIndex);
    lpRect->top = 0;
    lpRect->bottom = view->height();
    return TRUE;
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const
{
    QHeaderView* view = View();
    if (!view || !pHeaderItem || nPos < 0 || nPos >= view->count())
        return FALSE;
    QAbstractItemModel* model = view->model();
    if (pHeaderItem->mask & HDI_WIDTH)
        pHeaderItem->cxy = view->sectionSize(nPos);
    if ((pHeaderItem->mask & HDI_TEXT) && pHeaderItem->pszText && pHeaderItem->cchTextMax > 0)
    {
        const CString text = ToCString(model->headerData(nPos, Qt::Horizontal).toString());
        const std::size_t length = std::min(std::strlen(text.GetString()), std::size_t(pHeaderItem->cchTextMax - 1));
        std::memcpy(pHeaderItem->pszText, text.GetString(), length);
        pHeaderItem->pszText[length] = '\0';
    }
    if (pHeaderItem->mask & HDI_FORMAT)
    {
        const int alignment = model->headerData(nPos, Qt::Horizontal, Qt::TextAlignmentRole).toInt();
        pHeaderItem->fmt = (alignment & Qt::AlignRight) ? HDF_RIGHT : (alignment & Qt::AlignHCenter) ? HDF_CENTER : HDF_LEFT;
    }
    if (pHeaderItem->mask & HDI_LPARAM)
        pHeaderItem->lParam = LPARAM(model->headerData(nPos, Qt::Horizontal, Qt::UserRole).toLongLong());
    return TRUE;
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem)
{
    QHeaderView* view = View();
    if (!view || !pHeaderItem || nPos < 0 || nPos >= view->count())
        return FALSE;
    QAbstractItemModel* model = view->model();
    if (pHeaderItem->mask & HDI_WIDTH)
        view->resizeSection(nPos, std::max(0, pHeaderItem->cxy));
    if ((pHeaderItem->mask & HDI_TEXT) && pHeaderItem->pszText)
        model->setHeaderData(nPos, Qt::Horizontal, ToQString(pHeaderItem->pszText));
    if (pHeaderItem->mask & HDI_FORMAT)
    {
        const Qt::Alignment alignment = pHeaderItem->fmt == HDF_RIGHT    ? Qt::AlignRight
                                        : pHeaderItem->fmt == HDF_CENTER ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft;
        model->setHeaderData(nPos, Qt::Horizontal, int(alignment | Qt::AlignVCenter), Qt::TextAlignmentRole);
    }
    if (pHeaderItem->mask & HDI_LPARAM)
        model->setHeaderData(nPos, Qt::Horizontal, qlonglong(pHeaderItem->lParam), Qt::UserRole);
    return TRUE;
}

int CHeaderCtrl::HitTest(LPHDHITTESTINFO pInfo) const
{
    QHeaderView* view = View();
    if (!view || !pInfo)
        return -1;
    pInfo->flags = 0;
    pInfo->iItem = -1;
    const int x = pInfo->pt.x;
    if (pInfo->pt.y < 0 || pInfo->pt.y >= view->height() || x < 0)
    {
        pInfo->flags = HHT_NOWHERE;
        return -1;
    }
    // Every divider is the right edge of a column. Just right of a divider, the first column of
    // width 0 behind it is opened; elsewhere near it, the column to its left is sized.
    for (int item = 0; item < view->count(); item++)
    {
        const int left = view->sectionViewportPosition(item);
        const int right = left + view->sectionSize(item);
        if (view->sectionSize(item) == 0 && x >= left && x < left + kDividerGrip &&
            (item == 0 || view->sectionSize(item - 1) > 0))
        {
            pInfo->flags = HHT_ONDIVOPEN;
            pInfo->iItem = item;
            return item;
        }
        if (view->sectionSize(item) > 0 && std::abs(x - right) < kDividerGrip &&
            (x < right || item + 1 >= view->count() || view->sectionSize(item + 1) > 0))
        {
            pInfo->flags = HHT_ONDIVIDER;
            pInfo->iItem = item;
            return item;
        }
    }
    for (int item = 0; item < view->count(); item++)
    {
        const int left = view->sectionViewportPosition(item);
        if (x >= left && x < left + view->sectionSize(item))
        {
            pInfo->flags = HHT_ONHEADER;
            pInfo->iItem = item;
            return item;
        }
    }
    pInfo->flags = HHT_NOWHERE | HHT_TORIGHT;
    return -1;
}

LRESULT CHeaderCtrl::Notify(UINT code, int item, int width)
{
    CWnd* parent = GetParent();
    if (!parent)
        return 0;
    HDITEM hdItem;
    hdItem.mask = HDI_WIDTH;
    hdItem.cxy = width;
    NMHEADER nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = m_nID;
    nm.hdr.code = code;
    nm.iItem = item;
    nm.pitem = &hdItem;
    return parent->SendMessage(WM_NOTIFY, WPARAM(m_nID), reinterpret_cast<LPARAM>(&nm));
}

void CHeaderCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    HDHITTESTINFO hit;
    hit.pt = point;
    const int item = HitTest(&hit);
    if (item < 0)
        return;
    if (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN))
    {
        const int width = View()->sectionSize(item);
        if (Notify(HDN_BEGINTRACK, item, width) != 0)
            return;
        m_nTrackItem = item;
        m_nTrackStartX = m_nTrackLastX = point.x;
        m_nTrackStartWidth = width;
        SetCapture();
        return;
    }
    m_nPressedItem = item;
    SetCapture();
}

void CHeaderCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_nTrackItem < 0)
        return;
    m_nTrackLastX = point.x;
    const int width = std::max(0, m_nTrackStartWidth + int(point.x) - m_nTrackStartX);
    if (width == View()->sectionSize(m_nTrackItem) || Notify(HDN_ITEMCHANGING, m_nTrackItem, width) != 0)
        return;
    View()->resizeSection(m_nTrackItem, width);
    Notify(HDN_ITEMCHANGED, m_nTrackItem, width);
}

void CHeaderCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nTrackItem >= 0)
    {
        if (point.x != m_nTrackLastX)
            OnMouseMove(nFlags, point);
        EndTracking();
        return;
    }
    const int pressed = m_nPressedItem;
    m_nPressedItem = -1;
    if (GetCapture() == this)
        ::ReleaseCapture();
    HDHITTESTINFO hit;
    hit.pt = point;
    if (pressed >= 0 && HitTest(&hit) == pressed && (hit.flags & HHT_ONHEADER))
        Notify(HDN_ITEMCLICK, pressed, View()->sectionSize(pressed));
}

void CHeaderCtrl::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    HDHITTESTINFO hit;
    hit.pt = point;
    const int item = HitTest(&hit);
    if (item >= 0 && (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)))
        Notify(HDN_DIVIDERDBLCLICK, item, View()->sectionSize(item));
}

void CHeaderCtrl::EndTracking()
{
    const int item = m_nTrackItem;
    m_nTrackItem = -1;
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (item >= 0 && View())
        Notify(HDN_ENDTRACK, item, View()->sectionSize(item));
}

void CHeaderCtrl::OnCaptureChanged(CWnd* /*pWnd*/)
{
    m_nPressedItem = -1;
    if (m_nTrackItem >= 0)
        EndTracking();
}

BOOL CHeaderCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    const DWORD pos = ::GetMessagePos();
    CPoint point(GET_X_LPARAM(pos), GET_Y_LPARAM(pos));
    ScreenToClient(&point);
    HDHITTESTINFO hit;
    hit.pt = point;
    if (m_nTrackItem >= 0 || (HitTest(&hit) >= 0 && (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN))))
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}
