#include "platform/gdi/CDC.h"
#include "platform/gdi/DcState.h"
#include "platform/gdi/FontMapping.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/TemporaryObjects.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include <array>
#include <cmath>
#include <map>

using namespace Gdi;

namespace
{
template <class T>
T* StockWrapper(int index)
{
    static std::array<std::unique_ptr<T>, 18> wrappers;
    auto& w = wrappers.at(std::size_t(index));
    if (!w)
    {
        w = std::make_unique<T>();
        w->CreateStockObject(index);
    }
    return w.get();
}

void SetDefaultObjects(DcAttributes& a)
{
    a.pen = std::static_pointer_cast<PenObject>(StockObject(BLACK_PEN));
    a.penWrapper = StockWrapper<CPen>(BLACK_PEN);
    a.brush = std::static_pointer_cast<BrushObject>(StockObject(WHITE_BRUSH));
    a.brushWrapper = StockWrapper<CBrush>(WHITE_BRUSH);
    a.font = std::static_pointer_cast<FontObject>(StockObject(DEFAULT_GUI_FONT));
    a.fontWrapper = StockWrapper<CFont>(DEFAULT_GUI_FONT);
}

std::map<HDC, std::unique_ptr<CDC>>& TemporaryDCs()
{
    static std::map<HDC, std::unique_ptr<CDC>> map;
    return map;
}

int RegionType(const QRegion& r)
{
    if (r.isEmpty())
        return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QSize ScreenSize()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (QScreen* s = QGuiApplication::primaryScreen())
            return s->size();
    return {1280, 1024};
}

void DescribePrinter(DcState& s, QPaintDevice* device)
{
    s.dpiX = device->logicalDpiX();
    s.dpiY = device->logicalDpiY();
    s.size = QSize(device->width(), device->height());
    s.physicalSize = s.size;
    if (auto* printer = dynamic_cast<QPrinter*>(device))
    {
        const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
        const QRectF page = printer->pageRect(QPrinter::DevicePixel);
        s.physicalSize = paper.size().toSize();
        s.physicalOffset = (page.topLeft() - paper.topLeft()).toPoint();
    }
    else if (auto* pdf = dynamic_cast<QPdfWriter*>(device))
    {
        const QPageLayout layout = pdf->pageLayout();
        s.physicalSize = layout.fullRectPixels(pdf->resolution()).size();
        s.physicalOffset = layout.paintRectPixels(pdf->resolution()).topLeft();
    }
}
} // namespace

static void BindBitmap(Gdi::DcState& s);
// Ends painting on the selected bitmap before it may be released.
static void ReleaseBitmap(Gdi::DcState& s)
{
    if (s.kind == Gdi::DcKind::Memory && s.ownPainter && s.ownPainter->isActive())
        s.ownPainter->end();
}
static void StartPainter(Gdi::DcState& s);

// ---------------------------------------------------------------------------------------------
// State

DcState* Gdi::StateOf(HDC dc) { return reinterpret_cast<DcState*>(dc); }

static HDC NewState(DcKind kind);

DcState* Gdi::UsableState(HDC dc)
{
    static DcState* const nothing = StateOf(NewState(DcKind::Screen));
    return dc ? StateOf(dc) : nothing;
}

QColor Gdi::ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

COLORREF Gdi::FromQColor(const QColor& c) { return RGB(BYTE(c.red()), BYTE(c.green()), BYTE(c.blue())); }

double DcState::ScaleX() const
{
    switch (a.mapMode)
    {
    case MM_LOMETRIC:
        return dpiX / 254.0;
    case MM_HIMETRIC:
        return dpiX / 2540.0;
    default:
        return 1.0;
    }
}

double DcState::ScaleY() const
{
    switch (a.mapMode)
    {
    case MM_LOMETRIC:
        return -dpiY / 254.0;
    case MM_HIMETRIC:
        return -dpiY / 2540.0;
    default:
        return 1.0;
    }
}

QPointF DcState::ToDevice(double x, double y) const
{
    return {(x - a.windowOrg.x()) * ScaleX() + a.viewportOrg.x(),
            (y - a.windowOrg.y()) * ScaleY() + a.viewportOrg.y()};
}

QPoint DcState::ToDeviceInt(int x, int y) const
{
    const QPointF p = ToDevice(x, y);
    return {int(std::lround(p.x())), int(std::lround(p.y()))};
}

