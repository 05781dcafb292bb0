#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/controls/CColourPicker.h"
#include "dataeditor/view/CSearchDlg.h"
#include "dataeditor/view/SearchIds.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDateTimeCtrl.h"
#include "platform/ui/DialogShot.h"

#include <QDir>

#include <functional>

namespace
{
constexpr COLORREF kMark = RGB(255, 200, 0);

// What the user sets in the search dialog before OK (or Cancel).
struct Request
{
    int mode = CSearchDlg::textMode;
    const char* text = "";
    bool wholeCell = false;
    bool caseSensitive = false;
    const char* lower = "0";
    const char* upper = "0";
    int numberType = CSearchDlg::numberRange;
    COleDateTime from;
    COleDateTime to;
    int dateType = CSearchDlg::dateRange;
    bool hide = false;
    bool replace = false;
    const char* replacement = "";
    int result = IDOK;
};

// What the dialog showed when it opened.
struct Shown
{
    bool numberModeEnabled = false;
    bool dateModeEnabled = false;
    bool replaceEnabled = false;
    bool upperEnabled = false;
    bool toEnabled = false;
};

// The catalogue A: Název (text), Cena (real, 2 decimals), Poznámka (memo); rows Radiátor
// 1234.5 "krátká", Trubka 0.1234567891 "x", Ventil 99 "".
class Search : public DocumentFixture
{
protected:
    CSobrelView* OpenView()
    {
        CSobrelDoc* document = Open("A$");
        m_view = document ? document->View() : nullptr;
        if (CSobrelApp* app = SobrelApp())
        {
            app->options.searchMode = 0;
            app->options.searchReplace = 0;
            app->options.searchResultColor = 1;
            app->options.searchResultShow = 0;
            app->options.searchColor = kMark;
        }
        return m_view;
    }
    CSobrelGrid& Grid() const { return *m_view->Grid(); }

    int Run(const Request& request, Shown* shown = nullptr)
    {
        DialogScript::OnNext(IDD_SEARCH, [request, shown](CDialog& d) {
            if (shown)
            {
                shown->numberModeEnabled = d.GetDlgItem(IDC_SEARCH_MODE_NUMBER)->IsWindowEnabled();
                shown->dateModeEnabled = d.GetDlgItem(IDC_SEARCH_MODE_DATE)->IsWindowEnabled();
                shown->replaceEnabled = d.GetDlgItem(IDC_SEARCH_REPLACE)->IsWindowEnabled();
            }
            const UINT modes[] = {IDC_SEARCH_MODE_TEXT, IDC_SEARCH_MODE_NUMBER, IDC_SEARCH_MODE_DATE};
            d.CheckRadioButton(IDC_SEARCH_MODE_TEXT, IDC_SEARCH_MODE_DATE, int(modes[request.mode]));
            d.SendMessage(WM_COMMAND, MAKEWPARAM(modes[request.mode], BN_CLICKED));
            const UINT types[] = {IDC_SEARCH_NUMBER_RANGE, IDC_SEARCH_NUMBER_EQUAL, IDC_SEARCH_NUMBER_MINIMUM,
                                  IDC_SEARCH_NUMBER_MAXIMUM};
            d.CheckRadioButton(IDC_SEARCH_NUMBER_RANGE, IDC_SEARCH_NUMBER_MAXIMUM, int(types[request.numberType]));
            d.SendMessage(WM_COMMAND, MAKEWPARAM(types[request.numberType], BN_CLICKED));
            if (shown)
                shown->upperEnabled = d.GetDlgItem(IDC_SEARCH_UPPER)->IsWindowEnabled();
            if (request.mode == CSearchDlg::dateMode)
            {
                const UINT dateTypes[] = {IDC_SEARCH_DATE_RANGE, IDC_SEARCH_DATE_ONE};
                d.CheckRadioButton(IDC_SEARCH_DATE_RANGE, IDC_SEARCH_DATE_ONE, int(dateTypes[request.dateType]));
                d.SendMessage(WM_COMMAND, MAKEWPARAM(dateTypes[request.dateType], BN_CLICKED));
                if (shown)
                    shown->toEnabled = d.GetDlgItem(IDC_SEARCH_TO)->IsWindowEnabled();
                static_cast<CDateTimeCtrl*>(d.GetDlgItem(IDC_SEARCH_FROM))->SetTime(request.from);
                static_cast<CDateTimeCtrl*>(d.GetDlgItem(IDC_SEARCH_TO))->SetTime(request.to);
            }
            d.SetDlgItemText(IDC_SEARCH_TEXT, request.text);
            d.CheckDlgButton(IDC_SEARCH_WHOLE_CELL, request.wholeCell);
            d.CheckDlgButton(IDC_SEARCH_CASE_SENSITIVE, request.caseSensitive);
            d.SetDlgItemText(IDC_SEARCH_LOWER, request.lower);
            d.SetDlgItemText(IDC_SEARCH_UPPER, request.upper);
            d.CheckDlgButton(IDC_SEARCH_HIDE, request.hide);
            d.CheckDlgButton(IDC_SEARCH_REPLACE, request.replace);
            d.SetDlgItemText(IDC_SEARCH_REPLACEMENT, request.replacement);
            d.SendMessage(WM_COMMAND, request.result);
            return request.result;
        });
        return m_view->Search(true);
    }
    bool Marked(int row, int col) const { return Grid().GetCell(row, col)->GetBackClr() == kMark; }
    // The marked cells as "row,col" in order.
    std::string Marks() const
    {
        std::string marks;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            for (int c = 1; c < Grid().GetColumnCount(); ++c)
                if (Marked(r, c))
                    marks += (marks.empty() ? "" : " ") + std::to_string(r) + "," + std::to_string(c);
        return marks;
    }
    bool Enabled(UINT id) const { return CommandEnabled(m_view, id); }

