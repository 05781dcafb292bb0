#include "dataeditor/controls/CPercentProgressCtrl.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CPaintDC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CPercentProgressCtrl, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
int Channel(COLORREF colour, int shift)
{
    return int((colour >> shift) & 0xFF);
}
} // namespace

CPercentProgressCtrl::CPercentProgressCtrl()
    : m_barColours{GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_ACTIVECAPTION)},
      m_backColour(GetSysColor(COLOR_BTNFACE)), m_barTextColour(GetSysColor(COLOR_CAPTIONTEXT)),
      m_backTextColour(GetSysColor(COLOR_BTNTEXT))
{
}

BOOL CPercentProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    m_style = style & (vertical | showPercent | showPosition | textOnBar | gradientOnBar | reversed | snake);
    return CreateEx(0, nullptr, nullptr, style | WS_CHILD, rect, parent, id);
}

void CPercentProgressCtrl::SetRange32(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
    Invalidate();
}

void CPercentProgressCtrl::GetRange(int& lower, int& upper) const
{
    lower = m_lower;
    upper = m_upper;
}

int CPercentProgressCtrl::SetPos(int position)
{
    if (Style() & snake)
        return SetSnakePos(position, false);
    const int previous = m_position;
    m_position = std::clamp(position, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
    Invalidate();
    // Long operations set positions without letting the window system paint: a position
    // that changes the picture is painted at once.
    if (Look() != m_painted)
        UpdateWindow();
    return previous;
}

int CPercentProgressCtrl::OffsetPos(int delta)
{
    if (Style() & snake)
        return SetSnakePos(delta, true);
    return SetPos(m_position + delta);
}

int CPercentProgressCtrl::SetStep(int step)
{
    const int previous = m_step;
    m_step = step;
    return previous;
}

int CPercentProgressCtrl::StepIt()
{
    if (Style() & snake)
        return SetSnakePos(m_step, true);
    const int previous = m_position;
    int next = m_position + m_step;
    if (next > m_upper)
        next = m_lower + (next - m_upper);
    SetPos(next);
    return previous;
}

void CPercentProgressCtrl::SetBarColor(COLORREF from, COLORREF to)
{
    m_barColours = {from, to ? to : from};
    Invalidate();
}

void CPercentProgressCtrl::ModifyBarStyle(DWORD remove, DWORD add)
{
    m_style = (m_style & ~remove) | add;
    Invalidate();
}

void CPercentProgressCtrl::SetShowText(LPCTSTR text, DWORD mode)
{
    const DWORD textBits = showPercent | showPosition;
    const bool off = !text || !*text || !mode;
    m_style = (m_style & ~textBits) | (off ? 0 : mode & textBits);
    m_text = off ? "" : text;
    if (GetSafeHwnd())
        SetWindowText(m_text);
    Invalidate();
}

// Snake mode: the position is the snake's head; past the end it turns and runs back.
int CPercentProgressCtrl::SetSnakePos(int position, bool relative)
{
    int target = position;
    if (relative)
    {
        int head = m_position;
        if (head == m_upper && head - m_snakeTail < m_snakeLength)
            head = m_snakeTail + m_snakeLength;
        target = std::abs(position) + head;
    }
    const int end = m_upper + m_snakeLength;
    if (target > end)
    {
        target = std::min(end, target + m_lower - end);
        m_style ^= reversed;
    }
    m_snakeTail = std::max(target - m_snakeLength, m_lower);
    const int previous = m_position;
    m_position = std::min(target, m_upper);
    Invalidate();
    return previous;
}

CString CPercentProgressCtrl::FormatValue(const CString& format, int value)
{
    std::string text;
    bool filled = false;
    const std::string& f = format.str();
    for (std::size_t i = 0; i < f.size(); ++i)
    {
        if (f[i] != '%')
        {
            text += f[i];
            continue;
        }
        if (i + 1 < f.size() && f[i + 1] == '%')
        {
            text += '%';
            ++i;
            continue;
        }
        const bool placeholder = i + 1 < f.size() && (f[i + 1] == 'd' || f[i + 1] == 'i' || f[i + 1] == 'u');
        if (placeholder && !filled)
        {
            text += std::to_string(value);
            filled = true;
            ++i;
            continue;
        }
        text += '%';
    }
    return CString(std::move(text));
}

BOOL CPercentProgressCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CPercentProgressCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(&dc, client);
}

CRect CPercentProgressCtrl::RangeRect(const CRect& rect, Range range) const
{
    const bool isVertical = Style() & vertical;
    const bool isReversed = Style() & reversed;
    const int length = isVertical ? rect.Height() : rect.Width();
    if (isVertical)
    {
        const int top = rect.top + (isReversed ? range.start : length - range.end);
        return CRect(rect.left, top, rect.right, top + range.end - range.start);
    }
    const int left = rect.left + (isReversed ? length - range.end : range.start);
    return CRect(left, rect.top, left + range.end - range.start, rect.bottom);
}

void CPercentProgressCtrl::Draw(CDC* dc, const CRect& client)
{
    dc->FillSolidRect(&client, m_backColour);
    CRect rect(client.left + m_border.left, client.top + m_border.top, client.right - m_border.right,
               client.bottom - m_border.bottom);
    m_painted = {-1, -1};
    const int length = (Style() & vertical) ? rect.Height() : rect.Width();
    if (!InRange())
        return;
    Range bar{0, BarEnd(length)};
    if (Style() & snake)
        bar.start = int(length * (m_snakeTail - m_lower) / double(m_upper - m_lower));
    const Range whole{0, length};
    DrawMultiGradient(dc, rect, (Style() & gradientOnBar) ? bar : whole, bar);
    DrawText(dc, rect, whole, bar);
    m_painted = {bar.end, TextValue()};
}