QPointF DcState::ToLogical(double x, double y) const
{
    return {(x - a.viewportOrg.x()) / ScaleX() + a.windowOrg.x(),
            (y - a.viewportOrg.y()) / ScaleY() + a.windowOrg.y()};
}

QRect DcState::ToDeviceRect(int l, int t, int r, int b) const
{
    const QPoint p1 = ToDeviceInt(l, t);
    const QPoint p2 = ToDeviceInt(r, b);
    const int left = std::min(p1.x(), p2.x());
    const int right = std::max(p1.x(), p2.x());
    const int top = std::min(p1.y(), p2.y());
    const int bottom = std::max(p1.y(), p2.y());
    return QRect(left, top, right - left, bottom - top);
}

const QFont& DcState::CurrentFont()
{
    const double scale = std::abs(ScaleY());
    if (cachedFontObject != a.font.get() || cachedScale != scale)
    {
        cachedFont = FontFromLogFont(a.font->font, scale, printing);
        cachedFontObject = a.font.get();
        cachedScale = scale;
    }
    return cachedFont;
}

void DcState::ApplyClip()
{
    if (!painter || !painter->isActive())
        return;
    if (a.clipped)
        painter->setClipRegion(a.clip);
    else
        painter->setClipping(false);
}

QPainter* DcState::Begin(const QRect& touched)
{
    if (kind == DcKind::Window && widget)
        widget->update(touched.adjusted(-1, -1, 1, 1));
    if (!painter || !painter->isActive())
        return nullptr;
    return painter;
}

QRegion DcState::VisibleRegion() const
{
    QRegion r(QRect(QPoint(0, 0), size));
    if (hasSystemClip)
        r = r.intersected(systemClip);
    if (a.clipped)
        r = r.intersected(a.clip);
    return r;
}

// ---------------------------------------------------------------------------------------------
// Creation

CDC::~CDC()
{
    if (m_hDC)
        DeleteDC();
}

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC)
        return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    ::DeleteDC(Detach());
    return TRUE;
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    auto& map = TemporaryDCs();
    auto it = map.find(dc);
    if (it != map.end())
        return it->second.get();
    auto wrapper = std::make_unique<CDC>();
    wrapper->Attach(dc);
    CDC* result = wrapper.get();
    map[dc] = std::move(wrapper);
    return result;
}

namespace Gdi
{
void DeleteTemporaryDCs()
{
    for (auto& [dc, wrapper] : TemporaryDCs())
        wrapper->Detach();
    TemporaryDCs().clear();
}
} // namespace Gdi

BOOL DeleteDC(HDC dc)
{
    DcState* s = StateOf(dc);
    if (!s)
        return FALSE;
    auto it = TemporaryDCs().find(dc);
    if (it != TemporaryDCs().end())
    {
        it->second->Detach();
        TemporaryDCs().erase(it);
    }
    if (s->ownPainter && s->ownPainter->isActive())
        s->ownPainter->end();
    else if (s->kind == DcKind::Painter && s->painter)
        s->painter->restore();
    delete s;
    return TRUE;
}

static HDC NewState(DcKind kind)
{
    auto* s = new DcState;
    s->kind = kind;
    SetDefaultObjects(s->a);
    return reinterpret_cast<HDC>(s);
}

static void StartPainter(DcState& s)
{
    s.painter->setRenderHint(QPainter::Antialiasing, false);
    s.painter->setRenderHint(QPainter::TextAntialiasing, true);
    s.ApplyClip();
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    if (m_hDC)
        return FALSE;
    m_hDC = NewState(DcKind::Memory);
    DcState* s = UsableState(m_hDC);
    if (dc && dc->m_hDC)
    {
        s->dpiX = StateOf(dc->m_hDC)->dpiX;
        s->dpiY = StateOf(dc->m_hDC)->dpiY;
    }
    // Selected until the caller selects a bitmap of its own, and back when it selects this one again.
    QImage placeholder(1, 1, QImage::Format_RGB32);
    placeholder.fill(Qt::white);
    s->defaultBitmap = std::make_unique<CBitmap>();
    s->defaultBitmap->CreateFromImage(placeholder);
    s->a.bitmap = SharedFromHandle<BitmapObject>(s->defaultBitmap->m_hObject, HandleKind::Bitmap);
    s->a.bitmapWrapper = s->defaultBitmap.get();
    BindBitmap(*s);
    return TRUE;
}

