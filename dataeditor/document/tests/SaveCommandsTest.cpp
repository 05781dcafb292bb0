// Saving through the menu commands: what the file holds after a save, an undo or a redo past
// it, a sort undone, a retyped column, values and tables a workbook cannot hold.
#include "DocumentFixture.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/view/ViewIds.h"
#include "testing/UiTest.h"
#include "platform/frame/FrameIds.h"

namespace
{
class SaveCommands : public DocumentFixture
{
protected:
    CSobrelDoc* OpenA()
    {
        if (!Start())
            return nullptr;
        CSobrelDoc* document = Open("A$");
        if (document)
            m_view = document->View();
        return document;
    }
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    bool Enabled(UINT id) const { return CommandEnabled(m_view, id); }
    // Fills the selected cells with the text (command 49117).
    void Fill(int row, int col, const char* text)
    {
        m_view->Grid()->SetFocusCell(row, col);
        m_view->Grid()->SetSelectedRange(row, col, row, col);
        DialogScript::OnNext(IDD_TEXT_PROMPT, [text](CDialog& d) {
            d.SetDlgItemText(IDC_PROMPT_TEXT, text);
            d.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        Command(ID_FILL);
    }
    // Whether closing the window asks to save (the question answered with Cancel).
    bool ClosingAsks(CSobrelDoc* document)
    {
        const std::size_t before = ScriptedAnswers::ShownBoxes().size();
        ScriptedAnswers::AnswerBox(IDCANCEL);
        document->SaveModified();
        const bool asked = ScriptedAnswers::ShownBoxes().size() > before;
        if (!asked)
            ScriptedAnswers::Reset();
        return asked;
    }
    bool Saved(const char* cells) const
    {
        return Xlrd(m_path).find(cells) != std::string::npos;
    }

    CSobrelView* m_view = nullptr;
};
} // namespace

// The table is modified whenever the journal stands elsewhere than at the last save: an undo
// past the save asks again on closing and saves the undone state.
TEST_F(SaveCommands, UndoAndRedoPastASaveMakeTheTableModifiedAgain)
{
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    Fill(1, 1, "Kotel");
    Command(ID_FILE_SAVE);
    ASSERT_FALSE(a->IsModified());
    ASSERT_TRUE(Saved("A|'Kotel'|1234.5"));

    struct Case
    {
        UINT command;
        bool modified;
        const char* shown;
    };
    for (const Case& c : {Case{ID_EDIT_UNDO, true, "Radiátor"}, Case{ID_EDIT_REDO, false, "Kotel"},
                          Case{ID_EDIT_UNDO, true, "Radiátor"}})
    {
        Command(c.command);
        EXPECT_EQ(m_view->Grid()->GetItemText(1, 1), c.shown);
        EXPECT_EQ(a->IsModified(), c.modified) << c.shown;
        EXPECT_EQ(Enabled(ID_FILE_SAVE), c.modified) << c.shown;
        EXPECT_EQ(ClosingAsks(a), c.modified) << c.shown;
    }
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(a->IsModified());
    EXPECT_TRUE(Saved("A|'Radiátor'|1234.5")) << Xlrd(m_path);

    // A new edit after an undo past the save drops the saved state: no step brings it back,
    // though the journal counts as many steps again.
    Command(ID_EDIT_REDO);
    Command(ID_FILE_SAVE);
    ASSERT_FALSE(a->IsModified());
    Command(ID_EDIT_UNDO);
    Fill(2, 1, "Potrubí");
    EXPECT_TRUE(a->IsModified());
    EXPECT_EQ(m_view->JournalPosition(), 0);
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(a->IsModified());
    EXPECT_TRUE(ClosingAsks(a));
}

// A sort undone moves the rows back whole: a row keeps its format, and a real shown rounded keeps
// its value as read, so that the file gets every digit.
TEST_F(SaveCommands, ASortUndoneMovesWholeRowsBackWithTheirFormatsAndValues)
{
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    CSobrelGrid& grid = *m_view->Grid();
    for (int r = 1; r <= 3; ++r)
        grid.RetypeCell(r, 2);
    const CString point(std::string(1, m_app->decimalPoint));
    ASSERT_EQ(grid.GetItemText(2, 2), "0" + point + "12");

    Fill(1, 1, "Radiátor");
    Command(ID_FORMAT_COLUMN_INSERT);
    const int format = m_view->FormatColumn();
    ASSERT_GT(format, 0);
    grid.SetFocusCell(1, 1);
    grid.SetSelectedRange(1, 1, 1, 1);
    DialogScript::OnNext(IDD_ROW_FORMAT, [](CDialog& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_RESET, BN_CLICKED));
        d.CheckDlgButton(IDC_ROWFMT_BOLD, BST_CHECKED);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_BOLD, BN_CLICKED));
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Command(ID_FORMAT_SET);
    const CString bold = grid.GetItemText(1, format);
    ASSERT_FALSE(bold.IsEmpty());
    ASSERT_TRUE(grid.GetCell(1, 1)->GetFont()->lfWeight > FW_NORMAL);

