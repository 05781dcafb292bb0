// Commands of the table window as the user reaches them: items of the main menu, opened (so
// that their update handlers run) and chosen, on the catalogue A of the document fixture.
#include "dataeditor/view/tests/EditCommandsFixture.h"

#include "dataeditor/app/CCustomizeBarsDlg.h"
#include "dataeditor/app/CMainFrame.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "dataeditor/app/CEditListBox.h"
#include "dataeditor/view/SearchIds.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/frame/CControlBar.h"
#include "platform/frame/FrameIds.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace
{
class MenuCommands : public EditCommands
{
protected:
    CMainFrame* Frame() const { return dynamic_cast<CMainFrame*>(m_app->m_pMainWnd); }
    // The item of the command in the main menu, its popup opened; null when no popup holds it.
    QAction* MenuItem(UINT id, QString* popupTitle = nullptr) const
    {
        for (QAction* top : Frame()->MainWindow()->menuBar()->actions())
        {
            QMenu* popup = top->menu();
            if (!popup)
                continue;
            for (QAction* item : popup->actions())
                if (item->data().isValid() && item->data().toUInt() == id)
                {
                    emit popup->aboutToShow();
                    if (popupTitle)
                        *popupTitle = popup->title();
                    return item;
                }
        }
        return nullptr;
    }
    // Chooses the menu item when it is enabled; false when it is missing or grey.
    bool Choose(UINT id) const
    {
        QAction* item = MenuItem(id);
        if (!item || !item->isEnabled())
            return false;
        item->trigger();
        return true;
    }
    std::vector<UINT> Customisable() const
    {
        std::vector<UINT> offered;
        DialogScript::OnNext(IDD_CUSTOMIZE_BARS, [&offered](CDialog& d) {
            offered = static_cast<CCustomizeBarsDlg&>(d).offered;
            d.SendMessage(WM_COMMAND, IDCANCEL);
            return IDCANCEL;
        });
        Frame()->SendMessage(WM_COMMAND, ID_CUSTOMIZE);
        return offered;
    }
};

struct Offered
{
    UINT id;
    const char* czechPopup;
    const char* englishPopup;
};

const Offered kOffered[] = {
    {ID_ROW_TOP, "&Tabulka", "&Table"},
    {ID_ROW_BOTTOM, "&Tabulka", "&Table"},
    {ID_FILL, "&Tabulka", "&Table"},
    {ID_FREEZE_COLUMNS, "&Tabulka", "&Table"},
    {ID_MARK_SWITCHED_OFF_ROWS, "&Formát", "F&ormat"},
    {ID_APPLY_ROW_FORMATS, "&Formát", "F&ormat"},
    {ID_ROW_FORMATS, "&Formát", "F&ormat"},
};
} // namespace

TEST_F(MenuCommands, TheTableCommandsStandInTheMenusOfBothLanguagesWithTipsAndCanBeCustomised)
{
    ASSERT_TRUE(Start());
    for (const char* language : {"CZ", "EN"})
    {
        if (CString(language) == "EN")
            ASSERT_TRUE(m_app->SwitchLanguage("EN", 1, ""));
        const std::vector<UINT> customisable = Customisable();
        for (const Offered& command : kOffered)
        {
            QString popup;
            QAction* item = MenuItem(command.id, &popup);
            ASSERT_NE(item, nullptr) << language << " " << command.id;
            EXPECT_EQ(popup.toStdString(), CString(language) == "CZ" ? command.czechPopup : command.englishPopup)
                << command.id;
            const CString tip = LanguageText(command.id);
            const int line = tip.Find('\n');
            EXPECT_GT(line, 0) << language << " " << command.id << ": " << tip;
            EXPECT_GT(tip.GetLength(), line + 1) << language << " " << command.id;
            EXPECT_NE(std::find(customisable.begin(), customisable.end(), command.id), customisable.end())
                << language << " " << command.id;
        }
    }
}