BOOL CDC::CreateForDevice(QPaintDevice* device, bool printing)
{
    if (m_hDC || !device)
        return FALSE;
    m_hDC = NewState(DcKind::Device);
    DcState* s = UsableState(m_hDC);
    s->device = device;
    s->printing = printing;
    if (printing)
        DescribePrinter(*s, device);
    else
        s->size = QSize(device->width(), device->height());
    s->ownPainter = std::make_unique<QPainter>();
    s->painter = s->ownPainter.get();
    if (!s->painter->begin(device))
    {
        DeleteDC();
        return FALSE;
    }
    StartPainter(*s);
    return TRUE;
}

BOOL CDC::CreateForPainter(QPainter* painter, bool printing)
{
    if (m_hDC || !painter || !painter->isActive())
        return FALSE;
    m_hDC = NewState(DcKind::Painter);
    DcState* s = UsableState(m_hDC);
    s->painter = painter;
    s->device = painter->device();
    s->printing = printing;
    if (printing)
        DescribePrinter(*s, s->device);
    else
        s->size = QSize(s->device->width(), s->device->height());
    if (painter->hasClipping())
    {
        s->hasSystemClip = true;
        s->systemClip = painter->clipRegion();
    }
    painter->save();
    StartPainter(*s);
    return TRUE;
}

BOOL CDC::CreateForWindow(QWidget* widget)
{
    if (m_hDC)
        return FALSE;
    m_hDC = NewState(widget ? DcKind::Window : DcKind::Screen);
    DcState* s = UsableState(m_hDC);
    s->widget = widget;
    s->size = widget ? widget->size() : ScreenSize();
    return TRUE;
}

HDC Gdi::CreateScreenDC()
{
    CDC dc;
    dc.CreateForWindow(nullptr);
    return dc.Detach();
}

BOOL CDC::IsPrinting() const { return m_hDC && UsableState(m_hDC)->printing; }

QPainter* CDC::Painter() const { return m_hDC ? UsableState(m_hDC)->painter : nullptr; }

// ---------------------------------------------------------------------------------------------
// Mapping

int CDC::SetMapMode(int mode)
{
    DcState* s = UsableState(m_hDC);
    if (!s || (mode != MM_TEXT && mode != MM_LOMETRIC && mode != MM_HIMETRIC))
        return 0;
    const int old = s->a.mapMode;
    s->a.mapMode = mode;
    return old;
}

int CDC::GetMapMode() const { return m_hDC ? UsableState(m_hDC)->a.mapMode : 0; }

CPoint CDC::SetWindowOrg(int x, int y)
{
    DcState* s = UsableState(m_hDC);
    const QPoint old = s->a.windowOrg;
    s->a.windowOrg = QPoint(x, y);
    return {old.x(), old.y()};
}

CPoint CDC::GetWindowOrg() const
{
    const QPoint p = UsableState(m_hDC)->a.windowOrg;
    return {p.x(), p.y()};
}

CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    const CPoint old = GetWindowOrg();
    SetWindowOrg(old.x + dx, old.y + dy);
    return old;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    DcState* s = UsableState(m_hDC);
    const QPoint old = s->a.viewportOrg;
    s->a.viewportOrg = QPoint(x, y);
    return {old.x(), old.y()};
}

CPoint CDC::GetViewportOrg() const
{
    const QPoint p = UsableState(m_hDC)->a.viewportOrg;
    return {p.x(), p.y()};
}

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    const CPoint old = GetViewportOrg();
    SetViewportOrg(old.x + dx, old.y + dy);
    return old;
}

void CDC::LPtoDP(LPPOINT points, int count) const
{
    const DcState* s = UsableState(m_hDC);
    for (int i = 0; i < count; ++i)
    {
        const QPoint p = s->ToDeviceInt(points[i].x, points[i].y);
        points[i].x = p.x();
        points[i].y = p.y();
    }
}

void CDC::LPtoDP(LPRECT rect) const { LPtoDP(reinterpret_cast<LPPOINT>(rect), 2); }

