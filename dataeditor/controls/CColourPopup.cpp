#include "dataeditor/controls/CColourPopup.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/InputRouter.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CColourPopup, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

const CColourPopup::NamedColour CColourPopup::table[colourCount] = {
    {"Černá", RGB(0, 0, 0)},
    {"Hnědá", RGB(165, 42, 0)},
    {"Tmavě olivově zelená", RGB(0, 64, 64)},
    {"Tmavě zelená", RGB(0, 85, 0)},
    {"Šedo-modrá", RGB(0, 0, 94)},
    {"Tmavě modrá", RGB(0, 0, 139)},
    {"Indigová", RGB(75, 0, 130)},
    {"Tmavě šedá", RGB(40, 40, 40)},
    {"Tmavě červená", RGB(139, 0, 0)},
    {"Oranžová", RGB(255, 104, 32)},
    {"Tmavě žlutá", RGB(139, 139, 0)},
    {"Zelená", RGB(0, 147, 0)},
    {"Šedo-zelená", RGB(56, 142, 142)},
    {"Modrá", RGB(0, 0, 255)},
    {"Modro-šedá", RGB(123, 123, 192)},
    {"Šedá - 40%", RGB(102, 102, 102)},
    {"Červená", RGB(255, 0, 0)},
    {"Světle oranžová", RGB(255, 173, 91)},
    {"Žluto-zelená", RGB(50, 205, 50)},
    {"Mořská zelená", RGB(60, 179, 113)},
    {"Azurová", RGB(127, 255, 212)},
    {"Světle modrá", RGB(125, 158, 192)},
    {"Fialová", RGB(128, 0, 128)},
    {"Šedá - 50%", RGB(127, 127, 127)},
    {"Růžová", RGB(255, 192, 203)},
    {"Zlatá", RGB(255, 215, 0)},
    {"Žlutá", RGB(255, 255, 0)},
    {"Světle zelená", RGB(0, 255, 0)},
    {"Tyrkisová", RGB(64, 224, 208)},
    {"Nebeská modř", RGB(192, 255, 255)},
    {"Švestková", RGB(72, 0, 72)},
    {"Světle šedá", RGB(192, 192, 192)},
    {"Světle růžová", RGB(255, 228, 225)},
    {"Žluto-hnědá", RGB(210, 180, 140)},
    {"Světle žlutá", RGB(255, 255, 224)},
    {"Bledě zelená", RGB(152, 251, 152)},
    {"Bledě tyrkisová", RGB(175, 238, 238)},
    {"Bledě modrá", RGB(104, 131, 139)},
    {"Levandulová", RGB(230, 230, 250)},
    {"Bílá", RGB(255, 255, 255)},
};

BOOL CColourPopup::Create(CPoint point, COLORREF initial, CWnd* owner, LPCTSTR defaultText, LPCTSTR customText)
{
    m_owner = owner;
    m_initialColour = m_currentColour = initial;
    m_defaultText = defaultText ? defaultText : "";
    m_customText = customText ? customText : "";
    m_margin = GetSystemMetrics(SM_CXEDGE);
    m_boxSize = std::max(18, 2 * m_margin + 7);
    if (!CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(point, CSize(100, 100)), owner, 0))
        return FALSE;
    Layout(point);
    m_chosenBox = ChosenBoxOf(initial);
    SetCapture();
    return TRUE;
}

int CColourPopup::ChosenBoxOf(COLORREF colour) const
{
    if (colour == automatic && !m_defaultText.IsEmpty())
        return defaultBox;
    for (int i = 0; i < colourCount; ++i)
        if (table[i].colour == colour)
            return i;
    return m_customText.IsEmpty() ? noBox : customBox;
}

