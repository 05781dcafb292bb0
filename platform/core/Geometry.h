#pragma once
// Points, sizes and rectangles in integer device or logical units.
// A rectangle includes its left and top edge and excludes its right and bottom edge.

#include "platform/core/WinTypes.h"

#include <algorithm>
#include <utility>

struct POINT
{
    LONG x = 0;
    LONG y = 0;
};

struct SIZE
{
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT
{
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

using LPPOINT = POINT*;
using LPSIZE = SIZE*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

class CSize : public SIZE
{
public:
    CSize() = default;
    CSize(int x, int y) { cx = x, cy = y; }
    CSize(const SIZE& s) : SIZE(s) {}

    bool operator==(const SIZE& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const SIZE& o) const { return !(*this == o); }
    CSize operator+(const SIZE& o) const { return {int(cx + o.cx), int(cy + o.cy)}; }
    CSize operator-(const SIZE& o) const { return {int(cx - o.cx), int(cy - o.cy)}; }
    CSize operator-() const { return {int(-cx), int(-cy)}; }
    CSize& operator+=(const SIZE& o)
    {
        cx += o.cx, cy += o.cy;
        return *this;
    }
    CSize& operator-=(const SIZE& o)
    {
        cx -= o.cx, cy -= o.cy;
        return *this;
    }
};

class CPoint : public POINT
{
public:
    CPoint() = default;
    CPoint(int px, int py) { x = px, y = py; }
    CPoint(const POINT& p) : POINT(p) {}
    explicit CPoint(const SIZE& s) { x = s.cx, y = s.cy; }

    void Offset(int dx, int dy) { x += dx, y += dy; }
    void Offset(const SIZE& s) { Offset(s.cx, s.cy); }
    bool operator==(const POINT& o) const { return x == o.x && y == o.y; }
    bool operator!=(const POINT& o) const { return !(*this == o); }
    CPoint operator+(const SIZE& s) const { return {int(x + s.cx), int(y + s.cy)}; }
    CPoint operator-(const SIZE& s) const { return {int(x - s.cx), int(y - s.cy)}; }
    CSize operator-(const POINT& p) const { return {int(x - p.x), int(y - p.y)}; }
    CPoint operator-() const { return {int(-x), int(-y)}; }
    CPoint& operator+=(const SIZE& s)
    {
        Offset(s);
        return *this;
    }
    CPoint& operator-=(const SIZE& s)
    {
        Offset(-s.cx, -s.cy);
        return *this;
    }
};

class CRect : public RECT
{
public:
    CRect() = default;
    CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
    CRect(const RECT& r) : RECT(r) {}
    CRect(const RECT* r) : RECT(*r) {}
    CRect(const POINT& topLeft, const SIZE& size)
    {
        SetRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy);
    }
    CRect(const POINT& topLeft, const POINT& bottomRight)
    {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }

    operator RECT*() { return this; }
    operator const RECT*() const { return this; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return {Width(), Height()}; }
    CPoint TopLeft() const { return {int(left), int(top)}; }
    CPoint BottomRight() const { return {int(right), int(bottom)}; }
    CPoint CenterPoint() const { return {int((left + right) / 2), int((top + bottom) / 2)}; }

    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(const POINT& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool EqualRect(const RECT* r) const
    {
        return left == r->left && top == r->top && right == r->right && bottom == r->bottom;
    }

    void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT* r) { *static_cast<RECT*>(this) = *r; }
    void InflateRect(int dx, int dy) { left -= dx, top -= dy, right += dx, bottom += dy; }
    void InflateRect(const SIZE& s) { InflateRect(s.cx, s.cy); }
    void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(const SIZE& s) { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    void OffsetRect(const POINT& p) { OffsetRect(p.x, p.y); }
    void OffsetRect(const SIZE& s) { OffsetRect(s.cx, s.cy); }
    void MoveToX(int x) { right = x + Width(), left = x; }
    void MoveToY(int y) { bottom = y + Height(), top = y; }
    void MoveToXY(int x, int y) { MoveToX(x), MoveToY(y); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    // The overlap of two rectangles; empty (all zero) when they do not overlap.
    bool IntersectRect(const RECT* a, const RECT* b)
    {
        CRect r(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom));
        if (r.IsRectEmpty())
            r.SetRectEmpty();
        *this = r;
        return !IsRectEmpty();
    }
    // The smallest rectangle holding both; an empty rectangle adds nothing.
    bool UnionRect(const RECT* a, const RECT* b)
    {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty())
            *this = rb;
        else if (rb.IsRectEmpty())
            *this = ra;
        else
            SetRect(std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom));
        if (IsRectEmpty())
            SetRectEmpty();
        return !IsRectEmpty();
    }

    bool operator==(const RECT& r) const { return EqualRect(&r); }
    bool operator!=(const RECT& r) const { return !EqualRect(&r); }
    CRect& operator+=(const POINT& p)
    {
        OffsetRect(p);
        return *this;
    }
    CRect& operator+=(const SIZE& s)
    {
        OffsetRect(s);
        return *this;
    }
    CRect& operator-=(const POINT& p)
    {
        OffsetRect(-p.x, -p.y);
        return *this;
    }
    CRect& operator-=(const SIZE& s)
    {
        OffsetRect(-s.cx, -s.cy);
        return *this;
    }
    CRect& operator&=(const RECT& r)
    {
        IntersectRect(this, &r);
        return *this;
    }
    CRect& operator|=(const RECT& r)
    {
        UnionRect(this, &r);
        return *this;
    }
    CRect operator&(const RECT& r) const
    {
        CRect x;
        x.IntersectRect(this, &r);
        return x;
    }
    CRect operator|(const RECT& r) const
    {
        CRect x;
        x.UnionRect(this, &r);
        return x;
    }
    CRect operator+(const POINT& p) const
    {
        CRect x(*this);
        x.OffsetRect(p);
        return x;
    }
    CRect operator-(const POINT& p) const
    {
        CRect x(*this);
        x.OffsetRect(-p.x, -p.y);
        return x;
    }
};