    CSobrelView* m_view = nullptr;
};
} // namespace

TEST_F(Search, OneSelectedCellSearchesTheWholeTableAndMarksWhatMatches)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    Grid().SetSelectedRange(3, 3, 3, 3);
    Grid().SetFocusCell(3, 3);

    struct Case
    {
        Request request;
        int result;
        std::string marks;
    } cases[] = {
        {{.text = "t"}, 1, "1,1 1,3 2,1 3,1"},
        {{.text = "t", .caseSensitive = true}, 1, "1,1 1,3 3,1"},
        {{.text = "X", .wholeCell = true}, 1, "2,3"},
        {{.text = "Trubk", .wholeCell = true}, 0, ""},
        {{.mode = CSearchDlg::numberMode, .lower = "90", .upper = "1300"}, 1, "1,2 3,2"},
        {{.mode = CSearchDlg::numberMode, .lower = "99", .numberType = CSearchDlg::numberEqual}, 1, "3,2"},
        {{.mode = CSearchDlg::numberMode, .numberType = CSearchDlg::numberMinimum}, 1, "2,2"},
        // Numbers are searched in their data as read, not in the two decimals shown.
        {{.mode = CSearchDlg::numberMode, .lower = "0.12", .numberType = CSearchDlg::numberEqual}, 0, ""},
    };
    for (const Case& c : cases)
    {
        m_view->SendMessage(WM_COMMAND, ID_SEARCH_CLEAR);
        ScriptedAnswers::ForgetShown();
        EXPECT_EQ(Run(c.request), c.result) << c.request.text << " " << c.request.lower;
        EXPECT_EQ(Marks(), c.marks) << c.request.text << " " << c.request.lower;
        EXPECT_EQ(m_view->found, c.result == 1);
        EXPECT_EQ(Enabled(ID_SEARCH_CLEAR), c.result == 1);
        const auto& boxes = ScriptedAnswers::ShownBoxes();
        EXPECT_EQ(boxes.size(), c.result == 1 ? 0u : 1u);
        if (!boxes.empty())
            EXPECT_EQ(boxes.back().text, LanguageText(IDS_SEARCH_NOTHING));
    }
    EXPECT_TRUE(m_view->Journal().empty()) << "a search without replacing changes nothing";
}

TEST_F(Search, MaximumFindsEveryLargestValueAndTheFocusGoesToTheFirst)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    Grid().SetItemText(3, 2, "1234.5");
    Grid().SetFocusCell(2, 1);
    Grid().SetSelectedRange(2, 1, 2, 1);
    EXPECT_EQ(Run({.mode = CSearchDlg::numberMode, .numberType = CSearchDlg::numberMaximum, .hide = true}), 1);
    EXPECT_EQ(Marks(), "1,2 3,2");
    EXPECT_EQ(Grid().GetFocusCell().row, 1);
    EXPECT_EQ(Grid().GetFocusCell().col, 2);
    EXPECT_FALSE(Grid().IsCellSelected(2, 1)) << "the old focus cell is no longer selected";
    EXPECT_GT(Grid().GetRowHeight(1), 0);
    EXPECT_EQ(Grid().GetRowHeight(2), 0) << "the row without the maximum is hidden";
    EXPECT_GT(Grid().GetRowHeight(3), 0);

    // Clearing shows every row and takes the marks back.
    const int height = Grid().GetDefaultCell(FALSE, FALSE)->GetHeight();
    m_view->SendMessage(WM_COMMAND, ID_SEARCH_CLEAR);
    EXPECT_EQ(Marks(), "");
    EXPECT_EQ(Grid().GetRowHeight(2), height);
    EXPECT_FALSE(m_view->found);
    EXPECT_FALSE(Enabled(ID_SEARCH_CLEAR));
}

