#pragma once
// LOGFONT to QFont and back. The face names that dialogs and reports ask for resolve to the
// metric-compatible Liberation fonts: "Times New Roman" to Liberation Serif, "Arial" and "MS Sans Serif" to
// Liberation Sans, "Courier New" to Liberation Mono.

#include "platform/gdi/GdiTypes.h"

#include <QFont>

namespace Gdi
{
QString ResolveFaceName(const char* faceName);

// The font at its size in device pixels: pixelsPerUnit device pixels make one logical unit.
// A positive height is the character cell (ascent + descent), a negative one the em height.
// unhinted: glyph advances scale exactly with the size (printing lays text out by them).
QFont FontFromLogFont(const LOGFONT& lf, double pixelsPerUnit = 1.0, bool unhinted = false);

// The description of a widget font in pixels of a screen of dpi dots per inch (negative height).
LOGFONT LogFontFromQFont(const QFont& font, int dpi = 96);

// A font of a HFONT handle at screen size (for widgets); the application font for a null handle.
QFont QFontFromHandle(HFONT font);
} // namespace Gdi
