// Clipboard text, paste, cut and drop of text through the owner's replies, and sorting.
#include "GridTestSupport.h"

#include "platform/ui/COleDataObject.h"
#include "testing/UiTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace
{
struct TextGrid : GridFixture
{
    TextGrid() : GridFixture(6, 5, 1, 1)
    {
        const char* texts[] = {"a", "b", "c", "d", "e", "f"};
        for (int i = 0; i < 6; i++)
            grid.SetItemText(1 + i / 3, 1 + i % 3, texts[i]);
    }

    std::string Row(int row)
    {
        std::string text;
        for (int col = 1; col < 5; col++)
            text += (col > 1 ? "|" : "") + grid.GetItemText(row, col).str();
        return text;
    }
};

std::string ClipboardText()
{
    return QGuiApplication::clipboard()->text().toStdString();
}

void SetClipboardText(const char* text)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}
} // namespace

TEST(GridClipboard, CopyGivesRowsOfTabSeparatedFields)
{
    TextGrid g;
    g.grid.SetSelectedRange(1, 1, 2, 3);
    g.grid.OnEditCopy();
    EXPECT_EQ(ClipboardText(), "a\tb\tc\nd\te\tf");
    // A cell of the range that is not selected keeps its place.
    g.grid.SetItemState(1, 2, g.grid.GetItemState(1, 2) & ~GVIS_SELECTED);
    EXPECT_EQ(g.grid.GetSelectionText(), "a\t\tc\nd\te\tf");
}

TEST(GridClipboard, CopyWithNothingSelectedLeavesTheClipboard)
{
    TextGrid g;
    SetClipboardText("před");
    g.grid.OnEditCopy();
    EXPECT_EQ(ClipboardText(), "před");
}

TEST(GridClipboard, CtrlCAndCtrlVTravelByKeys)
{
    TextGrid g;
    g.grid.SetFocusCell(1, 1);
    g.grid.SetSelectedRange(1, 1, 1, 2);
    g.grid.SetFocus();
    UiTest::PressKey('C', Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "a\tb");
    g.grid.SetFocusCell(4, 2);
    g.grid.SetFocus();
    UiTest::PressKey('V', Qt::ControlModifier);
    EXPECT_EQ(g.Row(4), "|a|b|");
}

TEST(GridClipboard, PasteSplitsAtTabsAndLineEndsOnly)
{
    struct Case
    {
        const char* text;
        std::string row1, row2;
    };
    for (const Case& c : {Case{"12,5", "12,5|b|c|", "d|e|f|"}, Case{"A\tB\r\nC", "A|B|c|", "C|e|f|"},
                          Case{" x \t\ty", "x||y|", "d|e|f|"}, Case{"p\t", "p|b|c|", "d|e|f|"},
                          Case{"1\t2\t3\t4\t5\t6", "1|2|3|4", "d|e|f|"}})
    {
        TextGrid g;
        SetClipboardText(c.text);
        g.grid.SetFocusCell(1, 1);
        g.grid.OnEditPaste();
        EXPECT_EQ(g.Row(1), c.row1) << c.text;
        EXPECT_EQ(g.Row(2), c.row2) << c.text;
    }
}

TEST(GridClipboard, PasteKeepsReadOnlyCellsAndRefusedTexts)
{
    TextGrid g;
    g.grid.SetItemState(1, 2, g.grid.GetItemState(1, 2) | GVIS_READONLY);
    SetClipboardText("X\tY\tZ");
    g.grid.SetFocusCell(1, 1);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.Row(1), "X|b|Z|");

    g.owner.replies[GVN_ENDLABELEDIT] = -1;
    SetClipboardText("Q\tR");
    g.grid.SetFocusCell(2, 1);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.Row(2), "d|e|f|");

    // Pasting at a read-only cell does nothing.
    g.owner.replies.clear();
    g.grid.SetFocusCell(1, 2);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.Row(1), "X|b|Z|");
}

TEST(GridClipboard, CutClearsOnlyWhatTheOwnerAllows)
{
    TextGrid g;
    g.grid.SetSelectedRange(1, 1, 1, 3);
    g.owner.replies[GVN_BEGINLABELEDIT] = -1;
    g.grid.OnEditCut();
    EXPECT_EQ(ClipboardText(), "a\tb\tc");
    EXPECT_EQ(g.Row(1), "a|b|c|");
    g.owner.replies.clear();
    g.grid.OnEditCut();
    EXPECT_EQ(g.Row(1), "|||");
    EXPECT_TRUE(g.grid.GetModified(1, 2));
}

