#include "controls/resizable/CResizableLayout.h"

#include "controls/resizable/CControlKind.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WinApi.h"

namespace
{
CControlKind KindOf(HWND hWnd)
{
    const CWnd* pWnd = CWnd::FromHandle(hWnd);
    return pWnd ? CControlKind(pWnd->GetClassName().c_str(), pWnd->GetStyle()) : CControlKind("", 0);
}

constexpr UINT BasicMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
} // namespace

void CResizableLayout::AddAnchor(HWND hWnd, ANCHOR topLeft, ANCHOR bottomRight)
{
    CWnd* pChild = CWnd::FromHandle(hWnd);
    if (!pChild)
        return;
    const CControlKind kind = KindOf(hWnd);
    if (kind.IsGroupBox())
        pChild->ModifyStyle(0, WS_CLIPSIBLINGS);

    LayoutInfo info;
    info.hWnd = hWnd;
    info.bAdjustHScroll = kind.IsListBox();
    info.bNeedsRefresh = NeedsRefresh(hWnd);
    CRect area;
    GetLayoutClientRect(&area);
    info.Anchor(area.Size(), ChildRect(hWnd), topLeft, bottomRight);

    m_entries.insert(m_entries.begin() + m_nPlainEntries, info);
    ++m_nPlainEntries;
}

void CResizableLayout::AddCallbackEntry(UINT nCallbackId)
{
    LayoutInfo info;
    info.nCallbackId = nCallbackId;
    m_entries.push_back(info);
}

void CResizableLayout::RemoveAllAnchors()
{
    m_entries.clear();
    m_nPlainEntries = 0;
}

void CResizableLayout::ArrangeLayout()
{
    CRect area;
    GetLayoutClientRect(&area);
    const CSize size = area.Size();

    HDWP hdwp = BeginDeferWindowPos(int(m_entries.size()));
    for (std::size_t i = 0; i < m_entries.size(); ++i)
    {
        LayoutInfo info = m_entries[i];
        if (!info.hWnd)
        {
            // Callback entries are computed after every plain entry has been moved.
            if (int(i) == m_nPlainEntries)
            {
                EndDeferWindowPos(hdwp);
                hdwp = BeginDeferWindowPos(int(m_entries.size() - i));
            }
            if (!GetCallbackRect(info) || !info.hWnd)
                continue;
        }
        if (!IsWindow(info.hWnd))
            continue;
        const CRect oldRect = ChildRect(info.hWnd);
        const CRect newRect = info.PlaceIn(size);
        const UINT flags = PositionFlags(oldRect, newRect, RefreshAfterMove(info, oldRect, newRect));
        if (flags)
            hdwp = DeferWindowPos(hdwp, info.hWnd, nullptr, newRect.left, newRect.top, newRect.Width(),
                                  newRect.Height(), flags);
    }
    EndDeferWindowPos(hdwp);
}

UINT CResizableLayout::PositionFlags(const CRect& oldRect, const CRect& newRect, BOOL bRefresh)
{
    if (newRect == oldRect)
        return 0;
    UINT flags = BasicMoveFlags;
    if (bRefresh)
        flags |= SWP_NOCOPYBITS;
    if (newRect.TopLeft() == oldRect.TopLeft())
        flags |= SWP_NOMOVE;
    if (newRect.Size() == oldRect.Size())
        flags |= SWP_NOSIZE;
    return flags;
}

BOOL CResizableLayout::RefreshAfterMove(const LayoutInfo& info, const CRect& oldRect, const CRect& newRect)
{
    if (!info.bAdjustHScroll)
        return info.bNeedsRefresh;
    // A list box scrolled to the right must repaint when its widening shows more of its items.
    CWnd* pChild = CWnd::FromHandle(info.hWnd);
    const int limit = pChild->GetScrollLimit(SB_HORZ);
    const int widthChange = newRect.Width() - oldRect.Width();
    return limit > 0 && pChild->GetScrollPos(SB_HORZ) > limit - widthChange;
}

void CResizableLayout::ClipAnchoredChildren(CDC* pDC)
{
    for (const LayoutInfo& info : m_entries)
        if (info.hWnd && IsWindowVisible(info.hWnd))
            ApplyChildClip(info.hWnd, pDC);
}

void CResizableLayout::ApplyChildClip(HWND hWnd, CDC* pDC)
{
    CRect rect = ChildRect(hWnd);
    pDC->DPtoLP(&rect);
    CRgn region;
    region.CreateRectRgnIndirect(&rect);
    pDC->ExtSelectClipRgn(&region, LikesClipping(hWnd) ? RGN_DIFF : RGN_OR);
}

CRect CResizableLayout::ChildRect(HWND hWnd)
{
    CRect rect;
    CWnd::FromHandle(hWnd)->GetWindowRect(&rect);
    GetLayoutWindow()->ScreenToClient(&rect);
    return rect;
}

BOOL CResizableLayout::LikesClipping(HWND hWnd)
{
    return KindOf(hWnd).LikesClipping();
}

BOOL CResizableLayout::NeedsRefresh(HWND hWnd)
{
    return KindOf(hWnd).NeedsRefresh();
}

void CResizableLayout::GetLayoutClientRect(LPRECT lpRect)
{
    GetLayoutWindow()->GetClientRect(lpRect);
}

BOOL CResizableLayout::GetCallbackRect(LayoutInfo&)
{
    return FALSE;
}
