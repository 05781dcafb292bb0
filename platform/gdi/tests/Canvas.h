#pragma once
// A white off-screen bitmap selected into a memory device context, for pixel checks.

#include "platform/gdi/CDC.h"

#include <QImage>

struct Canvas
{
    CBitmap bitmap;
    CDC dc;

    Canvas(int width, int height, QColor fill = Qt::white)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(fill);
        bitmap.CreateFromImage(image);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
    }

    // The device pixel, as COLORREF.
    COLORREF At(int x, int y) const
    {
        const QColor c = bitmap.Image().pixelColor(x, y);
        return RGB(BYTE(c.red()), BYTE(c.green()), BYTE(c.blue()));
    }

    bool IsWhite(int x, int y) const { return At(x, y) == RGB(255, 255, 255); }

    // The bounding box of the pixels that are not the background colour.
    QRect Ink(COLORREF background = RGB(255, 255, 255)) const
    {
        QRect box;
        const QImage& img = bitmap.Image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (At(x, y) != background)
                    box = box.united(QRect(x, y, 1, 1));
        return box;
    }
};
