#pragma once
// The system colours, sizes and fonts that windows and cells are drawn with.

#include "platform/gdi/GdiTypes.h"

COLORREF GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
int GetSystemMetrics(int index);
// SPI_GETNONCLIENTMETRICS (NONCLIENTMETRICS), SPI_GETWORKAREA (RECT) and SPI_GETWHEELSCROLLLINES
// (UINT: lines one wheel notch scrolls).
BOOL SystemParametersInfo(UINT action, UINT param, LPVOID data, UINT winIni);
int MulDiv(int number, int numerator, int denominator);

namespace Gdi
{
// The font of dialogs, message boxes and grid cells: "MS Sans Serif", 8 points on the screen.
LOGFONT MessageFont();
// Logical pixels per inch of the screen.
constexpr int ScreenDpi = 96;
} // namespace Gdi