TEST_F(MenuCommands, EachCommandDoesItsWorkFromTheMenu)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    m_view->InsertColumn(4, SobrelApp()->rowFormatColumnName, std::make_shared<CColumnInfo>(10, 55, -2));
    struct Case
    {
        const char* name;
        UINT id;
        std::function<void()> before;
        std::function<void()> after;
    };
    const Case cases[] = {
        {"row 4 to the top", ID_ROW_TOP, [&] { Select({CCellID(4, 1)}); },
         [&] { EXPECT_EQ(Column(1), "r4,r1,r2,r3,r5"); }},
        {"row 2 to the bottom", ID_ROW_BOTTOM, [&] { Select({CCellID(2, 1)}); },
         [&] { EXPECT_EQ(Column(1), "r1,r3,r4,r5,r2"); }},
        {"rows 2 and 3 filled", ID_FILL,
         [&] {
             Grid().SetSelectedRange(2, 1, 3, 1);
             DialogScript::OnNext(IDD_TEXT_PROMPT, [](CDialog& d) {
                 d.SetDlgItemText(IDC_PROMPT_TEXT, "Kohout");
                 d.SendMessage(WM_COMMAND, IDOK);
                 return IDOK;
             });
         },
         [&] { EXPECT_EQ(Column(1), "r1,Kohout,Kohout,r4,r5"); }},
        {"two columns frozen", ID_FREEZE_COLUMNS,
         [&] {
             Grid().SetFocusCell(1, 1);
             Grid().SetSelectedRange(1, 1, 1, 2);
         },
         [&] {
             EXPECT_EQ(Grid().GetFixedColumnCount(), 3);
             EXPECT_TRUE(MenuItem(ID_FREEZE_COLUMNS)->isChecked());
             ASSERT_TRUE(Choose(ID_FREEZE_COLUMNS));
             EXPECT_EQ(Grid().GetFixedColumnCount(), 1);
             EXPECT_FALSE(MenuItem(ID_FREEZE_COLUMNS)->isChecked());
         }},
        {"switched-off row 3 marked", ID_MARK_SWITCHED_OFF_ROWS, [&] { Grid().SetItemText(3, 4, "/ff0000|||"); },
         [&] {
             EXPECT_EQ(Grid().GetCell(3, 1)->GetBackClr(), SobrelApp()->options.searchColor);
             EXPECT_NE(Grid().GetCell(2, 1)->GetBackClr(), SobrelApp()->options.searchColor);
             EXPECT_TRUE(m_view->found);
         }},
        {"row formats applied again", ID_APPLY_ROW_FORMATS, [&] { Grid().SetItemText(2, 4, "0000ff|||"); },
         [&] {
             EXPECT_EQ(Grid().GetCell(2, 1)->GetTextClr(), RGB(0, 0, 0xff));
             EXPECT_EQ(Grid().GetCell(2, 2)->GetTextClr(), RGB(0, 0, 0xff));
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.before();
        ASSERT_TRUE(Choose(c.id));
        c.after();
        if (c.id == ID_ROW_TOP || c.id == ID_ROW_BOTTOM || c.id == ID_FILL)
        {
            ASSERT_TRUE(Choose(ID_EDIT_UNDO));
            EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");
        }
    }
    EXPECT_TRUE(DialogScript::Unexpected().empty());
}

TEST_F(MenuCommands, CommandsWaitForWhatTheyWorkOn)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Select({CCellID(1, 1)});
    EXPECT_FALSE(MenuItem(ID_ROW_TOP)->isEnabled()) << "the first row is at the top";
    EXPECT_TRUE(MenuItem(ID_ROW_BOTTOM)->isEnabled());
    EXPECT_FALSE(MenuItem(ID_MARK_SWITCHED_OFF_ROWS)->isEnabled()) << "no format column";
    Select({CCellID(5, 1)});
    EXPECT_FALSE(MenuItem(ID_ROW_BOTTOM)->isEnabled()) << "the last row is at the bottom";
    Grid().SetSelectedRange(1, 2, 1, 2);
    EXPECT_FALSE(MenuItem(ID_FREEZE_COLUMNS)->isEnabled()) << "a selection not from the first column";
}

TEST_F(MenuCommands, RowFormatsEditTheNamedFormatsWhichTheWorkbookKeeps)
{
    // The list's workbook is the test's own copy: it is written at exit.
    QFile::remove(ProgramFile("Sobrel-CZ.xls"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/Sobrel-CZ.xls"), ProgramFile("Sobrel-CZ.xls")));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(m_app->namedFormats.count("Součet"));
    const std::map<CString, CString> before = m_app->namedFormats;

    // Cancel changes nothing; OK keeps an italic "Součet" and a new name moved to the top.
    for (const UINT end : {UINT(IDCANCEL), UINT(IDOK)})
    {
        std::vector<CString> listed;
        DialogScript::OnNext(IDD_ROW_FORMAT, [&listed, end](CDialog& d) {
            auto& dialog = static_cast<CRowFormatDlg&>(d);
            for (int i = 0; i < dialog.names->GetCount(); ++i)
                listed.push_back(dialog.names->GetItemText(i));
            for (int i = 0; i < dialog.names->GetCount(); ++i)
                if (dialog.names->GetItemText(i) == "Součet")
                    dialog.names->SelectItem(i);
            d.CheckDlgButton(IDC_ROWFMT_ITALIC, BST_CHECKED);
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_ITALIC, BN_CLICKED));
            d.SendMessage(WM_COMMAND, end);
            return int(end);
        });
        ASSERT_TRUE(Choose(ID_ROW_FORMATS)) << "without a table";
        EXPECT_EQ(listed.size(), before.size()) << "the named formats alone";
        if (end == IDCANCEL)
            EXPECT_EQ(m_app->namedFormats, before);
    }
    EXPECT_NE(m_app->namedFormats["Součet"].Find('K'), -1);

    // With a table open the edit bar's button reaches the frame as well.
    ASSERT_NE(OpenFiveRows(), nullptr);
    DialogScript::OnNext(IDD_ROW_FORMAT, [](CDialog& d) {
        d.SendMessage(WM_COMMAND, IDCANCEL);
        return IDCANCEL;
    });
    EXPECT_TRUE(Choose(ID_ROW_FORMATS));
    EXPECT_TRUE(DialogScript::Unexpected().empty());
    const CString italicSum = m_app->namedFormats["Součet"];
    Stop();

    const std::string rows = Xlrd(ProgramFile("Sobrel-CZ.xls"));
    EXPECT_NE(rows.find("Formaty|'Součet'|'" + std::string(italicSum) + "'"), std::string::npos) << rows;
}