void CColourPopup::Layout(CPoint point)
{
    const int m = m_margin, s = m_boxSize;
    int textWidth = 0, textHeight = 0;
    if (!m_defaultText.IsEmpty() || !m_customText.IsEmpty())
    {
        CClientDC dc(this);
        const CSize a = dc.GetTextExtent(m_defaultText), b = dc.GetTextExtent(m_customText);
        textWidth = std::max(a.cx, b.cx) + 2 * m;
        textHeight = std::max(a.cy, b.cy) + 4 * m + 2;
    }
    int width = columns * s + 2 * m, height = rows * s + 2 * m;
    m_colourTop = 0;
    if (!m_defaultText.IsEmpty())
    {
        width = std::max(width, textWidth);
        m_defaultRect = CRect(m, m, width - m, textHeight + 2 * m);
        height += m_defaultRect.Height() + 2 * m;
        m_colourTop = m_defaultRect.Height() + m;
    }
    if (!m_customText.IsEmpty())
    {
        width = std::max(width, textWidth);
        m_customRect = CRect(m, height, width - m, height + m + textHeight);
        height += m_customRect.Height() + 2 * m;
    }
    // Text boxes span the final width.
    m_defaultRect.right = m_customRect.right = width - m;
    CRect window(point, CSize(width, height));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (window.right > screenWidth)
        window.OffsetRect(screenWidth - window.right, 0);
    if (window.left < 0)
        window.OffsetRect(-window.left, 0);
    if (window.bottom > screenHeight)
    {
        CRect owner(0, 0, 0, 0);
        if (m_owner)
            m_owner->GetWindowRect(&owner);
        window.OffsetRect(0, -(window.Height() + owner.Height()));
    }
    MoveWindow(&window, TRUE);
}

CRect CColourPopup::BoxRect(int box) const
{
    if (box == defaultBox)
        return m_defaultRect;
    if (box == customBox)
        return m_customRect;
    const int left = (box % columns) * m_boxSize + m_margin;
    const int top = (box / columns) * m_boxSize + m_margin + m_colourTop;
    return CRect(left, top, left + m_boxSize, top + m_boxSize);
}

int CColourPopup::BoxAt(CPoint point) const
{
    if (!m_customText.IsEmpty() && m_customRect.PtInRect(point))
        return customBox;
    if (!m_defaultText.IsEmpty() && m_defaultRect.PtInRect(point))
        return defaultBox;
    const int x = point.x - m_margin, y = point.y - m_margin - m_colourTop;
    if (x < 0 || y < 0 || x >= columns * m_boxSize || y >= rows * m_boxSize)
        return noBox;
    return (y / m_boxSize) * columns + x / m_boxSize;
}

int CColourPopup::NextBox(int box, UINT key) const
{
    const bool hasDefault = !m_defaultText.IsEmpty(), hasCustom = !m_customText.IsEmpty();
    const int last = colourCount - 1;
    const int beforeFirst = hasDefault ? defaultBox : hasCustom ? customBox : last;
    const int afterLast = hasCustom ? customBox : hasDefault ? defaultBox : 0;
    switch (key)
    {
    case VK_LEFT:
    case VK_UP:
        if (box == defaultBox)
            return hasCustom ? customBox : last;
        if (box == customBox)
            return last;
        if (key == VK_LEFT)
            return box == 0 ? beforeFirst : box - 1;
        return box < columns ? beforeFirst : box - columns;
    case VK_RIGHT:
    case VK_DOWN:
        if (box == defaultBox)
            return 0;
        if (box == customBox)
            return hasDefault ? defaultBox : 0;
        if (key == VK_RIGHT)
            return box == last ? afterLast : box + 1;
        return box + columns > last ? afterLast : box + columns;
    default:
        return box;
    }
}

void CColourPopup::ChangeSelection(int box)
{
    if (box == m_currentBox)
        return;
    const int old = m_currentBox;
    m_currentBox = box;
    if (old != noBox)
        InvalidateRect(BoxRect(old));
    InvalidateRect(BoxRect(box));
    COLORREF colour = m_initialColour;
    if (box == defaultBox)
        colour = m_currentColour = automatic;
    else if (box >= 0)
        colour = m_currentColour = table[box].colour;
    if (m_owner)
        m_owner->SendMessage(selectionChange, WPARAM(colour), 0);
}