TEST_F(Search, HidingWithNothingFoundLeavesEveryRowVisible)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    EXPECT_EQ(Run({.text = "nic takového", .hide = true}), 0);
    for (int r = 1; r <= 3; ++r)
        EXPECT_GT(Grid().GetRowHeight(r), 0) << r;
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
}

TEST_F(Search, AReversedRangeIsSwappedAndASelectionLimitsTheScope)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    // Rows 2 and 3 of the price column: 1234.5 in row 1 lies outside.
    Grid().SetSelectedRange(2, 2, 3, 2);
    EXPECT_EQ(Run({.mode = CSearchDlg::numberMode, .lower = "2000", .upper = "0"}), 1);
    EXPECT_EQ(m_view->lowerNumber, 0);
    EXPECT_EQ(m_view->upperNumber, 2000);
    EXPECT_EQ(Marks(), "2,2 3,2");

    // A scope of the text column alone offers no number mode; Cancel keeps the found flag.
    Grid().SetSelectedRange(1, 1, 3, 1);
    Shown shown;
    EXPECT_EQ(Run({.text = "a", .result = IDCANCEL}, &shown), -1);
    EXPECT_FALSE(shown.numberModeEnabled);
    EXPECT_FALSE(shown.dateModeEnabled);
    EXPECT_TRUE(shown.replaceEnabled);
    EXPECT_TRUE(m_view->found);
}

TEST_F(Search, ReplacingEveryOccurrenceWhateverItsCaseIsOneUndoGroup)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    Grid().SetItemText(1, 3, "Abc abc");
    Grid().SetItemText(2, 3, "ŽLUŤ a žluť");
    Grid().SetItemText(3, 3, "ABC");
    const CString before1 = Grid().GetItemText(1, 3);

    struct Case
    {
        Request request;
        const char* cell1;
        const char* cell2;
        const char* cell3;
    } cases[] = {
        {{.text = "abc", .replace = true, .replacement = "x"}, "x x", "ŽLUŤ a žluť", "x"},
        {{.text = "abc", .caseSensitive = true, .replace = true, .replacement = "x"}, "Abc x", "ŽLUŤ a žluť", "ABC"},
        {{.text = "žluť", .replace = true, .replacement = "modrá"}, "Abc abc", "modrá a modrá", "ABC"},
        {{.text = "abc", .wholeCell = true, .replace = true, .replacement = "y"}, "Abc abc", "ŽLUŤ a žluť", "y"},
    };
    for (const Case& c : cases)
    {
        const std::size_t steps = std::size_t(m_view->JournalPosition() + 1);
        EXPECT_EQ(Run(c.request), 1) << c.request.text;
        EXPECT_STREQ(Grid().GetItemText(1, 3), c.cell1);
        EXPECT_STREQ(Grid().GetItemText(2, 3), c.cell2);
        EXPECT_STREQ(Grid().GetItemText(3, 3), c.cell3);
        ASSERT_GT(m_view->Journal().size(), steps + 2);
        ASSERT_EQ(m_view->JournalPosition() + 1, int(m_view->Journal().size()));
        const CUndoStep& begin = *m_view->Journal()[steps];
        EXPECT_EQ(begin.kind, CUndoStep::GroupBegin);
        CString name;
        name.Format(LanguageText(IDS_SEARCH_REPLACED).GetString(), c.request.replacement);
        EXPECT_EQ(begin.oldText, name);
        EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::GroupEnd);
        m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
        EXPECT_EQ(Grid().GetItemText(1, 3), before1);
        EXPECT_STREQ(Grid().GetItemText(2, 3), "ŽLUŤ a žluť");
        EXPECT_STREQ(Grid().GetItemText(3, 3), "ABC");
        m_view->SendMessage(WM_COMMAND, ID_SEARCH_CLEAR);
    }
}

