#include "Canvas.h"

#include "platform/gdi/CImageList.h"

#include <gtest/gtest.h>

TEST(ImageList, StripIsCutIntoImagesDrawnWithTheMaskColourTransparent)
{
    QImage strip(16, 8, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    for (int y = 2; y < 6; ++y)
        for (int x = 10; x < 14; ++x)
            strip.setPixelColor(x, y, Qt::blue);
    CBitmap bitmap;
    bitmap.CreateFromImage(strip);
    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_MASK | ILC_COLOR32, 2, 1));
    EXPECT_EQ(list.Add(&bitmap, RGB(255, 0, 255)), 0);
    EXPECT_EQ(list.GetImageCount(), 2);
    IMAGEINFO info;
    ASSERT_TRUE(ImageList_GetImageInfo(list, 1, &info));
    EXPECT_EQ(CRect(info.rcImage), CRect(8, 0, 16, 8));
    EXPECT_FALSE(ImageList_GetImageInfo(list, 2, &info));

    Canvas c(20, 20);
    ASSERT_TRUE(list.Draw(&c.dc, 1, CPoint(5, 5), ILD_NORMAL));
    EXPECT_EQ(c.Ink(), QRect(7, 7, 4, 4));
    EXPECT_EQ(c.At(8, 8), RGB(0, 0, 255));
}