void CDC::LPtoDP(LPSIZE size) const
{
    const DcState* s = UsableState(m_hDC);
    size->cx = LONG(std::lround(size->cx * std::abs(s->ScaleX())));
    size->cy = LONG(std::lround(size->cy * std::abs(s->ScaleY())));
}

void CDC::DPtoLP(LPPOINT points, int count) const
{
    const DcState* s = UsableState(m_hDC);
    for (int i = 0; i < count; ++i)
    {
        const QPointF p = s->ToLogical(points[i].x, points[i].y);
        points[i].x = LONG(std::lround(p.x()));
        points[i].y = LONG(std::lround(p.y()));
    }
}

void CDC::DPtoLP(LPRECT rect) const { DPtoLP(reinterpret_cast<LPPOINT>(rect), 2); }

void CDC::DPtoLP(LPSIZE size) const
{
    const DcState* s = UsableState(m_hDC);
    size->cx = LONG(std::lround(size->cx / std::abs(s->ScaleX())));
    size->cy = LONG(std::lround(size->cy / std::abs(s->ScaleY())));
}

void CDC::HIMETRICtoDP(LPSIZE size) const
{
    const DcState* s = UsableState(m_hDC);
    size->cx = LONG(std::lround(size->cx * s->dpiX / 2540.0));
    size->cy = LONG(std::lround(size->cy * s->dpiY / 2540.0));
}

void CDC::DPtoHIMETRIC(LPSIZE size) const
{
    const DcState* s = UsableState(m_hDC);
    size->cx = LONG(std::lround(size->cx * 2540.0 / s->dpiX));
    size->cy = LONG(std::lround(size->cy * 2540.0 / s->dpiY));
}

void CDC::HIMETRICtoLP(LPSIZE size) const
{
    HIMETRICtoDP(size);
    DPtoLP(size);
}

void CDC::LPtoHIMETRIC(LPSIZE size) const
{
    LPtoDP(size);
    DPtoHIMETRIC(size);
}

// ---------------------------------------------------------------------------------------------
// SaveDC / RestoreDC

static void BindBitmap(DcState& s)
{
    if (s.kind != DcKind::Memory)
        return;
    if (!s.ownPainter)
        s.ownPainter = std::make_unique<QPainter>();
    s.painter = s.ownPainter.get();
    s.size = s.a.bitmap->image.size();
    s.device = &s.a.bitmap->image;
    if (s.painter->begin(&s.a.bitmap->image))
        StartPainter(s);
}

int CDC::SaveDC()
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return 0;
    s->saved.push_back(s->a);
    return int(s->saved.size());
}

BOOL CDC::RestoreDC(int savedDC)
{
    DcState* s = UsableState(m_hDC);
    if (!s || s->saved.empty())
        return FALSE;
    const int count = int(s->saved.size());
    const int index = savedDC < 0 ? count + savedDC : savedDC - 1;
    if (index < 0 || index >= count)
        return FALSE;
    const auto oldBitmap = s->a.bitmap;
    if (s->saved[std::size_t(index)].bitmap != oldBitmap)
        ReleaseBitmap(*s);
    s->a = s->saved[std::size_t(index)];
    s->saved.resize(std::size_t(index));
    if (s->a.bitmap != oldBitmap)
        BindBitmap(*s);
    s->ApplyClip();
    return TRUE;
}

int SaveDC(HDC dc)
{
    CDC* w = CDC::FromHandle(dc);
    return w ? w->SaveDC() : 0;
}

BOOL RestoreDC(HDC dc, int savedDC)
{
    CDC* w = CDC::FromHandle(dc);
    return w ? w->RestoreDC(savedDC) : FALSE;
}

// ---------------------------------------------------------------------------------------------
// Objects

CPen* CDC::SelectObject(CPen* pen)
{
    DcState* s = UsableState(m_hDC);
    auto object = pen ? SharedFromHandle<PenObject>(pen->m_hObject, HandleKind::Pen) : nullptr;
    if (!s || !object)
        return nullptr;
    CPen* old = s->a.penWrapper;
    s->a.pen = object;
    s->a.penWrapper = pen;
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    DcState* s = UsableState(m_hDC);
    auto object = brush ? SharedFromHandle<BrushObject>(brush->m_hObject, HandleKind::Brush) : nullptr;
    if (!s || !object)
        return nullptr;
    CBrush* old = s->a.brushWrapper;
    s->a.brush = object;
    s->a.brushWrapper = brush;
    return old;
}

