#include "platform/gdi/FontMapping.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/SystemMetrics.h"

#include <QFontInfo>
#include <gtest/gtest.h>

#include <cstring>

TEST(FontMapping, WindowsFacesResolveToLiberationFonts)
{
    struct Case
    {
        const char* face;
        const char* family;
    };
    for (const Case& k : {Case{"Times New Roman", "Liberation Serif"}, Case{"Arial", "Liberation Sans"},
                          Case{"MS Sans Serif", "Liberation Sans"}, Case{"courier new", "Liberation Mono"},
                          Case{"", "Liberation Sans"}})
    {
        LOGFONT lf;
        lf.lfHeight = -12;
        std::strcpy(lf.lfFaceName, k.face);
        const QFont font = Gdi::FontFromLogFont(lf);
        EXPECT_EQ(QFontInfo(font).family(), QString(k.family)) << k.face;
    }
}

TEST(FontMapping, HeightsWeightsAndStylesCarryOver)
{
    LOGFONT lf;
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    std::strcpy(lf.lfFaceName, "Arial");
    const QFont f = Gdi::FontFromLogFont(lf, 2.0);
    EXPECT_EQ(f.pixelSize(), 40);
    EXPECT_EQ(f.weight(), QFont::Bold);
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(f.underline());
    const LOGFONT back = Gdi::LogFontFromQFont(f);
    EXPECT_EQ(back.lfHeight, -40);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_TRUE(back.lfItalic);
}

TEST(FontMapping, FontObjectsRoundTripTheirLogFont)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-13, 0, 900, 0, FW_BOLD, 0, 1, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    LOGFONT lf;
    EXPECT_EQ(font.GetLogFont(&lf), int(sizeof(LOGFONT)));
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(CFont::FromHandle(font)->m_hObject, font.m_hObject);
    EXPECT_EQ(QFontInfo(Gdi::QFontFromHandle(font)).family(), QString("Liberation Sans"));
    CFont stock;
    EXPECT_TRUE(stock.CreateStockObject(DEFAULT_GUI_FONT));
    stock.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, Gdi::MessageFont().lfHeight);
}