bool CPercentProgressCtrl::InRange() const
{
    return m_position >= m_lower && m_position <= m_upper && m_upper > m_lower;
}

int CPercentProgressCtrl::BarEnd(int length) const
{
    if (!InRange())
        return -1;
    return int(length * (m_position - m_lower) / double(m_upper - m_lower));
}

std::pair<int, int> CPercentProgressCtrl::Look() const
{
    CRect client;
    GetClientRect(&client);
    const int length = (Style() & vertical) ? client.Height() - m_border.top - m_border.bottom
                                            : client.Width() - m_border.left - m_border.right;
    const int end = BarEnd(length);
    return end < 0 ? std::pair(-1, -1) : std::pair(end, TextValue());
}

int CPercentProgressCtrl::TextValue() const
{
    const DWORD mode = Style() & (showPercent | showPosition);
    if (mode == showPercent)
        return int(100.0 * (m_position - m_lower) / (m_upper - m_lower));
    return mode == showPosition ? m_position : 0;
}

CString CPercentProgressCtrl::ShownText() const
{
    const DWORD mode = Style() & (showPercent | showPosition);
    if (!mode || !InRange())
        return {};
    CString format = m_text;
    if (GetSafeHwnd())
        GetWindowText(format);
    if (format.IsEmpty() && mode == showPercent)
        format = "%d%%";
    else if (format.IsEmpty() && mode == showPosition)
        format = "%d";
    return format.IsEmpty() ? CString() : FormatValue(format, TextValue());
}

void CPercentProgressCtrl::DrawMultiGradient(CDC* dc, const CRect& rect, Range gradient, Range visible)
{
    const int parts = int(m_barColours.size()) - 1;
    if (parts < 1)
        return;
    const int length = gradient.end - gradient.start;
    for (int i = 0; i < parts; ++i)
    {
        const Range part{gradient.start + i * length / parts,
                         i + 1 == parts ? gradient.end : gradient.start + (i + 1) * length / parts};
        if (part.end <= visible.start)
            continue;
        const Range clipped{std::max(part.start, visible.start), std::min(part.end, visible.end)};
        if (clipped.start < clipped.end)
            DrawGradient(dc, rect, part, clipped, m_barColours[i], m_barColours[i + 1]);
        if (part.end >= visible.end)
            break;
    }
}

void CPercentProgressCtrl::DrawGradient(CDC* dc, const CRect& rect, Range part, Range visible, COLORREF from,
                                        COLORREF to)
{
    const int length = part.end - part.start;
    const int difference[3] = {Channel(to, 0) - Channel(from, 0), Channel(to, 8) - Channel(from, 8),
                               Channel(to, 16) - Channel(from, 16)};
    int steps = std::max({std::abs(difference[0]), std::abs(difference[1]), std::abs(difference[2])});
    steps = std::max(1, std::min(steps, length));
    for (int k = 0; k < steps; ++k)
    {
        const Range step{part.start + k * length / steps, k + 1 == steps ? part.end : part.start + (k + 1) * length / steps};
        if (step.end <= visible.start)
            continue;
        const Range clipped{std::max(step.start, visible.start), std::min(step.end, visible.end)};
        if (clipped.start < clipped.end)
        {
            const COLORREF colour = RGB(BYTE(Channel(from, 0) + k * difference[0] / steps),
                                        BYTE(Channel(from, 8) + k * difference[1] / steps),
                                        BYTE(Channel(from, 16) + k * difference[2] / steps));
            dc->FillSolidRect(RangeRect(rect, clipped), colour);
        }
        if (step.end >= visible.end)
            break;
    }
}

void CPercentProgressCtrl::DrawText(CDC* dc, const CRect& rect, Range whole, Range bar)
{
    const CString text = ShownText();
    if (text.IsEmpty())
        return;
    CFont* oldFont = GetSafeHwnd() && GetFont() ? dc->SelectObject(GetFont()) : nullptr;
    const CSize extent = dc->GetTextExtent(text);
    const bool isVertical = Style() & vertical;
    const int along = isVertical ? extent.cy : extent.cx;
    if (Style() & textOnBar)
    {
        const CRect barRect = RangeRect(rect, bar);
        if ((isVertical ? barRect.Height() : barRect.Width()) >= along)
            DrawClippedText(dc, barRect, barRect.CenterPoint(), text, m_barTextColour);
    }
    else
    {
        const CPoint centre = rect.CenterPoint();
        if (m_barTextColour == m_backTextColour)
            DrawClippedText(dc, RangeRect(rect, whole), centre, text, m_barTextColour);
        else
        {
            if (bar.end > bar.start)
                DrawClippedText(dc, RangeRect(rect, bar), centre, text, m_barTextColour);
            if (bar.end < whole.end)
                DrawClippedText(dc, RangeRect(rect, {bar.end, whole.end}), centre, text, m_backTextColour);
            if (bar.start > whole.start)
                DrawClippedText(dc, RangeRect(rect, {whole.start, bar.start}), centre, text, m_backTextColour);
        }
    }
    if (oldFont)
        dc->SelectObject(oldFont);
}

void CPercentProgressCtrl::DrawClippedText(CDC* dc, const CRect& clip, CPoint centre, const CString& text,
                                           COLORREF colour)
{
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(&clip);
    dc->SetTextColor(colour);
    dc->SetBkMode(TRANSPARENT);
    const CSize extent = dc->GetTextExtent(text);
    dc->TextOut(centre.x - extent.cx / 2, centre.y - extent.cy / 2, text);
    dc->RestoreDC(saved);
}