    // By the price: Trubka, Ventil, Radiátor; then undone.
    grid.SetFocusCell(1, 2);
    Command(ID_ROW_SELECT_MODE);
    CRect heading;
    ASSERT_TRUE(grid.GetCellRect(0, 2, heading));
    m_view->GetParentFrame()->ShowWindow(SW_SHOW);
    UiTest::MouseDown(&grid, heading.CenterPoint());
    UiTest::MouseUp(&grid, heading.CenterPoint());
    UiTest::ProcessEvents();
    Command(ID_ROW_SELECT_MODE);
    ASSERT_EQ(m_view->Journal().back()->kind, CUndoStep::RowsSorted);
    ASSERT_EQ(grid.GetItemText(3, 1), "Radiátor");
    EXPECT_EQ(grid.GetItemText(3, format), bold);
    EXPECT_TRUE(grid.GetCell(3, 1)->GetFont()->lfWeight > FW_NORMAL);

    Command(ID_EDIT_UNDO);
    struct Row
    {
        int row;
        const char* name;
        bool bold;
    };
    for (const Row& r : {Row{1, "Radiátor", true}, Row{2, "Trubka", false}, Row{3, "Ventil", false}})
    {
        EXPECT_EQ(grid.GetItemText(r.row, 0), std::to_string(r.row).c_str());
        EXPECT_EQ(grid.GetItemText(r.row, 1), r.name);
        EXPECT_EQ(grid.GetItemText(r.row, format).IsEmpty(), !r.bold) << r.name;
        EXPECT_EQ(grid.GetCell(r.row, 1)->GetFont()->lfWeight > FW_NORMAL, r.bold) << r.name;
    }
    Command(ID_FILE_SAVE);
    ASSERT_FALSE(a->IsModified());
    const std::string sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("A|'Radiátor'|1234.5|'krátká'|'" + std::string(bold) + "'"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("A|'Trubka'|0.1234567891|'x'|''"), std::string::npos) << sheets;

    // Redone, the sort again puts the format with its row.
    Command(ID_EDIT_REDO);
    EXPECT_EQ(grid.GetItemText(3, 1), "Radiátor");
    EXPECT_EQ(grid.GetItemText(3, format), bold);
    EXPECT_TRUE(grid.GetCell(3, 1)->GetFont()->lfWeight > FW_NORMAL);
    EXPECT_FALSE(grid.GetCell(1, 1)->GetFont()->lfWeight > FW_NORMAL);
}

// A retype undone shows the column in its former form again (a number column right-aligned).
TEST_F(SaveCommands, ARetypeUndoneGivesTheColumnItsFormerDrawFormat)
{
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    CSobrelGrid& grid = *m_view->Grid();
    const UINT numberFormat = grid.GetItemFormat(1, 2);
    grid.SetFocusCell(1, 2);
    grid.SetSelectedRange(1, 2, 1, 2);
    DefineColumn("Cena", 0, nullptr); // text
    Command(ID_COLUMN_EDIT);
    ASSERT_EQ(m_view->ColumnInfo(2)->type, 10);
    const UINT textFormat = grid.GetItemFormat(1, 2);
    ASSERT_NE(textFormat, numberFormat);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(m_view->ColumnInfo(2)->type, 7);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(grid.GetItemFormat(r, 2), numberFormat) << r;
    Command(ID_EDIT_REDO);
    EXPECT_EQ(grid.GetItemFormat(1, 2), textFormat);
}

