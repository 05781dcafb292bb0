#pragma once
// The header control of a list control in report view (class "SysHeader32"): one head per column,
// drawn by the list's view. The user drags a divider to change a column's width, also opening a
// column of width 0 by dragging just right of the divider it hides behind, and clicks a head.
// The header tells its parent, the list control, through WM_NOTIFY: HDN_BEGINTRACK (a nonzero
// reply forbids the drag), HDN_ITEMCHANGING (a nonzero reply keeps the width), HDN_ITEMCHANGED,
// HDN_ENDTRACK, HDN_ITEMCLICK and HDN_DIVIDERDBLCLICK; the list passes them on to its own parent.

#include "platform/ui/CWnd.h"

class QHeaderView;

constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_TEXT = 0x0002;
constexpr UINT HDI_FORMAT = 0x0004;
constexpr UINT HDI_LPARAM = 0x0008;

constexpr int HDF_LEFT = 0x0000;
constexpr int HDF_RIGHT = 0x0001;
constexpr int HDF_CENTER = 0x0002;

constexpr UINT HHT_NOWHERE = 0x0001;
constexpr UINT HHT_ONHEADER = 0x0002;
constexpr UINT HHT_ONDIVIDER = 0x0004;
constexpr UINT HHT_ONDIVOPEN = 0x0008;
constexpr UINT HHT_TORIGHT = 0x0800;

constexpr UINT HDN_ITEMCHANGING = UINT(-300);
constexpr UINT HDN_ITEMCHANGED = UINT(-301);
constexpr UINT HDN_ITEMCLICK = UINT(-302);
constexpr UINT HDN_DIVIDERDBLCLICK = UINT(-305);
constexpr UINT HDN_BEGINTRACK = UINT(-306);
constexpr UINT HDN_ENDTRACK = UINT(-307);

struct HDITEM
{
    UINT mask = 0;
    int cxy = 0;
    LPTSTR pszText = nullptr;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
};
using LPHDITEM = HDITEM*;

struct NMHEADER
{
    NMHDR hdr;
    int iItem = -1;
    int iButton = 0; // 0 left, 1 right, 2 middle
    HDITEM* pitem = nullptr;
};
using LPNMHEADER = NMHEADER*;

struct HDHITTESTINFO
{
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
};
using LPHDHITTESTINFO = HDHITTESTINFO*;

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    ~CHeaderCtrl() override;

    int GetItemCount() const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    // Only the width, text, format and data of the mask are known.
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEM* pHeaderItem);
    // Which head or divider lies under a point of the header's client area.
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) const;

    // The list control makes its view's header the header control's window.
    BOOL AttachToView(QHeaderView* header);
    // The header goes with its list: destroying it only lets the window go.
    BOOL DestroyWindow() override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    QHeaderView* View() const;
    LRESULT Notify(UINT code, int item, int width);
    void EndTracking();

    int m_nTrackItem = -1;  // the column whose width is being dragged
    int m_nTrackStartX = 0; // where the drag started
    int m_nTrackLastX = 0;
    int m_nTrackStartWidth = 0;
    int m_nPressedItem = -1; // the head pressed for a click
};
