#pragma once
// Keeps the child controls of a resizable window in place while the window changes size.
// A mix-in without a window of its own: the window class it is mixed into supplies the window.
//
// Each control is tied by its top-left and bottom-right corners to two anchor points given in
// percent of the layout area, plus a fixed pixel margin from each point. Plain anchors are placed
// first; callback entries (filled just before they are placed, such as a sheet's active page)
// follow in a second batch.

#include "controls/resizable/Anchor.h"
#include "controls/resizable/LayoutInfo.h"
#include "platform/core/WinTypes.h"

#include <vector>

class CWnd;
class CDC;

class CResizableLayout
{
public:
    using LayoutInfo = ::LayoutInfo;

    virtual ~CResizableLayout() = default;

    // Anchors a control once, after the window's controls exist and before the first arrangement.
    void AddAnchor(HWND hWnd, ANCHOR topLeft, ANCHOR bottomRight = AnchorNone);
    void AddCallbackEntry(UINT nCallbackId);

    // Places every entry for the current size of the layout area.
    void ArrangeLayout();

    // Cuts the visible anchored controls out of (or adds them to) the background erase.
    void ClipAnchoredChildren(CDC* pDC);
    void ApplyChildClip(HWND hWnd, CDC* pDC);

    void RemoveAllAnchors();

    int GetAnchorCount() const { return int(m_entries.size()); }
    const LayoutInfo& GetAnchor(int index) const { return m_entries[std::size_t(index)]; }

protected:
    virtual BOOL LikesClipping(HWND hWnd);
    virtual BOOL NeedsRefresh(HWND hWnd);
    virtual void GetLayoutClientRect(LPRECT lpRect);
    virtual BOOL GetCallbackRect(LayoutInfo& info);
    virtual CWnd* GetLayoutWindow() = 0;

    // The positioning flags of a move from one rectangle to another; 0 when nothing moves.
    static UINT PositionFlags(const CRect& oldRect, const CRect& newRect, BOOL bRefresh);

private:
    CRect ChildRect(HWND hWnd);
    BOOL RefreshAfterMove(const LayoutInfo& info, const CRect& oldRect, const CRect& newRect);

    std::vector<LayoutInfo> m_entries;
    int m_nPlainEntries = 0;
};
