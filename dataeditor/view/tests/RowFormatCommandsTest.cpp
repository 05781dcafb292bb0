#include "dataeditor/view/tests/EditCommandsFixture.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/controls/CColourPicker.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/DialogShot.h"

#include <QDir>

#include <functional>

namespace
{
// The five-row table with the format column (grid column 4) holding the given formats.
class RowFormatCommands : public EditCommands
{
protected:
    void SetUp() override
    {
        EditCommands::SetUp();
        CSobrelView::rowFormatClipboard.Empty();
    }
    CSobrelView* OpenWithFormats(std::initializer_list<const char*> formats)
    {
        if (!OpenFiveRows())
            return nullptr;
        m_view->InsertColumn(4, SobrelApp()->rowFormatColumnName, std::make_shared<CColumnInfo>(10, 55, -2));
        int row = 1;
        for (const char* format : formats)
            Grid().SetItemText(row++, kFormat, format);
        m_view->ApplyRowFormats();
        return m_view;
    }
    // The dialog of the next command: checks the caption and the format it opens with, then
    // lets change build the new format and closes with OK (no change: Cancel).
    void ScriptDialog(const std::function<void(CRowFormatDlg&)>& change)
    {
        auto opened = std::make_shared<CString>();
        DialogScript::OnNext(IDD_ROW_FORMAT, [change, opened](CDialog& d) {
            auto& dialog = static_cast<CRowFormatDlg&>(d);
            CString caption;
            d.GetWindowText(caption);
            *opened = caption + " / " + dialog.currentFormat;
            if (!change)
            {
                d.SendMessage(WM_COMMAND, IDCANCEL);
                return IDCANCEL;
            }
            change(dialog);
            d.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        m_opened = opened;
    }
    CString Opened() const { return m_opened ? *m_opened : CString(); }
    static void Click(CDialog& d, UINT id, bool checked)
    {
        d.CheckDlgButton(id, checked ? BST_CHECKED : BST_UNCHECKED);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
    }
    static void Reset(CDialog& d) { d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_RESET, BN_CLICKED)); }
    COLORREF TextColour(int row) const { return Grid().GetCell(row, 1)->GetTextClr(); }
    bool Bold(int row) const
    {
        const LOGFONT* font = Grid().GetCell(row, 1)->GetFont();
        return !Grid().GetCell(row, 1)->IsDefaultFont() && font && font->lfWeight > 400;
    }
    CString LastDescription() const
    {
        int current = 0;
        const auto entries = m_view->JournalEntries(current);
        return current > 0 ? entries[std::size_t(current - 1)].text : CString();
    }

    static constexpr int kFormat = 4;
    std::shared_ptr<CString> m_opened;
};
} // namespace

TEST_F(RowFormatCommands, TheFormatColumnIsInsertedHiddenAtTheEnd)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Select({CCellID(2, 2)});
    ASSERT_TRUE(Enabled(ID_FORMAT_COLUMN_INSERT));
    EXPECT_FALSE(Enabled(ID_FORMAT_SET));
    Command(ID_FORMAT_COLUMN_INSERT);
    EXPECT_EQ(Headers(), "Název,Cena,Poznámka,Format");
    EXPECT_EQ(m_view->FormatColumn(), kFormat);
    EXPECT_EQ(Grid().GetColumnWidth(kFormat), 0);
    EXPECT_EQ(m_view->ColumnInfo(kFormat)->type, 10);
    EXPECT_EQ(m_view->ColumnInfo(kFormat)->size, 55);
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::ColumnInserted}));
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(2, 2));
    EXPECT_FALSE(Enabled(ID_FORMAT_COLUMN_INSERT));
    Select({CCellID(2, 2)});
    EXPECT_TRUE(Enabled(ID_FORMAT_SET));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Headers(), "Název,Cena,Poznámka");
    Command(ID_EDIT_REDO);
    EXPECT_EQ(m_view->FormatColumn(), kFormat);
    EXPECT_EQ(Grid().GetColumnWidth(kFormat), 0);
}

