#pragma once
// The widths of many texts in one font, the font's metrics taken once: the font selected into a
// device context when the object is made. Exact gives a text's advance as CDC::GetTextExtent
// measures it (before rounding to logical units); Estimate sums the advances of its characters,
// each character measured once, which is close to the exact advance (kerning and shaping aside)
// and far quicker.

#include <memory>
#include <string_view>

class CDC;

class CTextAdvances
{
public:
    explicit CTextAdvances(CDC& dc);
    ~CTextAdvances();
    CTextAdvances(const CTextAdvances&) = delete;
    CTextAdvances& operator=(const CTextAdvances&) = delete;

    // The advance of a UTF-8 text in device units.
    double Exact(std::string_view text) const;
    // The sum of the advances of the text's characters, in device units; false (and no estimate)
    // for a text that is not well-formed UTF-8 or holds characters that shaping may join, reorder
    // or widen (all but Latin, Greek and Cyrillic letters and the common punctuation and symbols).
    bool Estimate(std::string_view text, double& advance, int& characters);
    // True for a well-formed text of one word: no blank of any kind, no control character and no
    // '&', so that a text layout measures it as it stands, on a single line.
    static bool IsSingleWord(std::string_view text);
    // An advance in logical units, rounded as CDC::GetTextExtent rounds it.
    int LogicalWidth(double advance) const;
    // The least advance whose logical width is above that of advance.
    double NextWidthAdvance(double advance) const;

private:
    struct Font;
    std::unique_ptr<Font> m_font;
};