// Saving one table leaves the workbook's other sheets as they are: heads with ". ! [ `" or none,
// and a sheet whose name the workbook engine would not give a new sheet.
TEST_F(SaveCommands, TheOtherSheetsKeepTheirHeadsAndNamesAsTheyAre)
{
    m_path = Folder("ceník.xls");
    RunPython(R"(
import sys, xlwt
xlwt.Utils.valid_sheet_name = lambda name: True
book = xlwt.Workbook(encoding='utf-8')
a = book.add_sheet('A')
a.write(0, 0, 'Název'); a.write(1, 0, 'Kotel')
k = book.add_sheet('Ceník')
for c, head in [(0, 'Obj.č.'), (2, 'Pozn!'), (3, 'a`b [x]')]:
    k.write(0, c, head)
for c, value in enumerate(['R-1', 5, 'p', 'q']):
    k.write(1, c, value)
odd = book.add_sheet('Ceny [2024]')
odd.write(0, 0, 'Rok'); odd.write(1, 0, 2024)
book.save(sys.argv[1])
)",
              {m_path});
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    Fill(1, 1, "Kotel 2");
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(a->IsModified());
    const std::string sheets = Xlrd(m_path);
    for (const char* line : {"A|'Kotel 2'\n", "Ceník|'Obj.č.'|''|'Pozn!'|'a`b [x]'\n", "Ceník|'R-1'|5.0|'p'|'q'\n",
                             "Ceny [2024]|'Rok'\n", "Ceny [2024]|2024.0\n"})
        EXPECT_NE(sheets.find(line), std::string::npos) << line << sheets;
}

// A retyped column is written into the table's information sheet, so that it opens again as
// saved; a column whose type did not change keeps its type text, a memo saved short stays memo.
TEST_F(SaveCommands, ARetypedColumnOpensAgainAsSaved)
{
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    m_view->Grid()->SetFocusCell(1, 2);
    m_view->Grid()->SetSelectedRange(1, 2, 1, 2);
    DefineColumn("Cena", 7, "0"); // a whole number
    Command(ID_COLUMN_EDIT);
    ASSERT_EQ(m_view->ColumnInfo(2)->type, 4);
    Command(ID_FILE_SAVE);
    ASSERT_FALSE(a->IsModified());
    const std::string sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("A|'Název'|'Cena;0'|'Poznámka'\n"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("AInfo|''|'dbLong;0'|'dbMemo'\n"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("AInfo|'Název výrobku'|''|''\n"), std::string::npos) << sheets;

    a->OnCloseDocument();
    CSobrelDoc* reopened = Open("A$");
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->View()->ColumnInfo(2)->type, 4);
    EXPECT_EQ(reopened->View()->ColumnInfo(2)->decimals, 0);
    EXPECT_EQ(reopened->View()->ColumnInfo(3)->type, 12);
}

// A text file wider than a sheet: the import warns, a save refuses naming the limit and keeps
// the table modified; with the columns cut to 256 it saves.
TEST_F(SaveCommands, ATableWiderThanASheetIsRefusedBySaveAndKeptOpen)
{
    ASSERT_TRUE(Start());
    const QString csv = Folder("široká.csv");
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QStringList heads, values;
        for (int c = 1; c <= 300; ++c)
        {
            heads << QString("S%1").arg(c);
            values << QString::number(c);
        }
        file.write((heads.join(';') + '\n' + values.join(';') + '\n').toUtf8());
    }
    CSobrelDoc* wide = ImportFile(csv, ";");
    ASSERT_NE(wide, nullptr);
    m_view = wide->View();
    ASSERT_EQ(m_view->columnCount, 300);
    const int documents = m_app->GetOpenDocumentCount();
    CString warning;
    warning.Format(LanguageText(IDS_IMPORT_TOO_MANY_COLUMNS), 300);
    ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().back().text, warning);

    const QString saved = Folder("široká.xls");
    CommonDialogScript::AnswerNext(IDOK, saved.toUtf8().constData());
    m_app->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    CString refused;
    refused.Format(LanguageText(IDS_SAVE_TOO_MANY_COLUMNS), 300);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().back().text, refused);
    EXPECT_TRUE(wide->IsModified());
    EXPECT_FALSE(QFile::exists(saved));
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents);

    m_view->Grid()->SetFocusCell(1, 257);
    m_view->Grid()->SetSelectedRange(1, 257, 1, 300);
    Command(ID_COLUMN_DELETE);
    ASSERT_EQ(m_view->columnCount, 256);
    CommonDialogScript::AnswerNext(IDOK, saved.toUtf8().constData());
    m_app->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_FALSE(wide->IsModified());
    const std::string sheets = Xlrd(saved);
    EXPECT_NE(sheets.find("|'S256'\n"), std::string::npos);
    EXPECT_NE(sheets.find("|'255'|'256'\n"), std::string::npos) << sheets.substr(sheets.size() - 200);
}