TEST_F(Search, DatesAreFoundInDateColumnsByDayWithinARangeOrOnOneDay)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    m_view->ColumnInfo(3)->type = 8;
    Grid().SetItemText(1, 3, "2024-03-15");
    Grid().SetItemText(2, 3, "2024-03-16 10:30");
    Grid().SetItemText(3, 3, "není datum");
    Grid().SetItemText(3, 1, "2024-03-15");
    // The dates of the dialog lose their time of day; a reversed range is swapped.
    const COleDateTime morning(2024, 3, 15, 9, 0, 0), evening(2024, 3, 16, 18, 0, 0);

    struct Case
    {
        Request request;
        std::string marks;
    } cases[] = {
        {{.mode = CSearchDlg::dateMode, .from = morning, .to = evening}, "1,3 2,3"},
        {{.mode = CSearchDlg::dateMode, .from = evening, .to = morning}, "1,3 2,3"},
        {{.mode = CSearchDlg::dateMode, .from = evening, .to = evening, .dateType = CSearchDlg::dateOne}, "2,3"},
        {{.mode = CSearchDlg::dateMode, .from = morning, .to = morning}, "1,3"},
    };
    for (const Case& c : cases)
    {
        m_view->SendMessage(WM_COMMAND, ID_SEARCH_CLEAR);
        Shown shown;
        EXPECT_EQ(Run(c.request, &shown), 1);
        EXPECT_EQ(Marks(), c.marks);
        EXPECT_EQ(shown.toEnabled, c.request.dateType == CSearchDlg::dateRange);
        EXPECT_EQ(m_view->fromDate.GetHour(), 0);
        EXPECT_LE(m_view->fromDate, m_view->toDate);
    }
}

TEST_F(Search, AReadOnlyTableIsMarkedButNotChanged)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    Grid().SetEditable(FALSE);
    Shown shown;
    EXPECT_EQ(Run({.text = "Ventil", .hide = true, .replace = true, .replacement = "nic"}, &shown), 1);
    EXPECT_FALSE(shown.replaceEnabled);
    EXPECT_STREQ(Grid().GetItemText(3, 1), "Ventil");
    EXPECT_EQ(Marks(), "3,1");
    EXPECT_EQ(Grid().GetRowHeight(1), 0);
    EXPECT_TRUE(m_view->Journal().empty());
}

TEST_F(Search, TheDialogEnablesTheControlsOfItsModeAndStartsFromTheOptions)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    Shown equal;
    Run({.mode = CSearchDlg::numberMode, .numberType = CSearchDlg::numberEqual, .result = IDCANCEL}, &equal);
    EXPECT_FALSE(equal.upperEnabled);
    Shown range;
    Run({.mode = CSearchDlg::numberMode, .result = IDCANCEL}, &range);
    EXPECT_TRUE(range.upperEnabled);

    // OK writes the choices back into the options.
    Run({.text = "x", .wholeCell = true, .hide = true});
    const CSobrelOptions& options = SobrelApp()->options;
    EXPECT_EQ(options.searchAllWord, 1);
    EXPECT_EQ(options.searchResultShow, 1);
    EXPECT_EQ(options.searchMode, 0);
    EXPECT_EQ(m_view->searchText, "x");
}

TEST_F(Search, Picture)
{
    ASSERT_TRUE(Start());
    QDir().mkpath("pictures");
    CSearchDlg dialog;
    dialog.text = "Radiátor";
    dialog.colour = kMark;
    EXPECT_TRUE(DialogShot::Render(dialog, "pictures/sobrel-1040.png"));
    auto* picker = dynamic_cast<CColourPicker*>(dialog.GetDlgItem(IDC_SEARCH_COLOUR));
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->customText, "Další barvy...");
    EXPECT_EQ(picker->defaultText, "");
}

TEST_F(Search, LeavingANumberThatDoesNotReadTellsAtOnce)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenView(), nullptr);
    std::size_t boxesAtLeaving = 0;
    DialogScript::OnNext(IDD_SEARCH, [&boxesAtLeaving](CDialog& d) {
        d.SetDlgItemText(IDC_SEARCH_LOWER, "dvanáct");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEARCH_LOWER, EN_KILLFOCUS));
        boxesAtLeaving = ScriptedAnswers::ShownBoxes().size();
        d.SendMessage(WM_COMMAND, IDCANCEL);
        return IDCANCEL;
    });
    EXPECT_EQ(m_view->Search(true), -1);
    EXPECT_EQ(boxesAtLeaving, 1u);
    EXPECT_EQ(m_view->lowerNumber, 0);
}
