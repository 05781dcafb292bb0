#include "dataeditor/controls/CColourPicker.h"

#include "dataeditor/controls/CColourPopup.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CPaintDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CColourPicker, CWnd)

BEGIN_MESSAGE_MAP(CColourPicker, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONUP()
ON_MESSAGE(CColourPopup::selectionChange, OnSelectionChange)
ON_MESSAGE(CColourPopup::endAccepted, OnEndAccepted)
ON_MESSAGE(CColourPopup::endCancelled, OnEndCancelled)
END_MESSAGE_MAP()

CColourPicker::CColourPicker() : backColour(GetSysColor(COLOR_BTNFACE)), textColour(GetSysColor(COLOR_BTNTEXT)) {}

int CColourPicker::ArrowSide() const
{
    return std::max(std::max(5 * GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CXHTHUMB)),
                    std::max(5 * GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CYVTHUMB)));
}

BOOL CColourPicker::CreateOver(CWnd* dialog, UINT id)
{
    CWnd* placeholder = dialog ? dialog->GetDlgItem(id) : nullptr;
    if (!placeholder)
        return FALSE;
    CRect rect;
    placeholder->GetWindowRect(&rect);
    dialog->ScreenToClient(&rect);
    CString text;
    placeholder->GetWindowText(text);
    placeholder->ShowWindow(SW_HIDE);
    placeholder->SetDlgCtrlID(0);
    const int side = ArrowSide();
    rect.right = rect.left + std::max(int(rect.Width()), 2 * (GetSystemMetrics(SM_CXEDGE) + side));
    rect.bottom = rect.top + side + 2 * GetSystemMetrics(SM_CYEDGE);
    return CreateEx(0, nullptr, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, dialog, id);
}

CRect CColourPicker::ArrowRect() const
{
    CRect client;
    GetClientRect(&client);
    const int side = ArrowSide();
    return CRect(client.right - side - GetSystemMetrics(SM_CXEDGE), client.top + GetSystemMetrics(SM_CYEDGE),
                 client.right - GetSystemMetrics(SM_CXEDGE), client.bottom - GetSystemMetrics(SM_CYEDGE));
}

void CColourPicker::SetColour(COLORREF colour)
{
    if (selectionMode == 1)
        SetTextColour(colour);
    else
        SetBkColour(colour);
}

void CColourPicker::SetBkColour(COLORREF colour)
{
    backColour = colour;
    if (GetSafeHwnd())
        RedrawWindow();
}

void CColourPicker::SetTextColour(COLORREF colour)
{
    textColour = colour;
    if (GetSafeHwnd())
        RedrawWindow();
}

COLORREF CColourPicker::DrawnBackColour() const
{
    return backColour == CColourPopup::automatic || !IsWindowEnabled() ? GetSysColor(COLOR_BTNFACE) : backColour;
}

COLORREF CColourPicker::DrawnTextColour() const
{
    return textColour == CColourPopup::automatic ? RGB(0, 0, 0) : textColour;
}

void CColourPicker::OnPaint()
{
    CPaintDC dc(this);
    CRect item;
    GetClientRect(&item);
    CRect arrow = ArrowRect();
    dc.DrawFrameControl(&arrow, DFC_SCROLL,
                        DFCS_SCROLLDOWN | (active ? DFCS_PUSHED : 0) | (IsWindowEnabled() ? 0 : DFCS_INACTIVE));
    dc.DrawEdge(&item, EDGE_SUNKEN, BF_RECT);
    CRect fill = item;
    fill.DeflateRect(GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
    fill.right -= arrow.Width();
    dc.FillSolidRect(&fill, DrawnBackColour());
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return;
    dc.SetBkMode(TRANSPARENT);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!IsWindowEnabled())
    {
        CRect shifted = fill;
        shifted.OffsetRect(1, 1);
        dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(text, &shifted, format);
        dc.SetTextColor(GetSysColor(COLOR_BTNSHADOW));
    }
    else
        dc.SetTextColor(DrawnTextColour());
    dc.DrawText(text, &fill, format);
}

void CColourPicker::OnLButtonUp(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point) && IsWindowEnabled())
        OpenPopup();
}

void CColourPicker::OpenPopup()
{
    active = true;
    CRect window;
    GetWindowRect(&window);
    popup = new CColourPopup;
    if (!popup->Create(CPoint(window.left, window.bottom), GetColour(), this, defaultText, customText))
    {
        delete popup;
        popup = nullptr;
        return;
    }
    Notify(CColourPopup::dropDown, GetColour());
}

void CColourPicker::Notify(UINT message, COLORREF colour)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(message, WPARAM(colour), LPARAM(GetDlgCtrlID()));
}

LRESULT CColourPicker::OnSelectionChange(WPARAM colour, LPARAM)
{
    if (trackSelection)
        SetColour(COLORREF(colour));
    Notify(CColourPopup::selectionChange, COLORREF(colour));
    return 0;
}

LRESULT CColourPicker::OnEndAccepted(WPARAM colour, LPARAM)
{
    active = false;
    popup = nullptr;
    const COLORREF before = GetColour();
    SetColour(COLORREF(colour));
    Notify(CColourPopup::closeUp, COLORREF(colour));
    Notify(CColourPopup::endAccepted, COLORREF(colour));
    if (COLORREF(colour) != before)
        Notify(CColourPopup::selectionChange, COLORREF(colour));
    return 0;
}

LRESULT CColourPicker::OnEndCancelled(WPARAM colour, LPARAM)
{
    active = false;
    popup = nullptr;
    SetColour(COLORREF(colour));
    Notify(CColourPopup::closeUp, COLORREF(colour));
    Notify(CColourPopup::endCancelled, COLORREF(colour));
    return 0;
}
