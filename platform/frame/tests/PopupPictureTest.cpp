// A start picture: a pop-up window without a frame that copies a bitmap onto itself when painted.

#include "platform/gdi/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "testing/UiTest.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{
class PictureWnd : public CWnd
{
public:
    CBitmap m_bitmap;

    BOOL Create(CWnd* owner)
    {
        QImage picture(120, 80, QImage::Format_RGB32);
        picture.fill(QColor(0, 90, 160));
        for (int x = 0; x < 120; ++x)
            picture.setPixelColor(x, 40, Qt::white);
        m_bitmap.CreateFromImage(picture);
        BITMAP bm;
        m_bitmap.GetBitmap(&bm);
        return CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, bm.bmWidth, bm.bmHeight), owner, 0);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap* old = memory.SelectObject(&m_bitmap);
        BITMAP bm;
        m_bitmap.GetBitmap(&bm);
        dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PictureWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()
} // namespace

TEST(PopupPicture, PaintsItsBitmapOneToOne)
{
    UiTest::EnsureApplication();
    PictureWnd picture;
    ASSERT_TRUE(picture.Create(nullptr));
    UiTest::ProcessEvents(20);
    const QImage shown = picture.GetWidget()->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(120, 80));
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(0, 90, 160));
    EXPECT_EQ(shown.pixelColor(60, 40), QColor(Qt::white));
    EXPECT_TRUE(picture.GetWidget()->windowFlags() & Qt::FramelessWindowHint);
    picture.DestroyWindow();
}