TEST_F(MenuCommands, TheBarsAreShownAndHiddenWhileATableIsOpen)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    for (const UINT id : {UINT(ID_VIEW_TOOLBAR), UINT(ID_VIEW_STATUS_BAR)})
    {
        SCOPED_TRACE(id);
        CControlBar* bar = id == ID_VIEW_TOOLBAR ? static_cast<CControlBar*>(&Frame()->m_wndToolBar)
                                                 : static_cast<CControlBar*>(&Frame()->m_wndStatusBar);
        ASSERT_TRUE(bar->IsVisible());
        EXPECT_TRUE(MenuItem(id)->isChecked());
        ASSERT_TRUE(Choose(id));
        EXPECT_FALSE(bar->IsVisible());
        EXPECT_FALSE(MenuItem(id)->isChecked());
        ASSERT_TRUE(Choose(id));
        EXPECT_TRUE(bar->IsVisible());
    }
}

TEST_F(MenuCommands, FrozenColumnsStayColumnsOfTheTable)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    m_view->InsertColumn(4, SobrelApp()->rowFormatColumnName, std::make_shared<CColumnInfo>(10, 55, -2));
    Grid().SetFocusCell(1, 1);
    Grid().SetSelectedRange(1, 1, 1, 2);
    ASSERT_TRUE(Choose(ID_FREEZE_COLUMNS));
    ASSERT_EQ(Grid().GetFixedColumnCount(), 3);

    // Each data column keeps its description and its first place.
    EXPECT_EQ(Grid().FirstDataColumn(), 1);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(Grid().GetColumnInfo(c), m_view->ColumnInfo(c).get()) << c;
    EXPECT_EQ(Grid().GetColumnInfo(0), nullptr);
    EXPECT_EQ(Grid().FindColumnByName("Název"), 1);

    // A number search offers its mode for the frozen price column and finds there.
    m_app->options.searchReplace = 0;
    m_app->options.searchResultColor = 1;
    m_app->options.searchResultShow = 0;
    bool numbersOffered = false;
    DialogScript::OnNext(IDD_SEARCH, [&numbersOffered](CDialog& d) {
        numbersOffered = d.GetDlgItem(IDC_SEARCH_MODE_NUMBER)->IsWindowEnabled() != FALSE;
        d.CheckRadioButton(IDC_SEARCH_MODE_TEXT, IDC_SEARCH_MODE_DATE, IDC_SEARCH_MODE_NUMBER);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEARCH_MODE_NUMBER, BN_CLICKED));
        d.CheckRadioButton(IDC_SEARCH_NUMBER_RANGE, IDC_SEARCH_NUMBER_MAXIMUM, IDC_SEARCH_NUMBER_EQUAL);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEARCH_NUMBER_EQUAL, BN_CLICKED));
        d.SetDlgItemText(IDC_SEARCH_LOWER, "99");
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Grid().SetFocusCell(1, 3);
    Grid().SetSelectedRange(1, 3, 1, 3);
    ASSERT_TRUE(Choose(ID_SEARCH));
    EXPECT_TRUE(numbersOffered);
    EXPECT_TRUE(m_view->found);
    EXPECT_EQ(Grid().GetCell(3, 2)->GetBackClr(), SobrelApp()->options.searchColor);
    ASSERT_TRUE(Choose(ID_SEARCH_CLEAR));

    // A row format colours the frozen cells too.
    Grid().SetItemText(2, 4, "ff0000|||");
    ASSERT_TRUE(Choose(ID_APPLY_ROW_FORMATS));
    EXPECT_EQ(Grid().GetCell(2, 1)->GetTextClr(), RGB(0xff, 0, 0));

    // A whole row (its scrolling cells selected) is copied with its frozen cells and pasted as a
    // new row, every field in its column.
    Grid().SetItemText(1, 3, "poznámka 1");
    Grid().SetSelectedRange(1, 3, 1, 4);
    ASSERT_TRUE(Choose(ID_EDIT_COPY));
    Grid().SetFocusCell(3, 3);
    Grid().SetSelectedRange(3, 3, 3, 3);
    ASSERT_TRUE(Choose(ID_EDIT_PASTE));
    EXPECT_EQ(Column(1), "r1,r2,r1,r3,r4,r5");
    EXPECT_EQ(Grid().GetDataText(3, 2, TRUE), Grid().GetDataText(1, 2, TRUE));
    EXPECT_EQ(Grid().GetItemText(3, 3), "poznámka 1");

    // Unfrozen, the grid's own fixed column comes back.
    ASSERT_TRUE(Choose(ID_FREEZE_COLUMNS));
    EXPECT_EQ(Grid().GetFixedColumnCount(), 1);
    EXPECT_FALSE(Grid().Frozen());
}