TEST_F(RowFormatCommands, EachCommandIsEnabledOnlyWhereItCanWork)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenWithFormats({"ff0000||T|1", "/", "", "", ""}), nullptr);
    const auto oneCell = [this](int row) { return [this, row] { Select({CCellID(row, 1)}); }; };
    const auto twoRows = [this] { Grid().SetSelectedRange(1, 1, 2, 1); };
    const auto editing = [this] {
        Select({CCellID(1, 1)});
        m_view->editing = true;
    };
    const auto withClipboard = [this] {
        Select({CCellID(3, 1)});
        CSobrelView::rowFormatClipboard = "||T|0";
    };
    struct Case
    {
        const char* what;
        std::function<void()> prepare;
        UINT id;
        bool enabled;
    } cases[] = {
        {"set on two rows", twoRows, ID_FORMAT_SET, true},
        {"set while editing", editing, ID_FORMAT_SET, false},
        {"clear on two rows", twoRows, ID_FORMAT_CLEAR, true},
        {"copy from one row", oneCell(1), ID_FORMAT_COPY, true},
        {"copy from two rows", twoRows, ID_FORMAT_COPY, false},
        {"paste with an empty clipboard", oneCell(3), ID_FORMAT_PASTE, false},
        {"paste with a format copied", withClipboard, ID_FORMAT_PASTE, true},
        {"replace a format", oneCell(1), ID_FORMAT_REPLACE, true},
        {"replace a page break alone", oneCell(2), ID_FORMAT_REPLACE, false},
        {"replace no format", oneCell(3), ID_FORMAT_REPLACE, false},
        {"replace over two rows", twoRows, ID_FORMAT_REPLACE, false},
        {"show the column", oneCell(1), ID_FORMAT_COLUMN_SHOW, true},
        {"insert a second format column", oneCell(1), ID_FORMAT_COLUMN_INSERT, false},
    };
    for (const Case& c : cases)
    {
        m_view->editing = false;
        c.prepare();
        EXPECT_EQ(Enabled(c.id), c.enabled) << c.what;
    }
    m_view->editing = false;
    // A read-only table changes no format; a copy stays possible.
    m_view->Document()->readOnly = true;
    Select({CCellID(1, 1)});
    EXPECT_FALSE(Enabled(ID_FORMAT_SET));
    EXPECT_FALSE(Enabled(ID_FORMAT_CLEAR));
    EXPECT_TRUE(Enabled(ID_FORMAT_COPY));
}

TEST_F(RowFormatCommands, ASetFormatGoesOnEverySelectedRowKeepingPageBreaks)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenWithFormats({"", "00ff00|||0", "/0000ff|||0", "", ""}), nullptr);
    Grid().SetFocusCell(2, 1);
    Grid().SetSelectedRange(2, 1, 4, 2);
    ScriptDialog([](CRowFormatDlg& d) {
        QDir().mkpath("pictures");
        EXPECT_TRUE(DialogShot::Render(d, "pictures/sobrel-1027-set.png"));
        Reset(d);
        Click(d, IDC_ROWFMT_BOLD, true);
    });
    Command(ID_FORMAT_SET);
    EXPECT_EQ(Opened(), LanguageText(IDS_FORMAT_SET_CAPTION) + " / 00ff00|||0");
    EXPECT_EQ(Column(kFormat), ",||T|0,/||T|0,||T|0,");
    EXPECT_TRUE(Bold(2));
    EXPECT_TRUE(Bold(3));
    EXPECT_FALSE(Bold(5));
    EXPECT_EQ(TextColour(2), CLR_DEFAULT);
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::GroupBegin, CUndoStep::RowFormat, CUndoStep::RowFormat,
                                         CUndoStep::RowFormat, CUndoStep::GroupEnd}));
    EXPECT_EQ(m_view->Journal()[0]->oldText, "Nastaven formát řádků 2 až 4");
    EXPECT_TRUE(Grid().IsCellSelected(3, 2));
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(2, 1));

    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(kFormat), ",00ff00|||0,/0000ff|||0,,");
    EXPECT_FALSE(Bold(2));
    EXPECT_FALSE(Bold(4));
    EXPECT_EQ(TextColour(2), RGB(0, 255, 0));
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Column(kFormat), ",||T|0,/||T|0,||T|0,");
    EXPECT_TRUE(Bold(4));

    // Cancel changes nothing; the dialog opens with the first selected row's format.
    Select({CCellID(3, 1)});
    ScriptDialog(nullptr);
    Command(ID_FORMAT_SET);
    EXPECT_EQ(Opened(), LanguageText(IDS_FORMAT_SET_CAPTION) + " / /||T|0");
    EXPECT_EQ(m_view->Journal().size(), 5u);
}

