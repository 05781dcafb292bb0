// A user's road through a catalogue made by python3-xlwt, command by command as the menus give
// them: a new column moved to its place, a column retyped, cells typed with Enter and Tab and a
// row added at the end, formulas, the sums, a heading sort, a search that replaces, rows moved,
// a fill, the frozen columns and the row formats; then everything undone, redone, the journal
// dialog to a chosen step, the table saved and opened again.
#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CJournalDlg.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "dataeditor/document/CTwoColumnListDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CMoveColumnDlg.h"
#include "dataeditor/view/SearchIds.h"
#include "dataeditor/view/ViewIds.h"
#include "dataeditor/view/WindowIds.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CommonDialogs.h"

#include <vector>

namespace
{
// The catalogue "Katalog": Název (text), Cena (2 decimals), Počet (long), Poznámka (memo).
class EditorRoad : public DocumentFixture
{
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        m_path = Folder("cesta.xls");
        RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
sheet = book.add_sheet('Katalog')
names = ['Název', 'Cena', 'Počet', 'Poznámka']
rows = [('Kotel abc', 1000, 1, 'abc'), ('Radiátor', 200, 2, ''), ('Ventil ABC', 50, 3, 'x'),
        ('Trubka', 10, 4, 'abc def'), ('Čerpadlo', 300, 5, '')]
for c, name in enumerate(names):
    sheet.write(0, c, name)
for r, row in enumerate(rows):
    for c, value in enumerate(row):
        if value != '':
            sheet.write(r + 1, c, value)
info = book.add_sheet('KatalogInfo')
for c, name in enumerate(names):
    info.write(0, c, name)
for c, kind in enumerate(['dbText', 'dbDouble;2', 'dbLong', 'dbMemo']):
    info.write(2, c, kind)
book.save(sys.argv[1])
)",
                  {m_path});
    }

    CSobrelGrid& Grid() const { return *m_view->Grid(); }
    // Every text of the grid, headings and row numbers included, a line a row.
    std::string Cells() const
    {
        std::string all;
        for (int r = 0; r < Grid().GetRowCount(); ++r)
            for (int c = 0; c < Grid().GetColumnCount(); ++c)
                all += std::string(Grid().GetItemText(r, c)) + (c + 1 < Grid().GetColumnCount() ? "|" : "\n");
        return all;
    }
    // The column's texts without thousands separators.
    std::string Data(int col) const
    {
        std::string texts;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            texts += std::string(Grid().GetDataText(r, col, TRUE)) + (r + 1 < Grid().GetRowCount() ? ";" : "");
        return texts;
    }
    std::string Column(int col) const
    {
        std::string texts;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            texts += std::string(Grid().GetItemText(r, col)) + (r + 1 < Grid().GetRowCount() ? ";" : "");
        return texts;
    }
    // A written text file as text: UTF-8 after its byte-order mark, else code page 1250.
    static std::string Decoded(const QString& path)
    {
        return RunPython(R"(
import sys
data = open(sys.argv[1], 'rb').read()
sys.stdout.buffer.write((data[3:].decode('utf-8') if data.startswith(b'\xef\xbb\xbf') else data.decode('cp1250')).encode('utf-8'))
)",
                         {path});
    }
    // The text with "," standing for the user's decimal separator.
    std::string Local(std::string text) const
    {
        std::replace(text.begin(), text.end(), ',', m_app->decimalPoint);
        return text;
    }
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    bool Enabled(UINT id) const { return CommandEnabled(m_view, id); }
    void Focus(int row, int col)
    {
        Grid().SetFocusCell(row, col);
        Grid().SetSelectedRange(row, col, row, col);
    }
    // Types into the focus cell and ends the edit with the key.
    void Type(const char* text, UINT key)
    {
        Grid().SetFocus();
        UiTest::ProcessEvents();
        UiTest::TypeText(text);
        UiTest::ProcessEvents();
        UiTest::PressKey(key);
        UiTest::ProcessEvents();
    }
    void Formula(const char* formula)
    {
        DialogScript::OnNext(IDD_CALCULATOR, [formula](CDialog& d) {
            d.SetDlgItemText(IDC_CALC_FORMULA, formula);
            d.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        Command(ID_CALCULATOR);
    }
    // The row-format dialog of the next command: back to no format, then the boxes checked.
    static void RowFormat(std::initializer_list<UINT> list)
    {
        // A copy of the list would not keep its values: the answer runs after the call.
        DialogScript::OnNext(IDD_ROW_FORMAT, [boxes = std::vector<UINT>(list)](CDialog& d) {
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_RESET, BN_CLICKED));
            for (UINT box : boxes)
            {
                d.CheckDlgButton(box, BST_CHECKED);
                d.SendMessage(WM_COMMAND, MAKEWPARAM(box, BN_CLICKED));
            }
            d.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
    }
    // Chooses the journal entry showing the text.
    void ChooseInJournal(const CString& text)
    {
        DialogScript::OnNext(IDD_JOURNAL, [text](CDialog& d) {
            auto& journal = static_cast<CJournalDlg&>(d);
            for (int i = 0; i < journal.list.GetCount(); ++i)
            {
                CString entry;
                journal.list.GetText(i, entry);
                if (entry.Find(text) >= 0)
                    journal.list.SetCurSel(i);
            }
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_JOURNAL_LIST, LBN_SELCHANGE), LPARAM(journal.list.GetSafeHwnd()));
            d.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        Command(ID_JOURNAL);
    }
    // What each step of the road left, to compare undo and redo with.
    void Passed(const char* step)
    {
        m_states.push_back({step, Cells(), m_view->JournalPosition()});
    }
    struct State
    {
        std::string step;
        std::string cells;
        int position;
    };

    CSobrelView* m_view = nullptr;
    std::vector<State> m_states;
};
} // namespace

