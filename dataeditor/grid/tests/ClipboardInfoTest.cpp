#include "controls/grid/GridClipboardText.h"
#include "dataeditor/grid/CGridClipboardInfo.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
using Lines = std::vector<std::vector<CString>>;

TEST(ClipboardInfo, RoundTripOfTheThreeLines)
{
    CGridClipboardInfo info;
    info.wholeRows = true;
    info.rowCount = 2;
    info.columnCount = 3;
    info.names = {"Věta", "Název", "Cena"};
    info.producer = 7;
    EXPECT_STREQ(info.Text(), "1;2;3\t\nVěta\tNázev\tCena\t\n7\t\n");
    CGridClipboardInfo read;
    ASSERT_TRUE(read.Read(info.Text()));
    EXPECT_TRUE(read.wholeRows);
    EXPECT_EQ(read.rowCount, 2);
    EXPECT_EQ(read.columnCount, 3);
    EXPECT_EQ(read.names, info.names);
    EXPECT_EQ(read.producer, 7);
}

TEST(ClipboardInfo, DescriptionsThatDoNotAgreeAreRefused)
{
    for (const char* text : {"", "1;2\t\nA\tB\t\n0\t\n", "1;2;3\t\nA\tB\t\n0\t\n", "1;2;2\t\nA\tB\t\n\t\n",
                             "1;2;2\t\nA\tB\t\n", "x;2;2\t\nA\tB\t\n0\t\n"})
    {
        CGridClipboardInfo info;
        info.producer = 5;
        EXPECT_FALSE(info.Read(text)) << text;
        EXPECT_EQ(info.producer, 0);
        EXPECT_TRUE(info.names.empty());
    }
}

TEST(ClipboardInfo, ProducerNumberComesFromTheFileNameOnly)
{
    const struct
    {
        const char* path;
        int producer;
    } cases[] = {
        {"/data/a-b/ZVK-0007.xls", 7},
        {"/data/a-b/katalog.xls", 0},
        {"C:\\x-1\\ZVK-0123.XLS", 123},
        {"ZVK-12-3.xls", 12},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGridClipboardInfo::ProducerNumber(c.path), c.producer) << c.path;
    EXPECT_STREQ(CGridClipboardInfo::ProducerIndex(7, "12", " "), "7-12");
    EXPECT_STREQ(CGridClipboardInfo::ProducerIndex(7, "1 012", " "), "7-1012");
}

TEST(ClipboardInfo, BlockTextLeavesOutCellsNotSelected)
{
    const std::set<std::pair<int, int>> hole = {{0, 0}, {0, 2}, {1, 1}};
    const auto selected = [&](int row, int col) { return hole.count({row, col}) > 0; };
    const auto text = [](int row, int col) {
        CString t;
        t.Format("r%dc%d", row, col);
        return t;
    };
    EXPECT_STREQ(GridClipboardText::BlockText(0, 0, 1, 2, selected, text), "r0c0\tr0c2\t\nr1c1\t");
    EXPECT_STREQ(GridClipboardText::BlockText(4, 4, 4, 4, [](int, int) { return true; }, text), "r4c4");
    // A row without a selected cell is left out.
    const std::set<std::pair<int, int>> rows = {{0, 0}, {2, 0}};
    EXPECT_STREQ(GridClipboardText::BlockText(0, 0, 2, 0, [&](int r, int c) { return rows.count({r, c}) > 0; },
                                               text),
                 "r0c0\t\nr2c0");
}

TEST(ClipboardInfo, TextIsCutIntoLinesAndFields)
{
    const struct
    {
        const char* text;
        bool described;
        Lines lines;
    } cases[] = {
        {"a\tb\nc\td", false, {{"a", "b"}, {"c", "d"}}},
        {"#GridInfo;1\na\tb\t\nc\td", false, {{"a", "b"}, {"c", "d"}}},
        {"a\tb\t\nc\td", true, {{"a", "b"}, {"c", "d"}}},
        {"1,5\tx", false, {{"1,5", "x"}}},
        {"  a \t b\r\n c\r\n", false, {{"a", "b"}, {"c"}}},
        {"a\t\tb\t\t", false, {{"a", "", "b"}}},
        {"a\n\nb", false, {{"a"}, {}, {"b"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GridClipboardText::SplitText(c.text, c.described), c.lines) << c.text;
}
} // namespace
