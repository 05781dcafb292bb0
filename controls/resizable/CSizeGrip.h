#pragma once
// The size-grip control of a resizable window: dragging it resizes the window it belongs to.
// Its window region is the triangle whose right angle lies in the bottom-right corner; disabled,
// it shows nothing.

#include "platform/ui/CWnd.h"

#include <vector>

class CSizeGrip : public CWnd
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Limits the grip to the triangle of the given size: row y keeps the pixels from width - y on.
    void SetTriangleRegion(const CSize& size);
    static std::vector<CRect> TriangleRows(const CSize& size);

    afx_msg LRESULT OnNcHitTest(CPoint point);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;

    DECLARE_MESSAGE_MAP()
};
