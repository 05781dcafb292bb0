#include "dataeditor/grid/CHeaderFooter.h"
#include "dataeditor/grid/CRowFormat.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF automatic = CRowFormat::defaultColour;

TEST(RowFormat, TextsReadAndWrittenBack)
{
    const struct
    {
        const char* text;
        bool applies;
        bool pageBreak;
        COLORREF textColour;
        COLORREF backColour;
        bool bold, italic, underline;
        int step;
        const char* written;
    } cases[] = {
        {"000000|d2b48c|T|1", true, false, RGB(0, 0, 0), RGB(0xd2, 0xb4, 0x8c), true, false, false, 1,
         "000000|d2b48c|T|1"},
        {"ff0000||TK|0", true, false, RGB(255, 0, 0), automatic, true, true, false, 0, "ff0000||TK|0"},
        {"ff0000||T|", true, false, RGB(255, 0, 0), automatic, true, false, false, 0, "ff0000||T|0"},
        {"ff0000|00ff00", false, false, automatic, automatic, false, false, false, 0, "|||0"},
        {"/000000|ffffff||0", true, true, RGB(0, 0, 0), RGB(255, 255, 255), false, false, false, 0,
         "/000000|ffffff||0"},
        {"/", false, true, automatic, automatic, false, false, false, 0, "/|||0"},
        {"0000FF|FFFF00|PKT|-2", true, false, RGB(0, 0, 255), RGB(255, 255, 0), true, true, true, -2,
         "0000ff|ffff00|TKP|-2"},
        {"@|zzzzzz||3", true, false, automatic, automatic, false, false, false, 3, "|||3"},
        {"", false, false, automatic, automatic, false, false, false, 0, "|||0"},
    };
    for (const auto& c : cases)
    {
        CRowFormat format;
        EXPECT_EQ(format.Read(c.text), c.applies) << c.text;
        EXPECT_EQ(format.pageBreak, c.pageBreak) << c.text;
        EXPECT_EQ(format.textColour, c.textColour) << c.text;
        EXPECT_EQ(format.backColour, c.backColour) << c.text;
        EXPECT_EQ(format.bold, c.bold) << c.text;
        EXPECT_EQ(format.italic, c.italic) << c.text;
        EXPECT_EQ(format.underline, c.underline) << c.text;
        EXPECT_EQ(format.sizeStep, c.step) << c.text;
        EXPECT_STREQ(format.Text(), c.written) << c.text;
        EXPECT_EQ(CRowFormat::IsPageBreak(c.text), c.pageBreak) << c.text;
    }
}

TEST(HeaderFooter, PartsAreTheThreeSectionsBeforeAndAfterTheThirdTab)
{
    const CString text = "a\tb\tc\td\te\tf";
    EXPECT_STREQ(CHeaderFooter::HeaderPart(text), "a\tb\tc");
    EXPECT_STREQ(CHeaderFooter::FooterPart(text), "d\te\tf");
    for (const char* shortText : {"", "a\tb", "\t"})
    {
        EXPECT_STREQ(CHeaderFooter::HeaderPart(shortText), "\t\t") << shortText;
        EXPECT_STREQ(CHeaderFooter::FooterPart(shortText), "\t\t") << shortText;
    }
    EXPECT_STREQ(CHeaderFooter::HeaderPart("\t\t\tx"), "\t\t");
}

TEST(HeaderFooter, TokensAndBracedGroups)
{
    CHeaderFooter::Values values;
    values.page = 3;
    values.pages = 12;
    values.title = "Katalog {ventilů";
    values.date = "10.12.2026";
    values.time = "17:30";
    const struct
    {
        const char* part;
        const char* expanded;
    } cases[] = {
        {"{%DATE%}Strana %PAGE%", "Strana 3"},
        {"%PAGE%/%PAGES%\t%TITLE%\t%DATE% %TIME%", "3/12\tKatalog {ventilů\t10.12.2026 17:30"},
        {"a{b{c}d}e{f}g", "aeg"},
        {"{neuzavřeno %PAGE%", ""},
        {"navíc}", ""},
        {"}{", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CHeaderFooter::Expand(c.part, values), c.expanded) << c.part;
    EXPECT_STREQ(CHeaderFooter::TitleOf("  Katalog ZVK | Sobrel "), "Katalog ZVK");
    EXPECT_STREQ(CHeaderFooter::TitleOf("|Sobrel"), "|Sobrel");
}
} // namespace