CFont* CDC::SelectObject(CFont* font)
{
    DcState* s = UsableState(m_hDC);
    auto object = font ? SharedFromHandle<FontObject>(font->m_hObject, HandleKind::Font) : nullptr;
    if (!s || !object)
        return nullptr;
    CFont* old = s->a.fontWrapper;
    s->a.font = object;
    s->a.fontWrapper = font;
    return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    DcState* s = UsableState(m_hDC);
    auto object = bitmap ? SharedFromHandle<BitmapObject>(bitmap->m_hObject, HandleKind::Bitmap) : nullptr;
    if (!s || !object || s->kind != DcKind::Memory)
        return nullptr;
    CBitmap* old = s->a.bitmapWrapper;
    ReleaseBitmap(*s);
    s->a.bitmap = object;
    s->a.bitmapWrapper = bitmap;
    BindBitmap(*s);
    return old;
}

int CDC::SelectObject(CRgn* region) { return SelectClipRgn(region); }

CGdiObject* CDC::SelectStockObject(int index)
{
    switch (index)
    {
    case WHITE_PEN:
    case BLACK_PEN:
    case NULL_PEN:
        return SelectObject(StockWrapper<CPen>(index));
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH:
    case NULL_BRUSH:
        return SelectObject(StockWrapper<CBrush>(index));
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case DEFAULT_GUI_FONT:
        return SelectObject(StockWrapper<CFont>(index));
    default:
        return nullptr;
    }
}

CPen* CDC::GetCurrentPen() const { return m_hDC ? UsableState(m_hDC)->a.penWrapper : nullptr; }
CBrush* CDC::GetCurrentBrush() const { return m_hDC ? UsableState(m_hDC)->a.brushWrapper : nullptr; }
CFont* CDC::GetCurrentFont() const { return m_hDC ? UsableState(m_hDC)->a.fontWrapper : nullptr; }
CBitmap* CDC::GetCurrentBitmap() const { return m_hDC ? UsableState(m_hDC)->a.bitmapWrapper : nullptr; }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    CDC* w = CDC::FromHandle(dc);
    HandleObject* o = FromHandle(object);
    if (!w || !o)
        return nullptr;
    CGdiObject* old = nullptr;
    switch (o->kind)
    {
    case HandleKind::Pen:
        old = w->SelectObject(CPen::FromHandle(static_cast<HPEN>(object)));
        break;
    case HandleKind::Brush:
        old = w->SelectObject(CBrush::FromHandle(static_cast<HBRUSH>(object)));
        break;
    case HandleKind::Font:
        old = w->SelectObject(CFont::FromHandle(static_cast<HFONT>(object)));
        break;
    case HandleKind::Bitmap:
        old = w->SelectObject(CBitmap::FromHandle(static_cast<HBITMAP>(object)));
        break;
    case HandleKind::Region:
        w->SelectClipRgn(CRgn::FromHandle(static_cast<HRGN>(object)));
        return nullptr;
    }
    return old ? old->m_hObject : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Colours and modes

COLORREF CDC::SetTextColor(COLORREF colour)
{
    DcState* s = UsableState(m_hDC);
    return std::exchange(s->a.textColour, colour & 0xFFFFFF);
}

COLORREF CDC::GetTextColor() const { return UsableState(m_hDC)->a.textColour; }

COLORREF CDC::SetBkColor(COLORREF colour)
{
    DcState* s = UsableState(m_hDC);
    return std::exchange(s->a.bkColour, colour & 0xFFFFFF);
}

COLORREF CDC::GetBkColor() const { return UsableState(m_hDC)->a.bkColour; }

int CDC::SetBkMode(int mode)
{
    DcState* s = UsableState(m_hDC);
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(s->a.bkMode, mode);
}

int CDC::GetBkMode() const { return UsableState(m_hDC)->a.bkMode; }

UINT CDC::SetTextAlign(UINT flags) { return std::exchange(UsableState(m_hDC)->a.textAlign, flags); }

UINT CDC::GetTextAlign() const { return UsableState(m_hDC)->a.textAlign; }

