#include "dataeditor/controls/CPercentProgressCtrl.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/SystemMetrics.h"
#include "testing/UiTest.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace
{
constexpr int kWidth = 200;
constexpr int kHeight = 20;

COLORREF At(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return RGB(BYTE(c.red()), BYTE(c.green()), BYTE(c.blue()));
}

// Pixels of exactly that colour in columns [from, to).
int Count(const QImage& image, int from, int to, COLORREF colour)
{
    int count = 0;
    for (int x = from; x < to; ++x)
        for (int y = 0; y < image.height(); ++y)
            count += At(image, x, y) == colour;
    return count;
}

// Pixels of another colour (text drawn over a ground) in columns [from, to).
int Other(const QImage& image, int from, int to, COLORREF ground)
{
    return (to - from) * image.height() - Count(image, from, to, ground);
}

class PercentProgress : public testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        m_owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 300, 100), nullptr, 0);
    }
    void Make(DWORD style)
    {
        ASSERT_TRUE(m_bar.Create(style, CRect(0, 0, kWidth, kHeight), &m_owner, 7));
        m_bar.SetRange32(0, 100);
    }
    QImage Paint()
    {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        CDC dc;
        dc.CreateForDevice(&image, false);
        m_bar.Draw(&dc, CRect(0, 0, kWidth, kHeight));
        return image;
    }

    CWnd m_owner;
    CPercentProgressCtrl m_bar;
    const COLORREF m_barColour = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF m_back = GetSysColor(COLOR_BTNFACE);
};

TEST(PercentProgressText, FormatHoldsOneIntegerPlaceholder)
{
    const struct
    {
        const char* format;
        const char* shown;
    } cases[] = {
        {"%d%%", "50%"},         {"%d", "50"},          {"%d řádků", "50 řádků"}, {"%s %d", "%s 50"},
        {"%d %d", "50 %d"},      {"100%", "100%"},       {"%", "%"},              {"50%.xls", "50%.xls"},
        {"Hotovo %i %%", "Hotovo 50 %"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CPercentProgressCtrl::FormatValue(c.format, 50), c.shown) << c.format;
}

TEST_F(PercentProgress, HalfwayFillsTheLeftHalfAndSplitsTheTextColours)
{
    Make(CPercentProgressCtrl::showPercent);
    m_bar.SetShowText("%d%%", CPercentProgressCtrl::showPercent);
    m_bar.SetPos(50);
    const QImage image = Paint();
    QDir().mkpath("pictures");
    EXPECT_TRUE(image.save("pictures/progress-50.png"));
    EXPECT_EQ(At(image, 5, 10), m_barColour);
    EXPECT_EQ(At(image, kWidth - 5, 10), m_back);
    EXPECT_GT(Other(image, 80, 100, m_barColour), 0);
    EXPECT_GT(Other(image, 100, 120, m_back), 0);
}

TEST_F(PercentProgress, LowerPaintsNoBarAndOutsideTheRangeNoText)
{
    Make(CPercentProgressCtrl::showPercent);
    m_bar.SetPos(0);
    QImage image = Paint();
    EXPECT_EQ(Count(image, 0, kWidth, m_barColour), 0);
    EXPECT_GT(Other(image, 80, 120, m_back), 0);
    m_bar.SetPos(50);
    m_bar.SetRange32(60, 100); // the position now lies below the range
    image = Paint();
    EXPECT_EQ(Other(image, 0, kWidth, m_back), 0);
}

TEST_F(PercentProgress, SolidAndGradientBars)
{
    Make(CPercentProgressCtrl::gradientOnBar);
    m_bar.SetBarColor(RGB(200, 0, 0));
    m_bar.SetPos(100);
    QImage image = Paint();
    EXPECT_EQ(At(image, 1, 5), RGB(200, 0, 0));
    EXPECT_EQ(At(image, kWidth - 2, 5), RGB(200, 0, 0));

    // The gradient spans the filled part only: its end colour stands at the bar's end.
    m_bar.SetBarColors({RGB(0, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)});
    m_bar.SetPos(50);
    image = Paint();
    EXPECT_EQ(At(image, 0, 5), RGB(0, 0, 0));
    EXPECT_GT(GetGValue(At(image, 50, 5)), 200);
    EXPECT_GT(GetBValue(At(image, 99, 5)), 240);
    EXPECT_EQ(At(image, 100, 5), m_back);
}

TEST_F(PercentProgress, TextOnAShortBarIsNotDrawn)
{
    Make(CPercentProgressCtrl::showPercent | CPercentProgressCtrl::textOnBar);
    m_bar.SetBarColor(RGB(0, 0, 0));
    m_bar.SetPos(2);
    const QImage image = Paint();
    EXPECT_EQ(Other(image, 4, kWidth, m_back), 0);
}

TEST_F(PercentProgress, SnakeRunsThroughAndTurnsAtTheEnd)
{
    Make(CPercentProgressCtrl::snake);
    m_bar.SetStep(30);
    m_bar.StepIt();
    EXPECT_EQ(m_bar.GetPos(), 30);
    EXPECT_EQ(m_bar.SnakeTail(), 0);
    m_bar.StepIt();
    m_bar.StepIt();
    EXPECT_EQ(m_bar.GetPos(), 90);
    EXPECT_EQ(m_bar.SnakeTail(), 50);
    m_bar.StepIt(); // 120: the tail runs on past the end
    EXPECT_EQ(m_bar.GetPos(), 100);
    EXPECT_EQ(m_bar.SnakeTail(), 80);
    m_bar.StepIt(); // 170 > 140: turns
    EXPECT_EQ(m_bar.SnakeTail(), 0);
    const QImage image = Paint();
    EXPECT_EQ(At(image, kWidth - 2, 5), m_barColour) << "reversed: the block runs from the right";
}
} // namespace