TEST_F(RowFormatCommands, PasteAndClearKeepASwitchedOffRowSwitchedOff)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenWithFormats({"/ff0000||T|1", "", "/00ff00|||0", "", ""}), nullptr);
    Select({CCellID(1, 2)});
    Command(ID_FORMAT_COPY);
    EXPECT_EQ(CSobrelView::rowFormatClipboard, "ff0000||T|1");
    EXPECT_TRUE(m_view->Journal().empty());

    Grid().SetSelectedRange(2, 1, 3, 1);
    Command(ID_FORMAT_PASTE);
    EXPECT_EQ(Column(kFormat), "/ff0000||T|1,ff0000||T|1,/ff0000||T|1,,");
    EXPECT_EQ(TextColour(3), RGB(255, 0, 0));
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::GroupBegin, CUndoStep::RowFormat, CUndoStep::RowFormat,
                                         CUndoStep::GroupEnd}));
    EXPECT_EQ(m_view->Journal()[0]->oldText, "Vložen formát do řádků 2 až 3");

    // A switched-off row cleared alone keeps "/" and the grid's colours: one step, no group.
    Select({CCellID(3, 1)});
    Command(ID_FORMAT_CLEAR);
    EXPECT_EQ(Column(kFormat), "/ff0000||T|1,ff0000||T|1,/,,");
    EXPECT_EQ(TextColour(3), CLR_DEFAULT);
    EXPECT_FALSE(Bold(3));
    EXPECT_EQ(Kinds(4), (std::vector<int>{CUndoStep::RowFormat}));
    EXPECT_TRUE(Grid().IsPageBreakRow(3, ""));

    Grid().SetSelectedRange(1, 1, 2, 3);
    Command(ID_FORMAT_CLEAR);
    EXPECT_EQ(Column(kFormat), "/,,/,,");
    EXPECT_EQ(m_view->Journal()[5]->oldText, "Zrušen formát řádků 1 až 2");
    EXPECT_EQ(LastDescription(), "Zrušen formát řádků 1 až 2" + LanguageText(1104));
    EXPECT_EQ(m_view->Journal()[7]->Describe(), "Formát ff0000||T|1 řádku 2 zrušen");

    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(kFormat), "/ff0000||T|1,ff0000||T|1,/,,");
    EXPECT_EQ(LastDescription(), "Změněn formát řádku 3");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(kFormat), "/ff0000||T|1,ff0000||T|1,/ff0000||T|1,,");
    EXPECT_EQ(TextColour(3), RGB(255, 0, 0));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(kFormat), "/ff0000||T|1,,/00ff00|||0,,");
    EXPECT_EQ(TextColour(2), CLR_DEFAULT);
    EXPECT_EQ(TextColour(3), RGB(0, 255, 0));
    for (int i = 0; i < 3; ++i)
        Command(ID_EDIT_REDO);
    EXPECT_EQ(Column(kFormat), "/,,/,,");
}