TEST_F(EditorRoad, FromTheCatalogueThroughEveryCommandBackAndForthToTheSavedWorkbook)
{
    ASSERT_TRUE(Start());
    m_app->options.afterEditDirection = 1;
    CSobrelDoc* document = Open("Katalog$");
    ASSERT_NE(document, nullptr);
    m_view = document->View();
    m_view->GetParentFrame()->ShowWindow(SW_SHOW);
    m_app->m_pMainWnd->ShowWindow(SW_SHOW);
    UiTest::ProcessEvents();
    ASSERT_EQ(Column(3), "1;2;3;4;5");
    Passed("opened");

    // A new text column at the first, moved one place down in dialog 1019.
    Focus(1, 1);
    DefineColumn("Kód", 0, nullptr);
    Command(ID_COLUMN_INSERT);
    ASSERT_EQ(m_view->columnCount, 5);
    EXPECT_EQ(Grid().GetItemText(0, 1), "Kód");
    Passed("column inserted");
    Focus(1, 1);
    DialogScript::OnNext(IDD_MOVE_COLUMN, [](CDialog& d) {
        static_cast<CMoveColumnDlg&>(d).spin.Step(-1);
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Command(ID_COLUMN_MOVE);
    EXPECT_EQ(Grid().GetItemText(0, 1), "Název");
    EXPECT_EQ(Grid().GetItemText(0, 2), "Kód");
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::ColumnMoved);
    Passed("column moved");

    // Počet becomes a number with one decimal: its cells retyped in one group.
    Focus(1, 4);
    const std::size_t before = m_view->Journal().size();
    DefineColumn("Počet", 1, "1");
    Command(ID_COLUMN_EDIT);
    EXPECT_EQ(Column(4), Local("1,0;2,0;3,0;4,0;5,0"));
    ASSERT_EQ(m_view->Journal().size(), before + 8) << "begin, five cells, the description, end";
    EXPECT_EQ(m_view->Journal()[before]->kind, CUndoStep::GroupBegin);
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::GroupEnd);
    Passed("column retyped");

    // Codes typed down the new column with Enter, then Tab to the next column.
    Focus(1, 2);
    Type("K1", VK_RETURN);
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(2, 2));
    Type("K2", VK_TAB);
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(2, 3));
    EXPECT_EQ(Column(2), "K1;K2;;;");
    Passed("cells typed");

    // The table's last cell: asked first, No adds nothing; without the question a row comes.
    m_app->options.askOnAddRowOnEnd = 1;
    ScriptedAnswers::AnswerBox(IDNO);
    Focus(5, 5);
    Type("konec", VK_RETURN);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, LanguageText(IDS_ADD_ROW_QUESTION));
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, LanguageText(IDS_ADD_ROW_CAPTION));
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(m_view->rowCount, 5);
    Passed("no row added");
    m_app->options.askOnAddRowOnEnd = 0;
    Focus(5, 5);
    Type("poslední", VK_RETURN);
    EXPECT_EQ(m_view->rowCount, 6);
    EXPECT_EQ(Grid().GetItemText(6, 0), "6");
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::RowInserted);
    Passed("row added");
    Focus(6, 1);
    Type("Nový", VK_RETURN);
    Passed("new row named");

    // Prices of the first two rows with VAT; the text column of the selection stays.
    Grid().SetSelectedRange(1, 1, 2, 3);
    Formula("X*1.21");
    EXPECT_EQ(Data(3), Local("1210,00;242,00;50,00;10,00;300,00;"));
    Passed("prices with VAT");
    // Twice the row's place in three rows of Počet.
    Grid().SetSelectedRange(2, 4, 4, 4);
    Formula("I*2");
    EXPECT_EQ(Grid().GetItemText(2, 4), Local("2,0"));
    EXPECT_EQ(Grid().GetItemText(3, 4), Local("4,0"));
    EXPECT_EQ(Grid().GetItemText(4, 4), Local("6,0"));
    Passed("row places");

    // The sums of Počet.
    std::vector<CString> names, sums;
    DialogScript::OnNext(IDD_TWO_COLUMN_LIST, [&](CDialog& d) {
        names = static_cast<CTwoColumnListDlg&>(d).firstColumn;
        sums = static_cast<CTwoColumnListDlg&>(d).secondColumn;
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Grid().SetSelectedRange(1, 4, 6, 4);
    Command(ID_SUMS);
    EXPECT_EQ(names, std::vector<CString>{"Počet"});
    EXPECT_EQ(sums, std::vector<CString>{Local("18,0").c_str()});

    // Whole rows selected, a click on the Název heading sorts by it.
    Focus(1, 1);
    Command(ID_ROW_SELECT_MODE);
    CRect heading;
    ASSERT_TRUE(Grid().GetCellRect(0, 1, heading));
    UiTest::MouseDown(&Grid(), heading.CenterPoint());
    UiTest::MouseUp(&Grid(), heading.CenterPoint());
    UiTest::ProcessEvents();
    EXPECT_EQ(Column(1), "Čerpadlo;Kotel abc;Nový;Radiátor;Trubka;Ventil ABC");
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::RowsSorted);
    Command(ID_ROW_SELECT_MODE);
    Passed("sorted");

    // "abc" in any case replaced by "xyz" everywhere, as one group.
    Focus(1, 1);
    DialogScript::OnNext(IDD_SEARCH, [](CDialog& d) {
        d.CheckRadioButton(IDC_SEARCH_MODE_TEXT, IDC_SEARCH_MODE_DATE, IDC_SEARCH_MODE_TEXT);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEARCH_MODE_TEXT, BN_CLICKED));
        d.SetDlgItemText(IDC_SEARCH_TEXT, "abc");
        d.CheckDlgButton(IDC_SEARCH_WHOLE_CELL, BST_UNCHECKED);
        d.CheckDlgButton(IDC_SEARCH_CASE_SENSITIVE, BST_UNCHECKED);
        d.CheckDlgButton(IDC_SEARCH_HIDE, BST_UNCHECKED);
        d.CheckDlgButton(IDC_SEARCH_REPLACE, BST_CHECKED);
        d.SetDlgItemText(IDC_SEARCH_REPLACEMENT, "xyz");
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    const int searchStart = m_view->JournalPosition() + 1;
    Command(ID_SEARCH);
    EXPECT_EQ(Column(1), "Čerpadlo;Kotel xyz;Nový;Radiátor;Trubka;Ventil xyz");
    EXPECT_EQ(Column(5), "poslední;xyz;;;xyz def;x");
    ASSERT_LT(searchStart, int(m_view->Journal().size()));
    CString replaced;
    replaced.Format(LanguageText(IDS_SEARCH_REPLACED).GetString(), "xyz");
    EXPECT_EQ(m_view->Journal()[searchStart]->oldText, replaced);
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::GroupEnd);
    EXPECT_TRUE(m_view->found);
    Passed("replaced");

    // Rows 3 and 5 up by one.
    Grid().SetSelectedRange(-1, -1, -1, -1);
    Grid().SetFocusCell(3, 1);
    Grid().SetItemState(3, 1, Grid().GetItemState(3, 1) | GVIS_SELECTED);
    Grid().SetItemState(5, 1, Grid().GetItemState(5, 1) | GVIS_SELECTED);
    Command(ID_ROW_UP);
    EXPECT_EQ(Column(1), "Čerpadlo;Nový;Kotel xyz;Trubka;Radiátor;Ventil xyz");
    Passed("rows up");

    // One code filled into three cells.
    Grid().SetSelectedRange(3, 2, 5, 2);
    Grid().SetFocusCell(3, 2);
    DialogScript::OnNext(IDD_TEXT_PROMPT, [](CDialog& d) {
        d.SetDlgItemText(IDC_PROMPT_TEXT, "K0");
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Command(ID_FILL);
    EXPECT_EQ(Column(2), ";;K0;K0;K0;");
    Passed("filled");

    // The first three columns frozen: the table exports whole as text, page and sheet; then
    // free again.
    Grid().SetSelectedRange(1, 1, 1, 3);
    Command(ID_FREEZE_COLUMNS);
    EXPECT_EQ(Grid().GetFixedColumnCount(), 4);
    m_app->options.openExportedFile = 0;
    const std::string frozenRow = "Čerpadlo";
    for (const char* name : {"zmrazena.csv", "zmrazena.html", "zmrazena.xls"})
    {
        SCOPED_TRACE(name);
        const QString path = Folder(name);
        CommonDialogScript::AnswerNext(IDOK, path.toUtf8().constData());
        DialogScript::OnNext(IDD_SEPARATOR, [](CDialog& d) {
            d.SetDlgItemText(IDC_SEPARATOR, ";");
            d.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        Command(ID_EXPORT);
        DialogScript::Clear();
        const std::string written = path.endsWith(".xls") ? Xlrd(path) : Decoded(path);
        for (int c = 1; c <= m_view->columnCount; ++c)
            EXPECT_NE(written.find(std::string(Grid().GetItemText(0, c))), std::string::npos)
                << Grid().GetItemText(0, c) << "\n" << written;
        EXPECT_NE(written.find(frozenRow), std::string::npos) << written;
        EXPECT_NE(written.find(std::string(Grid().GetItemText(3, 2))), std::string::npos) << written;
    }
    Command(ID_FREEZE_COLUMNS);
    EXPECT_EQ(Grid().GetFixedColumnCount(), 1);

    // Row formats: the format column, bold set on rows 1 and 2, row 1's format pasted into row
    // 4, row 2's cleared, then bold replaced by italic everywhere; the column shown.
    Focus(1, 1);
    Command(ID_FORMAT_COLUMN_INSERT);
    const int format = m_view->FormatColumn();
    ASSERT_EQ(format, 6);
    Grid().SetFocusCell(1, 1);
    Grid().SetSelectedRange(1, 1, 2, 1);
    RowFormat({IDC_ROWFMT_BOLD});
    Command(ID_FORMAT_SET);
    const CString bold = Grid().GetItemText(1, format);
    EXPECT_EQ(Grid().GetItemText(2, format), bold);
    EXPECT_FALSE(bold.IsEmpty());
    Passed("formats set");
    Focus(1, 1);
    Command(ID_FORMAT_COPY);
    Focus(4, 1);
    Command(ID_FORMAT_PASTE);
    EXPECT_EQ(Grid().GetItemText(4, format), bold);
    Passed("format pasted");
    Focus(2, 1);
    Command(ID_FORMAT_CLEAR);
    EXPECT_EQ(Grid().GetItemText(2, format), "");
    Passed("format cleared");
    Focus(1, 1);
    RowFormat({IDC_ROWFMT_ITALIC});
    Command(ID_FORMAT_REPLACE);
    const CString italic = Grid().GetItemText(1, format);
    EXPECT_NE(italic, bold);
    EXPECT_EQ(Column(format), italic.GetString() + std::string(";;;") + italic.GetString() + ";;");
    EXPECT_TRUE(Grid().GetCell(4, 1)->GetFont()->lfItalic);
    Passed("format replaced");
    EXPECT_EQ(Grid().GetColumnWidth(format), 0);
    Command(ID_FORMAT_COLUMN_SHOW);
    EXPECT_GT(Grid().GetColumnWidth(format), 0);
    const std::string final = Cells();
    EXPECT_TRUE(document->IsModified());

    // Everything undone: the table as opened, not modified; then everything redone.
    int undos = 0;
    while (Enabled(ID_EDIT_UNDO) && undos < 100)
    {
        Command(ID_EDIT_UNDO);
        ++undos;
        for (const State& state : m_states)
            if (state.position == m_view->JournalPosition())
                EXPECT_EQ(Cells(), state.cells) << "undone to: " << state.step;
    }
    EXPECT_EQ(Cells(), m_states.front().cells);
    EXPECT_EQ(m_view->JournalPosition(), -1);
    EXPECT_FALSE(document->IsModified());
    int redos = 0;
    while (Enabled(ID_EDIT_REDO) && redos < 100)
    {
        Command(ID_EDIT_REDO);
        ++redos;
        for (const State& state : m_states)
            if (state.position == m_view->JournalPosition())
                EXPECT_EQ(Cells(), state.cells) << "redone to: " << state.step;
    }
    EXPECT_EQ(undos, redos);
    EXPECT_EQ(Cells(), final);
    EXPECT_TRUE(document->IsModified());

    // The journal dialog back to before the sort (the sort undone with it), then to the end.
    CUndoStep* sort = nullptr;
    for (const auto& step : m_view->Journal())
        if (step->kind == CUndoStep::RowsSorted)
            sort = step.get();
    ASSERT_NE(sort, nullptr);
    ChooseInJournal(sort->Describe());
    EXPECT_EQ(Cells(), m_states[std::size_t(std::find_if(m_states.begin(), m_states.end(),
                                                         [](const State& s) { return s.step == "row places"; }) -
                                            m_states.begin())]
                           .cells);
    int current = 0;
    const auto entries = m_view->JournalEntries(current);
    ASSERT_GE(entries.back().step, 0);
    ChooseInJournal(entries.back().text);
    EXPECT_EQ(Cells(), final);

    // Saved and opened again: the workbook holds the result.
    const QByteArray path = m_path.toUtf8();
    ASSERT_TRUE(document->DoSave(path.constData()));
    EXPECT_FALSE(document->IsModified());
    const std::string sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("Katalog|'Název'|'Kód'|'Cena;2'|'Počet;1'|'Poznámka'|'Format'\n"
                          "Katalog|'Čerpadlo'|''|300.0|5.0|'poslední'|'||K|0'\n"
                          "Katalog|'Nový'|''|''|''|''|''\n"
                          "Katalog|'Kotel xyz'|'K0'|1210.0|1.0|'xyz'|''\n"
                          "Katalog|'Trubka'|'K0'|10.0|6.0|'xyz def'|'||K|0'\n"
                          "Katalog|'Radiátor'|'K0'|242.0|2.0|''|''\n"
                          "Katalog|'Ventil xyz'|''|50.0|4.0|'x'|''\n"),
              std::string::npos)
        << sheets;
    document->OnCloseDocument();
    CSobrelDoc* reopened = Open("Katalog$");
    ASSERT_NE(reopened, nullptr);
    m_view = reopened->View();
    // Prices and counts in their columns' forms with the settings' separators.
    EXPECT_EQ(Cells(), "#|Název|Kód|Cena|Počet|Poznámka|Format\n"
                       "1|Čerpadlo||" + Local("300,00|5,0") + "|poslední|||K|0\n"
                       "2|Nový|||||\n"
                       "3|Kotel xyz|K0|1" + std::string(m_app->thousandSeparator) + Local("210,00|1,0") + "|xyz|\n"
                       "4|Trubka|K0|" + Local("10,00|6,0") + "|xyz def|||K|0\n"
                       "5|Radiátor|K0|" + Local("242,00|2,0") + "||\n"
                       "6|Ventil xyz||" + Local("50,00|4,0") + "|x|\n");
    // The formats shown as the table opens and applied again (49116): the format column
    // hidden, its rows italic.
    EXPECT_EQ(Grid().GetColumnWidth(6), 0);
    EXPECT_TRUE(Grid().GetCell(4, 1)->GetFont()->lfItalic);
    Command(ID_APPLY_ROW_FORMATS);
    EXPECT_EQ(Grid().GetColumnWidth(6), 0);
    EXPECT_TRUE(Grid().GetCell(4, 1)->GetFont()->lfItalic);
    EXPECT_FALSE(Grid().GetCell(3, 1)->GetFont()->lfItalic);
    EXPECT_EQ(m_view->ColumnInfo(2)->type, 10);
    EXPECT_EQ(m_view->ColumnInfo(4)->decimals, 1);

    // Sorted by the price and saved, then the sort undone: the rows go back whole, each with
    // its format and its values; the table counts as changed again, Save is offered, closing
    // asks, and the file gets the order as it shows.
    const std::string unsorted = Cells();
    Focus(1, 3);
    Command(ID_ROW_SELECT_MODE);
    ASSERT_TRUE(Grid().GetCellRect(0, 3, heading));
    UiTest::MouseDown(&Grid(), heading.CenterPoint());
    UiTest::MouseUp(&Grid(), heading.CenterPoint());
    UiTest::ProcessEvents();
    Command(ID_ROW_SELECT_MODE);
    ASSERT_EQ(m_view->Journal().back()->kind, CUndoStep::RowsSorted);
    ASSERT_NE(Cells(), unsorted);
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(reopened->IsModified());
    EXPECT_FALSE(Enabled(ID_FILE_SAVE));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Cells(), unsorted);
    EXPECT_TRUE(Grid().GetCell(4, 1)->GetFont()->lfItalic);
    EXPECT_FALSE(Grid().GetCell(3, 1)->GetFont()->lfItalic);
    EXPECT_TRUE(reopened->IsModified());
    EXPECT_TRUE(Enabled(ID_FILE_SAVE));
    ScriptedAnswers::Reset();
    ScriptedAnswers::AnswerBox(IDCANCEL);
    EXPECT_FALSE(reopened->SaveModified());
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(reopened->IsModified());
    EXPECT_EQ(Xlrd(m_path), sheets);
}
