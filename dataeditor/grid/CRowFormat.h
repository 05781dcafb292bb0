#pragma once
// A row-format text: ["/"] text colour "|" background colour "|" style letters "|" size step.
// Colours are RRGGBB in hexadecimal (an empty field: the grid's default colour), the style
// letters T bold, K italic, P underline, the size step whole points added to the grid font.
// A leading "/" makes the row the last of its printed page. The heating design program's
// "Format" column holds the same texts.

#include "platform/core/CString.h"

class CRowFormat
{
public:
    static constexpr COLORREF defaultColour = 0xFF000000;

    // False when the text holds fewer than three "|" (nothing to apply); the page break is
    // read in any case.
    bool Read(const CString& text);
    CString Text() const;

    static bool IsPageBreak(const CString& text) { return text.str().starts_with('/'); }
    // RRGGBB; defaultColour for anything else.
    static COLORREF ReadColour(const CString& field);
    // "%02x%02x%02x"; an empty text for the default colour.
    static CString ColourText(COLORREF colour);

    bool pageBreak = false;
    COLORREF textColour = defaultColour;
    COLORREF backColour = defaultColour;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int sizeStep = 0;
};