TEST_F(RowFormatCommands, ReplacingTakesTheRowsOfExactlyThatFormat)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenWithFormats({"ff0000||T|1", "ff0000||T|12", "/ff0000||T|1", "", "00ff00|||0"}), nullptr);
    // A format of one row: one step, no group.
    Select({CCellID(5, 1)});
    ScriptDialog([](CRowFormatDlg& d) { Click(d, IDC_ROWFMT_ITALIC, true); });
    Command(ID_FORMAT_REPLACE);
    EXPECT_EQ(Opened(), LanguageText(IDS_FORMAT_REPLACE_CAPTION) + " / 00ff00|||0");
    EXPECT_EQ(Column(kFormat), "ff0000||T|1,ff0000||T|12,/ff0000||T|1,,00ff00||K|0");
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::RowFormat}));

    // "ff0000||T|1" is not "ff0000||T|12"; the switched-off row keeps its "/".
    Select({CCellID(1, 2)});
    ScriptDialog([](CRowFormatDlg& d) {
        Reset(d);
        Click(d, IDC_ROWFMT_UNDERLINE, true);
    });
    Command(ID_FORMAT_REPLACE);
    EXPECT_EQ(Column(kFormat), "||P|0,ff0000||T|12,/||P|0,,00ff00||K|0");
    EXPECT_EQ(TextColour(1), CLR_DEFAULT);
    EXPECT_EQ(TextColour(2), RGB(255, 0, 0));
    EXPECT_EQ(Kinds(1), (std::vector<int>{CUndoStep::GroupBegin, CUndoStep::RowFormat, CUndoStep::RowFormat,
                                          CUndoStep::GroupEnd}));
    EXPECT_EQ(m_view->Journal()[1]->oldText, "Formát ff0000||T|1 nahrazen formátem ||P|0");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(kFormat), "ff0000||T|1,ff0000||T|12,/ff0000||T|1,,00ff00||K|0");
    EXPECT_EQ(TextColour(3), RGB(255, 0, 0));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(kFormat), "ff0000||T|1,ff0000||T|12,/ff0000||T|1,,00ff00|||0");
    Command(ID_EDIT_REDO);
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Column(kFormat), "||P|0,ff0000||T|12,/||P|0,,00ff00||K|0");

    // Replaced by no format, the rows keep only their page breaks.
    Select({CCellID(2, 1)});
    ScriptDialog([](CRowFormatDlg& d) { Reset(d); });
    Command(ID_FORMAT_REPLACE);
    EXPECT_EQ(Column(kFormat), "||P|0,,/||P|0,,00ff00||K|0");
    EXPECT_EQ(Kinds(5), (std::vector<int>{CUndoStep::RowFormat}));

    Select({CCellID(3, 1)});
    ScriptDialog([](CRowFormatDlg& d) { Reset(d); });
    Command(ID_FORMAT_REPLACE);
    EXPECT_EQ(Opened(), LanguageText(IDS_FORMAT_REPLACE_CAPTION) + " / ||P|0");
    EXPECT_EQ(Column(kFormat), ",,/,,00ff00||K|0");
    EXPECT_EQ(m_view->Journal()[6]->oldText, "Formát ||P|0 zrušen ve všech řádcích");

    // Cancel journals nothing.
    const std::size_t steps = m_view->Journal().size();
    Select({CCellID(5, 1)});
    ScriptDialog(nullptr);
    Command(ID_FORMAT_REPLACE);
    EXPECT_EQ(m_view->Journal().size(), steps);
}

TEST_F(RowFormatCommands, ShowingTheFormatColumnShowsOtherHiddenColumnsToo)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenWithFormats({"ff0000||T|1", "", "", "", ""}), nullptr);
    Grid().SetColumnWidth(2, 0);
    Grid().SetSelectedRange(1, 1, 1, 1);
    Command(ID_FREEZE_COLUMNS);
    ASSERT_TRUE(m_view->frozen);
    Select({CCellID(3, 3)});
    Command(ID_FORMAT_COLUMN_SHOW);
    EXPECT_TRUE(m_view->formatColumnShown);
    EXPECT_GT(Grid().GetColumnWidth(kFormat), 1);
    EXPECT_GT(Grid().GetColumnWidth(2), 1);
    EXPECT_FALSE(m_view->frozen);
    EXPECT_EQ(Grid().GetFixedColumnCount(), 1);
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(3, 3));
    CCmdUI state;
    state.m_nID = ID_FORMAT_COLUMN_SHOW;
    state.DoUpdate(m_view, TRUE);
    EXPECT_EQ(state.m_nCheck, 1);

    // Re-applying the formats leaves a shown column in sight.
    Command(ID_APPLY_ROW_FORMATS);
    EXPECT_GT(Grid().GetColumnWidth(kFormat), 1);

    Command(ID_FORMAT_COLUMN_SHOW);
    EXPECT_FALSE(m_view->formatColumnShown);
    EXPECT_EQ(Grid().GetColumnWidth(kFormat), 0);
    EXPECT_GT(Grid().GetColumnWidth(2), 1);
    EXPECT_TRUE(m_view->Journal().empty());
}
