#pragma once
// Font handles. An HFONT is a font object of the drawing layer (platform/gdi); the
// fonts of dialogs are interned and kept for the process.
// SetObjectMapping may still replace how CFont objects and handles relate.

#include "platform/core/WinTypes.h"

class CFont;
class QFont;

class FontHandles
{
public:
    static QFont ToQFont(HFONT hFont);
    // A handle for a font kept for the life of the process (one per distinct font).
    static HFONT Intern(const QFont& font);

    using HandleOfObject = HFONT (*)(CFont*);
    using ObjectOfHandle = CFont* (*)(HFONT);
    static void SetObjectMapping(HandleOfObject handleOf, ObjectOfHandle objectOf);
    static HFONT HandleOf(CFont* font);
    static CFont* ObjectOf(HFONT hFont);
};
