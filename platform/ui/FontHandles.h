#pragma once
// Font handles. An HFONT points at a QFont that lives as long as the handle is in use: the
// device-context layer's font objects own theirs; the fonts of dialogs are kept for the process.
// The device-context layer tells how its font objects and handles relate.

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