int CDC::SetStretchBltMode(int mode) { return std::exchange(UsableState(m_hDC)->a.stretchMode, mode); }

// ---------------------------------------------------------------------------------------------
// Clipping

int CDC::GetClipBox(LPRECT rect) const
{
    const DcState* s = UsableState(m_hDC);
    if (!s || !rect)
        return ERROR;
    const QRegion visible = s->VisibleRegion();
    const QRect b = visible.boundingRect();
    CRect r(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
    if (visible.isEmpty())
        r.SetRectEmpty();
    DPtoLP(&r);
    *rect = r;
    return RegionType(visible);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    DcState* s = UsableState(m_hDC);
    const QRect r = s->ToDeviceRect(left, top, right, bottom);
    s->a.clip = s->a.clipped ? s->a.clip.intersected(r) : QRegion(r);
    s->a.clipped = true;
    s->ApplyClip();
    return RegionType(s->VisibleRegion());
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom)
{
    DcState* s = UsableState(m_hDC);
    const QRect r = s->ToDeviceRect(left, top, right, bottom);
    const QRegion base = s->a.clipped ? s->a.clip : QRegion(QRect(QPoint(0, 0), s->size));
    s->a.clip = base.subtracted(r);
    s->a.clipped = true;
    s->ApplyClip();
    return RegionType(s->VisibleRegion());
}

int CDC::SelectClipRgn(CRgn* region)
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return ERROR;
    if (region && region->m_hObject)
    {
        s->a.clip = region->Region();
        s->a.clipped = true;
    }
    else
    {
        s->a.clip = QRegion();
        s->a.clipped = false;
    }
    s->ApplyClip();
    return RegionType(s->VisibleRegion());
}

int CDC::ExtSelectClipRgn(CRgn* region, int mode)
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return ERROR;
    if (mode == RGN_COPY)
        return SelectClipRgn(region);
    if (!region || !region->m_hObject)
        return ERROR;
    const QRegion base = s->a.clipped ? s->a.clip : QRegion(QRect(QPoint(0, 0), s->size));
    const QRegion r = region->Region();
    switch (mode)
    {
    case RGN_AND:
        s->a.clip = base.intersected(r);
        break;
    case RGN_OR:
        s->a.clip = base.united(r);
        break;
    case RGN_XOR:
        s->a.clip = base.xored(r);
        break;
    case RGN_DIFF:
        s->a.clip = base.subtracted(r);
        break;
    default:
        return ERROR;
    }
    s->a.clipped = true;
    s->ApplyClip();
    return RegionType(s->VisibleRegion());
}

BOOL CDC::RectVisible(LPCRECT rect) const
{
    const DcState* s = UsableState(m_hDC);
    return s->VisibleRegion().intersects(s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom));
}

BOOL CDC::PtVisible(int x, int y) const
{
    const DcState* s = UsableState(m_hDC);
    return s->VisibleRegion().contains(s->ToDeviceInt(x, y));
}

// ---------------------------------------------------------------------------------------------
// Device capabilities

int CDC::GetDeviceCaps(int index) const
{
    const DcState* s = UsableState(m_hDC);
    if (!s)
        return 0;
    switch (index)
    {
    case TECHNOLOGY:
        return s->printing ? DT_RASPRINTER : DT_RASDISPLAY;
    case HORZRES:
        return s->size.width();
    case VERTRES:
        return s->size.height();
    case HORZSIZE:
        return int(std::lround(s->size.width() * 25.4 / s->dpiX));
    case VERTSIZE:
        return int(std::lround(s->size.height() * 25.4 / s->dpiY));
    case LOGPIXELSX:
        return s->dpiX;
    case LOGPIXELSY:
        return s->dpiY;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT;
    case PHYSICALWIDTH:
        return s->printing ? s->physicalSize.width() : 0;
    case PHYSICALHEIGHT:
        return s->printing ? s->physicalSize.height() : 0;
    case PHYSICALOFFSETX:
        return s->printing ? s->physicalOffset.x() : 0;
    case PHYSICALOFFSETY:
        return s->printing ? s->physicalOffset.y() : 0;
    default:
        return 0;
    }
}

int GetDeviceCaps(HDC dc, int index)
{
    CDC* w = CDC::FromHandle(dc);
    return w ? w->GetDeviceCaps(index) : 0;
}
