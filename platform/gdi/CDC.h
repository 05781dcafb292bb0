#pragma once
// A device context over QPainter: windows, off-screen bitmaps, printers and PDF files.
// Coordinates are logical units of the mapping mode (MM_TEXT pixels with y down; MM_LOMETRIC
// tenths of a millimetre with y up), moved by the window and viewport origins. Rectangles
// exclude their right and bottom edges, lines their last point.

#include "platform/core/CString.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"

#include <functional>

class QPaintDevice;
class QPainter;
class QWidget;

class CDC
{
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL DeleteDC();
    static CDC* FromHandle(HDC dc);

    // Creation.
    BOOL CreateCompatibleDC(CDC* dc);
    // Draws on any paint device (an image, a printer, a PDF writer); the painter is opened here.
    BOOL CreateForDevice(QPaintDevice* device, bool printing);
    // Draws with a painter that the caller opened (a widget's paint event).
    BOOL CreateForPainter(QPainter* painter, bool printing);
    // A context of a window outside its paint event: it measures, and what is drawn on it is
    // repainted by the window (invalidate is called with the device rectangle touched).
    BOOL CreateForWindow(QWidget* widget);
    BOOL IsPrinting() const;
    QPainter* Painter() const;

    // Mapping.
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
    CPoint GetWindowOrg() const;
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int dx, int dy);
    void LPtoDP(LPPOINT points, int count = 1) const;
    void LPtoDP(LPRECT rect) const;
    void LPtoDP(LPSIZE size) const;
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rect) const;
    void DPtoLP(LPSIZE size) const;
    void HIMETRICtoLP(LPSIZE size) const;
    void LPtoHIMETRIC(LPSIZE size) const;
    void HIMETRICtoDP(LPSIZE size) const;
    void DPtoHIMETRIC(LPSIZE size) const;

    // State.
    int SaveDC();
    BOOL RestoreDC(int savedDC);

    // Objects. Each returns the object selected before.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    // Colours and modes.
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;
    int SetStretchBltMode(int mode);

    // Drawing.
    void FillRect(LPCRECT rect, CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FrameRect(LPCRECT rect, CBrush* brush);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Polygon(const POINT* points, int count);
    BOOL Polyline(const POINT* points, int count);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;
    void InvertRect(LPCRECT rect);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state);
    void DrawFocusRect(LPCRECT rect);
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF colour);

    // Text.
    BOOL TextOut(int x, int y, const CString& text);
    BOOL TextOut(int x, int y, LPCTSTR text, int byteCount);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    int DrawText(LPCTSTR text, int byteCount, LPRECT rect, UINT format);
    CSize GetTextExtent(const CString& text) const;
    CSize GetTextExtent(LPCTSTR text, int byteCount) const;
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    BOOL GetTextMetrics(LPTEXTMETRIC metrics) const;

    // Clipping.
    int GetClipBox(LPRECT rect) const;
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rect) { return ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom); }
    int SelectClipRgn(CRgn* region);
    // Combines a region (device units) into the clip region: RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY.
    int ExtSelectClipRgn(CRgn* region, int mode);
    BOOL RectVisible(LPCRECT rect) const;
    BOOL PtVisible(int x, int y) const;

    // Bitmaps.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int widthSrc,
                    int heightSrc, DWORD rop);

    int GetDeviceCaps(int index) const;
};

// Handle-level entry points used through HDC.
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int savedDC);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteDC(HDC dc);
int GetDeviceCaps(HDC dc, int index);
BOOL GetTextExtentPoint32(HDC dc, LPCTSTR text, int byteCount, LPSIZE size);

namespace Gdi
{
// A measuring context of the screen (96 pixels per inch); the caller deletes it with DeleteDC.
HDC CreateScreenDC();
} // namespace Gdi