void CColourPopup::EndSelection(bool accepted)
{
    if (m_ended)
        return;
    m_ended = true;
    ReleaseCapture();
    if (accepted && m_currentBox == customBox)
    {
        m_colourDialogOpen = true;
        CColorDialog dialog(m_initialColour, CC_FULLOPEN | CC_ANYCOLOR, this);
        if (dialog.DoModal() == IDOK)
            m_currentColour = dialog.GetColor();
        else
            accepted = false;
        m_colourDialogOpen = false;
    }
    if (!accepted)
        m_currentColour = m_initialColour;
    if (m_owner)
        m_owner->SendMessage(accepted ? endAccepted : endCancelled, WPARAM(m_currentColour), 0);
    DestroyWindow();
}

void CColourPopup::PostNcDestroy()
{
    delete this;
}

void CColourPopup::OnMouseMove(UINT, CPoint point)
{
    const int box = BoxAt(point);
    if (box != noBox)
        ChangeSelection(box);
}

void CColourPopup::OnLButtonUp(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    EndSelection(client.PtInRect(point) != FALSE);
}

void CColourPopup::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    switch (key)
    {
    case VK_RETURN:
    case VK_SPACE:
        EndSelection(true);
        return;
    case VK_ESCAPE:
        EndSelection(false);
        return;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        ChangeSelection(NextBox(m_currentBox == noBox ? m_chosenBox : m_currentBox, key));
        return;
    default:
        CWnd::OnKeyDown(key, repeat, flags);
    }
}

void CColourPopup::OnActivateApp(BOOL active, DWORD)
{
    if (!active)
        EndSelection(false);
}

void CColourPopup::OnPaint()
{
    CPaintDC dc(this);
    if (!m_defaultText.IsEmpty())
        DrawBox(&dc, defaultBox);
    for (int i = 0; i < colourCount; ++i)
        DrawBox(&dc, i);
    if (!m_customText.IsEmpty())
        DrawBox(&dc, customBox);
    CRect client;
    GetClientRect(&client);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
}

void CColourPopup::DrawBox(CDC* dc, int box)
{
    CRect rect = BoxRect(box);
    if (box == customBox)
    {
        const int m = m_margin;
        dc->FillSolidRect(rect.left + 2 * m, rect.top, rect.Width() - 4 * m, 1, GetSysColor(COLOR_BTNSHADOW));
        dc->FillSolidRect(rect.left + 2 * m, rect.top + 1, rect.Width() - 4 * m, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
        rect.top += 2 * m;
    }
    const bool textBox = box < 0;
    const bool chosenOnly = box == m_chosenBox && box != m_currentBox;
    dc->FillSolidRect(&rect, GetSysColor(chosenOnly ? (textBox ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT) : COLOR_BTNFACE));
    if (box == m_currentBox)
        dc->DrawEdge(&rect, BDR_RAISEDINNER, BF_RECT);
    else if (box == m_chosenBox)
        dc->DrawEdge(&rect, BDR_SUNKENOUTER, BF_RECT);
    if (textBox)
    {
        if (box == defaultBox)
        {
            CRect outline = rect;
            outline.DeflateRect(2 * m_margin, 2 * m_margin);
            dc->FillSolidRect(outline.left, outline.top, outline.Width(), 1, GetSysColor(COLOR_BTNSHADOW));
            dc->FillSolidRect(outline.left, outline.bottom - 1, outline.Width(), 1, GetSysColor(COLOR_BTNSHADOW));
            dc->FillSolidRect(outline.left, outline.top, 1, outline.Height(), GetSysColor(COLOR_BTNSHADOW));
            dc->FillSolidRect(outline.right - 1, outline.top, 1, outline.Height(), GetSysColor(COLOR_BTNSHADOW));
        }
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc->DrawText(box == defaultBox ? m_defaultText : m_customText, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    CRect swatch = rect;
    swatch.DeflateRect(m_margin + 1, m_margin + 1);
    dc->FillSolidRect(&swatch, GetSysColor(COLOR_BTNSHADOW));
    swatch.DeflateRect(1, 1);
    dc->FillSolidRect(&swatch, table[box].colour);
}