// A number typed with blanks or no-break spaces as grouping is taken as the number; a text that
// is no number is refused where it is typed, naming the column, and the cell stays in its edit.
TEST_F(SaveCommands, ANumberCellTakesGroupedNumbersAndRefusesOtherTexts)
{
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    m_view->GetParentFrame()->ShowWindow(SW_SHOW);
    m_app->m_pMainWnd->ShowWindow(SW_SHOW);
    CSobrelGrid& grid = *m_view->Grid();
    const std::string point(1, m_app->decimalPoint);
    const auto type = [&](int row, const std::string& text, UINT key) {
        grid.SetFocusCell(row, 2);
        grid.SetSelectedRange(row, 2, row, 2);
        grid.SetFocus();
        UiTest::ProcessEvents();
        UiTest::TypeText(text.c_str());
        UiTest::ProcessEvents();
        UiTest::PressKey(key);
        UiTest::ProcessEvents();
    };
    struct Case
    {
        std::string typed;
        const char* saved; // null: refused
    };
    for (const Case& c : {Case{"1 234" + point + "5", "1234.5"}, Case{"2\u00a0500", "2500.0"},
                          Case{"\u00a07 000 000 ", "7000000.0"}, Case{"12 kusů", nullptr}, Case{"1" + point + "2" + point + "3", nullptr}})
    {
        ScriptedAnswers::Reset();
        const CString before = grid.GetItemText(1, 2);
        type(1, c.typed, VK_RETURN);
        if (!c.saved)
        {
            ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u) << c.typed;
            CString message;
            message.Format(LanguageText(IDS_NOT_A_NUMBER), "Cena", c.typed.c_str());
            EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, message);
            CWnd* edit = grid.GetDlgItem(IDC_INPLACE_CONTROL);
            ASSERT_NE(edit, nullptr) << "the cell stays in its edit";
            CString shown;
            edit->GetWindowText(shown);
            EXPECT_EQ(shown, c.typed.c_str());
            EXPECT_EQ(grid.GetItemText(1, 2), before);
            UiTest::PressKey(VK_ESCAPE);
            UiTest::ProcessEvents();
            EXPECT_EQ(grid.GetDlgItem(IDC_INPLACE_CONTROL), nullptr);
            EXPECT_EQ(grid.GetItemText(1, 2), before);
            continue;
        }
        EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty()) << c.typed;
        EXPECT_EQ(grid.GetDlgItem(IDC_INPLACE_CONTROL), nullptr);
        Command(ID_FILE_SAVE);
        EXPECT_FALSE(a->IsModified()) << c.typed;
        EXPECT_NE(Xlrd(m_path).find(std::string("A|'Radiátor'|") + c.saved + "|"), std::string::npos)
            << c.typed << "\n" << Xlrd(m_path);
    }
}

// A value the file cannot take (here put into the cell past the edit check) fails the save naming
// its row and column; the table stays modified.
TEST_F(SaveCommands, ASaveThatFailsOnAValueNamesItsRowAndColumn)
{
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    const QByteArray before = Bytes(m_path);
    m_view->Grid()->SetItemText(3, 2, "12 kusů");
    a->SetModifiedFlag();
    ScriptedAnswers::Reset();
    Command(ID_FILE_SAVE);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    CString message;
    message.Format(LanguageText(IDS_SAVE_VALUE_FAILED_AT), "12 kusů", 3, "Cena");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, message);
    EXPECT_TRUE(a->IsModified());
    EXPECT_EQ(Bytes(m_path), before);
    EXPECT_FALSE(QFile::exists(Folder("katalog$.xls")));
}