TEST(GridClipboard, DropPastesThroughTheOwner)
{
    TextGrid g;
    g.grid.EnableDragAndDrop(TRUE);
    QMimeData mime;
    mime.setText("kapka\tdruhá");
    COleDataObject data;
    data.Attach(&mime);
    CRect rect;
    ASSERT_TRUE(g.grid.GetCellRect(2, 2, rect));
    EXPECT_EQ(g.grid.OnDragEnter(&data, MK_CONTROL, rect.CenterPoint()), DROPEFFECT_COPY);
    EXPECT_TRUE(g.grid.GetItemState(2, 2) & GVIS_DROPHILITED);
    EXPECT_EQ(g.grid.OnDragOver(&data, 0, rect.CenterPoint()), DROPEFFECT_MOVE);
    g.owner.replies[GVN_ENDLABELEDIT] = -1;
    EXPECT_TRUE(g.grid.OnDrop(&data, DROPEFFECT_MOVE, rect.CenterPoint()));
    EXPECT_EQ(g.Row(2), "d|e|f|");
    EXPECT_FALSE(g.grid.GetItemState(2, 2) & GVIS_DROPHILITED);
    g.owner.replies.clear();
    g.grid.OnDragEnter(&data, 0, rect.CenterPoint());
    EXPECT_TRUE(g.grid.OnDrop(&data, DROPEFFECT_MOVE, rect.CenterPoint()));
    EXPECT_EQ(g.Row(2), "d|kapka|druhá|");

    g.grid.EnableDragAndDrop(FALSE);
    EXPECT_EQ(g.grid.OnDragEnter(&data, 0, rect.CenterPoint()), DROPEFFECT_NONE);
}

TEST(GridClipboard, SelectAllNotifiesAroundTheSelection)
{
    TextGrid g;
    g.grid.OnEditSelectAll();
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(1, 1, 5, 4));
    EXPECT_EQ(g.owner.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED}));
}

TEST(GridSort, RowsMoveWholeAndFixedRowsStay)
{
    TextGrid g;
    for (int row = 1; row < 6; row++)
        g.grid.SetItemTextFmt(row, 4, "%d", 12 - row * 2);
    g.grid.SetRowHeight(3, 33);
    g.grid.SetItemText(0, 4, "hlava");
    g.grid.SetFocusCell(2, 2);
    EXPECT_TRUE(g.grid.SortByColumn(4, TRUE));
    std::vector<std::string> column;
    for (int row = 0; row < 6; row++)
        column.push_back(g.grid.GetItemText(row, 4).str());
    EXPECT_EQ(column, (std::vector<std::string>{"hlava", "10", "2", "4", "6", "8"}));
    // Each row carries its cells and its height.
    EXPECT_EQ(g.Row(1), "a|b|c|10");
    EXPECT_EQ(g.grid.GetRowHeight(4), 33);
    EXPECT_FALSE(g.grid.IsValid(g.grid.GetFocusCell()));
    EXPECT_FALSE(g.grid.SortByColumn(7));
}

TEST(GridEditorClipboard, CopyLeavesOutCellsNotSelected)
{
    TextGrid g;
    g.grid.SetEditorClipboard(TRUE);
    g.grid.SetSelectedRange(1, 1, 2, 3);
    for (const auto& [row, col] : {std::pair{1, 2}, std::pair{2, 1}, std::pair{2, 3}})
        g.grid.SetItemState(row, col, g.grid.GetItemState(row, col) & ~GVIS_SELECTED);
    EXPECT_EQ(g.grid.GetSelectionText(), "a\tc\t\ne\t"); // e stands before the last column: its tab stays
    g.grid.SetSelectedRange(2, 2, 2, 2);
    EXPECT_EQ(g.grid.GetSelectionText(), "e");
}

TEST(GridEditorClipboard, PasteTakesLinesFieldsAndGridInfoAndNeverAsks)
{
    struct Case
    {
        const char* text;
        std::string row1, row2;
    };
    for (const Case& c : {Case{"A\tB\nC\tD", "A|B|c|", "C|D|f|"}, Case{"#GridInfo;2\nA\tB\t\nC\tD", "A|B|c|", "C|D|f|"},
                          Case{"1,5\tx", "1,5|x|c|", "d|e|f|"}, Case{" A \t B\r\n C\r\n", "A|B|c|", "C|e|f|"}})
    {
        TextGrid g;
        g.grid.SetEditorClipboard(TRUE);
        g.grid.SetColumnWidth(2, 0); // a hidden column is pasted into like any other
        g.owner.replies[GVN_BEGINLABELEDIT] = -1;
        g.owner.replies[GVN_ENDLABELEDIT] = -1;
        SetClipboardText(c.text);
        g.grid.SetFocusCell(1, 1);
        g.owner.events.clear();
        g.grid.OnEditPaste();
        EXPECT_EQ(g.Row(1), c.row1) << c.text;
        EXPECT_EQ(g.Row(2), c.row2) << c.text;
        const std::vector<int> codes = g.owner.Codes();
        ASSERT_GE(codes.size(), 2u) << c.text;
        EXPECT_EQ(codes[0], GVN_BEGINLABELEDIT);
        EXPECT_EQ(codes[1], GVN_ENDLABELEDIT);
        EXPECT_TRUE(g.grid.GetItemState(1, 1) & GVIS_MODIFIED);
    }
}
