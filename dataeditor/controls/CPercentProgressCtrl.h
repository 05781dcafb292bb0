#pragma once
// The data editor's progress bar: a bar filled with a gradient through two or more colours,
// an optional text over it (the percentage, the position, or a format in the window text)
// drawn in one colour over the filled part and another over the empty part, a reversed and a
// vertical form, and a snake mode in which a block of fixed length runs through the range and
// turns at its ends.

#include "platform/ui/CWnd.h"

#include <utility>
#include <vector>

class CDC;

class CPercentProgressCtrl : public CWnd
{
public:
    // Style bits of the window.
    static constexpr DWORD vertical = 0x4;
    static constexpr DWORD showPercent = 0x100;
    static constexpr DWORD showPosition = 0x200;
    static constexpr DWORD textOnBar = 0x1000;
    static constexpr DWORD gradientOnBar = 0x2000;
    static constexpr DWORD reversed = 0x4000;
    static constexpr DWORD snake = 0x8000;

    CPercentProgressCtrl();

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int GetPos() const { return m_position; }
    // Each gives the previous position; in snake mode the snake moves.
    int SetPos(int position);
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();

    // The bar colours: from colour, then to colour (or the from colour again when to is 0).
    void SetBarColor(COLORREF from, COLORREF to = 0);
    void SetBarColors(std::vector<COLORREF> colours) { m_barColours = std::move(colours); }
    void SetBkColor(COLORREF colour) { m_backColour = colour; }
    // A null or empty text or mode 0 ends the text; else mode (showPercent or showPosition)
    // and the text as the format.
    void SetShowText(LPCTSTR text, DWORD mode);
    // The style bits above.
    DWORD GetBarStyle() const { return m_style; }
    void ModifyBarStyle(DWORD remove, DWORD add);
    // The text over the bar at its position (empty when none is shown).
    CString ShownText() const;

    // Paints the control into rect of dc.
    void Draw(CDC* dc, const CRect& rect);

    // The text shown for a value: the format's one integer placeholder filled, "%%" a percent
    // sign, any other "%" as written.
    static CString FormatValue(const CString& format, int value);

    int SnakeTail() const { return m_snakeTail; }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    struct Range
    {
        int start;
        int end;
    };

    CRect RangeRect(const CRect& rect, Range range) const;
    void DrawMultiGradient(CDC* dc, const CRect& rect, Range gradient, Range visible);
    void DrawGradient(CDC* dc, const CRect& rect, Range part, Range visible, COLORREF from, COLORREF to);
    void DrawText(CDC* dc, const CRect& rect, Range whole, Range bar);
    void DrawClippedText(CDC* dc, const CRect& clip, CPoint centre, const CString& text, COLORREF colour);
    int SetSnakePos(int position, bool relative);
    DWORD Style() const { return m_style; }
    // What a painting shows: the bar's length and the text's value, so that a new position
    // repaints at once only when they change.
    std::pair<int, int> Look() const;
    // Positions outside the range paint the background only.
    bool InRange() const;
    // The end of the bar along a length (-1 when the position is outside the range).
    int BarEnd(int length) const;
    // The value the text shows: the percentage, the position, or 0 with the format alone.
    int TextValue() const;
    std::pair<int, int> m_painted{-1, -1};

    std::vector<COLORREF> m_barColours;
    COLORREF m_backColour;
    COLORREF m_barTextColour;
    COLORREF m_backTextColour;
    int m_lower = 0;
    int m_upper = 100;
    int m_position = 0;
    int m_snakeTail = 0;
    int m_snakeLength = 40;
    int m_step = 10;
    CRect m_border{0, 0, 0, 0};
    // The style bits above (the window keeps its own style apart).
    DWORD m_style = 0;
    // The text's format.
    CString m_text;
};