// A table name no sheet may have ("[" and "]" from a file's name, or a sheet of another program)
// is named in the message of the save, which offers a rename: No leaves the table unsaved and
// modified, Yes asks for the name and saves under it.
TEST_F(SaveCommands, ATableNameNoSheetMayHaveIsNamedAndARenameOffered)
{
    ASSERT_TRUE(Start());
    const QString csv = Folder("ceník[2].csv");
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Kód;Cena\nK1;5\n");
    }
    CSobrelDoc* document = ImportFile(csv, ";");
    ASSERT_NE(document, nullptr);
    m_view = document->View();
    ASSERT_EQ(document->tableName, "ceník[2]$");
    const QString saved = Folder("ceník.xls");

    for (const int answer : {IDNO, IDYES})
    {
        ScriptedAnswers::Reset();
        ScriptedAnswers::AnswerBox(answer);
        if (answer == IDYES)
            DialogScript::OnNext(IDD_TABLE_NAME, [](CDialog& dialog) {
                dialog.SetDlgItemText(IDC_TABLE_NAME, "ceník 2");
                dialog.SendMessage(WM_COMMAND, IDOK);
                return IDOK;
            });
        CommonDialogScript::AnswerNext(IDOK, saved.toUtf8().constData());
        m_app->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_SAVE);
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
        const CString& asked = ScriptedAnswers::ShownBoxes()[0].text;
        EXPECT_EQ(asked.Find(LanguageText(IDS_SAVE_TABLE_NAME_REFUSED).Left(20)), 0) << asked;
        EXPECT_GT(asked.Find("„ceník[2]“"), 0) << asked;
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
        if (answer == IDNO)
        {
            EXPECT_TRUE(document->IsModified());
            EXPECT_FALSE(QFile::exists(saved));
            EXPECT_EQ(document->tableName, "ceník[2]$");
        }
    }
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->tableName, "ceník 2$");
    EXPECT_NE(Xlrd(saved).find("ceník 2|'K1'|"), std::string::npos) << Xlrd(saved);
}

// The edited table keeps its heads as the file holds them while their columns keep their names:
// "Obj.č." (shown "Obj#č#"), an empty head and "Cena!;2"; a renamed column is saved renamed.
TEST_F(SaveCommands, TheEditedTableKeepsItsHeadsAsRead)
{
    m_path = Folder("hlavičky.xls");
    RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
a = book.add_sheet('A')
for c, head in [(0, 'Obj.č.'), (2, 'Cena!;2'), (3, 'Název')]:
    a.write(0, c, head)
for c, value in enumerate(['R-1', 'x', 12.5, 'Kotel']):
    a.write(1, c, value)
book.save(sys.argv[1])
)",
              {m_path});
    CSobrelDoc* a = OpenA();
    ASSERT_NE(a, nullptr);
    CGridCtrl& grid = *m_view->Grid();
    ASSERT_EQ(grid.GetItemText(0, 1), "Obj#č#");
    ASSERT_EQ(grid.GetItemText(0, 2), "F2");
    ASSERT_EQ(grid.GetItemText(0, 3), "Cena#");
    Fill(1, 4, "Kotel 2");
    Command(ID_FILE_SAVE);
    ASSERT_FALSE(a->IsModified());
    std::string sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("A|'Obj.č.'|''|'Cena!;2'|'Název'\nA|'R-1'|'x'|12.5|'Kotel 2'\n"), std::string::npos)
        << sheets;

    m_view->Grid()->SetFocusCell(1, 4);
    m_view->Grid()->SetSelectedRange(1, 4, 1, 4);
    DefineColumn("Výrobek", -1, nullptr);
    Command(ID_COLUMN_EDIT);
    Command(ID_FILE_SAVE);
    sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("A|'Obj.č.'|''|'Cena!;2'|'Výrobek'\n"), std::string::npos) << sheets;
}
