#include "DocumentFixture.h"

#include "platform/core/Profile.h"
#include "platform/frame/CRecentFileList.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"

#include <csignal>
#include <sys/resource.h>

TEST_F(DocumentFixture, TheRoadOfAWorkbookTableFromChoiceToSaveAndBack)
{
    ASSERT_TRUE(Start());
    std::vector<CString> offered;
    CSobrelDoc* a = Open("A$", &offered);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->tableName, "A$");
    EXPECT_NE(std::find(offered.begin(), offered.end(), "B$"), offered.end());
    EXPECT_EQ(std::find(offered.begin(), offered.end(), "A"), offered.end());
    EXPECT_EQ(Grid(a).GetItemText(1, 1), "Radiátor");
    EXPECT_EQ(a->View()->ColumnInfo(1)->description, "Název výrobku");
    EXPECT_EQ(a->View()->ColumnInfo(3)->type, 12);
    EXPECT_EQ(a->View()->ColumnInfo(2)->decimals, 2);

    // While open, the file has no write bits and is listed as being written.
    const QByteArray path = m_path.toUtf8();
    EXPECT_EQ(Mode(m_path) & 0222, 0u);
    EXPECT_EQ(Profile::GetString("WritingFiles", "file1", ""), path.constData());

    // "%n%" is the entry n of the table list.
    const auto bEntry = std::find(a->tableList.begin(), a->tableList.end(), "B$");
    ASSERT_NE(bEntry, a->tableList.end());
    m_app->requestedTable.Format("%%%d%%", int(bEntry - a->tableList.begin()));
    CSobrelDoc* b = Open();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->tableName, "B$");

    // A$ is shown elsewhere: choosing it brings that window up and opens nothing.
    const int documents = m_app->GetOpenDocumentCount();
    std::vector<CString> again;
    EXPECT_EQ(Open("A$", &again), nullptr);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents);
    EXPECT_NE(std::find(again.begin(), again.end(), "A$ (otevřena)"), again.end());
    auto* frame = dynamic_cast<CMDIFrameWnd*>(m_app->m_pMainWnd);
    EXPECT_EQ(frame->MDIGetActive()->GetActiveDocument(), a);

    // Edit and save: the old file stays as ".bak", the other sheets as they were.
    const QByteArray before = Bytes(m_path);
    Grid(a).SetItemText(1, 1, "Radiátor deskový");
    Grid(a).SetItemText(3, 3, QString(300, u'ž').toUtf8().constData());
    a->SetModifiedFlag();
    ASSERT_TRUE(a->DoSave(path.constData()));
    EXPECT_FALSE(a->IsModified());
    EXPECT_EQ(Bytes(m_path + ".bak"), before);
    EXPECT_FALSE(QFile::exists(Folder("katalog$.xls")));
    const std::string sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("A|'Radiátor deskový'|1234.5|'krátká"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("|0.1234567891|"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("B|'K1'"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("AInfo|'Název výrobku'"), std::string::npos) << sheets;
    EXPECT_EQ(Mode(m_path) & 0222, 0u);

    // Closed, the file has its mode back; opened again, it shows the edit.
    a->OnCloseDocument();
    b->OnCloseDocument();
    EXPECT_EQ(Mode(m_path), 0644u);
    CSobrelDoc* reopened = Open("A$");
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(Grid(reopened).GetItemText(1, 1), "Radiátor deskový");
    EXPECT_EQ(Grid(reopened).GetItemText(3, 3), QString(300, u'ž').toUtf8().constData());
}

// A real keeps every digit as read until its cell is edited, whatever its display shows; numbers
// reach the file without their thousands separators.
TEST_F(DocumentFixture, UneditedRealsAreSavedWithEveryDigitWhateverTheirDisplay)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    CSobrelGrid& grid = *a->View()->Grid();
    for (int r = 1; r <= 3; ++r)
        grid.RetypeCell(r, 2);
    const CString point(std::string(1, m_app->decimalPoint));
    EXPECT_EQ(grid.GetItemText(2, 2), "0" + point + "12");
    EXPECT_EQ(grid.GetItemText(1, 2), "1" + m_app->thousandSeparator + "234" + point + "50");
    grid.SetItemText(3, 2, "99" + point + "5");
    a->SetModifiedFlag();
    ASSERT_TRUE(a->DoSave(m_path.toUtf8().constData()));
    const std::string sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("A|'Radiátor'|1234.5|"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("A|'Trubka'|0.1234567891|"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("A|'Ventil'|99.5|"), std::string::npos) << sheets;
}

TEST_F(DocumentFixture, TextColumnsAreSizedByTheirFirstRowsAndLongTextsMakeMemo)
{
    ASSERT_TRUE(Start());
    m_app->options.dataGuessRows = 2;
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    Grid(a).SetItemText(3, 1, "a much longer name than the others");
    Grid(a).SetItemText(1, 3, QString(256, u'x').toUtf8().constData());
    Grid(a).SetItemText(2, 3, "");
    a->SetModifiedFlag();
    ASSERT_TRUE(a->DoSave(m_path.toUtf8().constData()));
    EXPECT_EQ(a->View()->ColumnInfo(1)->type, 10);
    EXPECT_EQ(a->View()->ColumnInfo(1)->size, 8); // "Radiátor", the longer of the first two
    EXPECT_EQ(a->View()->ColumnInfo(3)->type, 12);

    Grid(a).SetItemText(1, 3, "short again");
    a->SetModifiedFlag();
    ASSERT_TRUE(a->DoSave(m_path.toUtf8().constData()));
    EXPECT_EQ(a->View()->ColumnInfo(3)->type, 10);
    EXPECT_EQ(a->View()->ColumnInfo(3)->size, 255);
}

TEST_F(DocumentFixture, FailedSavesLeaveTheFileAndTheDocumentAsTheyWere)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    const QByteArray before = Bytes(m_path);
    const CString title = a->GetTitle();
    Grid(a).SetItemText(1, 1, "změna");
    a->SetModifiedFlag();

    // The new file cannot be made: its place is taken by a folder.
    BlockPath(Folder("katalog$.xls"));
    EXPECT_FALSE(a->DoSave(m_path.toUtf8().constData()));
    ASSERT_TRUE(QDir(Folder("katalog$.xls")).removeRecursively());

    // More rows than a sheet holds.
    CGridCtrl& grid = Grid(a);
    grid.SetRowCount(70001);
    a->View()->rowCount = 70000;
    MessageBoxes::ClearShown();
    EXPECT_FALSE(a->DoSave(m_path.toUtf8().constData()));
    CString tooMany;
    tooMany.LoadString(IDS_SAVE_ADD_ROW_FAILED);
    EXPECT_EQ(LastMessage(), tooMany);
    grid.SetRowCount(4);
    a->View()->rowCount = 3;

    for (const CString& leftOver : {CString("katalog$.xls"), CString("katalog.xls.bak")})
        EXPECT_FALSE(QFile::exists(Folder(leftOver)));
    EXPECT_EQ(Bytes(m_path), before);
    EXPECT_TRUE(a->IsModified());
    EXPECT_EQ(a->GetTitle(), title);
    EXPECT_EQ(a->GetPathName(), m_path.toUtf8().constData());
    EXPECT_EQ(a->tableName, "A$");
}

TEST_F(DocumentFixture, AFileWithoutWriteBitsOpensReadOnlyAndIsLeftAlone)
{
    ::chmod(m_path.toUtf8().constData(), 0440);
    ASSERT_TRUE(Start());
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->readOnly);
    EXPECT_TRUE(a->GetTitle().Find("[jen ke čtení]") > 0) << a->GetTitle();
    EXPECT_EQ(Profile::GetString("WritingFiles", "file1", "none"), "none");
    a->OnCloseDocument();
    EXPECT_EQ(Mode(m_path), 0440u);
}

TEST_F(DocumentFixture, RenameThenSaveLeavesTheTableUnderItsNewNameOnly)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    DialogScript::OnNext(IDD_TABLE_NAME, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_TABLE_NAME, "Ceník$");
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    a->OnRenameTable();
    EXPECT_EQ(a->tableName, "Ceník$");
    EXPECT_EQ(a->storedTableName, "A$");
    EXPECT_TRUE(a->GetTitle().Find("Ceník") > 0);
    ASSERT_EQ(a->View()->Journal().size(), 1u);
    ASSERT_TRUE(a->DoSave(m_path.toUtf8().constData()));
    const std::string sheets = Xlrd(m_path);
    EXPECT_NE(sheets.find("Ceník|'Radiátor'"), std::string::npos) << sheets;
    EXPECT_EQ(sheets.find("\nA|"), std::string::npos) << sheets;
    EXPECT_FALSE(a->nameChanged);
}

TEST_F(DocumentFixture, DeletingATableKeepsTheOtherSheetsAndAFailedCopyKeepsTheFile)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* b = Open("B$");
    ASSERT_NE(b, nullptr);
    const QByteArray before = Bytes(m_path);
    const int documents = m_app->GetOpenDocumentCount();
    BlockPath(Folder("katalog$.xls"));
    MessageBoxes::AnswerNext(IDYES);
    b->OnDeleteTable();
    EXPECT_EQ(Bytes(m_path), before);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents);
    ASSERT_TRUE(QDir(Folder("katalog$.xls")).removeRecursively());

    MessageBoxes::AnswerNext(IDYES);
    b->OnDeleteTable();
    const std::string sheets = Xlrd(m_path);
    EXPECT_EQ(sheets.find("B|"), std::string::npos) << sheets;
    EXPECT_NE(sheets.find("A|'Radiátor'"), std::string::npos) << sheets;
    EXPECT_EQ(Bytes(m_path + ".bak"), before);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents - 1);
}

TEST_F(DocumentFixture, AnEngineWriteThatFailsFailsTheSaveAndLeavesNoNewFile)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    const QByteArray before = Bytes(m_path);
    CGridCtrl& grid = Grid(a);
    grid.SetRowCount(2001);
    for (int r = 4; r <= 2000; ++r)
        grid.SetItemText(r, 1, QString::number(r * 7919).repeated(20).toUtf8().constData());
    a->View()->rowCount = 2000;
    a->SetModifiedFlag();

    // Files may grow to 64 KB only: the copy of the small sheets fits, the table does not.
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const BOOL saved = a->DoSave(m_path.toUtf8().constData());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(Bytes(m_path), before);
    EXPECT_FALSE(QFile::exists(Folder("katalog$.xls")));
    EXPECT_TRUE(a->IsModified());
}

TEST_F(DocumentFixture, AnotherTableOfTheSameFileOpensBesideTheFirstWhateverThePathSays)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->GetDocTemplate() != nullptr);
    CCmdUI state;
    state.m_nID = ID_OPEN_ANOTHER_TABLE;
    state.DoUpdate(a, TRUE);
    EXPECT_TRUE(state.m_bEnabled);
    DialogScript::OnNext(IDD_TABLE_CHOICE, [](CDialog& dialog) {
        auto* list = static_cast<CListBox*>(dialog.GetDlgItem(IDC_TABLE_LIST));
        list->SetCurSel(list->FindStringExact(-1, "B$"));
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    const int documents = m_app->GetOpenDocumentCount();
    a->OnOpenAnotherTable();
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents + 1);

    // The same file under another path is the same file: its open tables carry the marker.
    QFile::link(m_path, Folder("odkaz.xls"));
    m_path = Folder("odkaz.xls");
    std::vector<CString> offered;
    EXPECT_EQ(Open("A$", &offered), nullptr);
    EXPECT_NE(std::find(offered.begin(), offered.end(), "B$ (otevřena)"), offered.end());
}

TEST_F(DocumentFixture, AFailedSaveKeepsTheRecentFileList)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* a = Open("A$");
    ASSERT_NE(a, nullptr);
    CRecentFileList& recent = *m_app->m_pRecentFileList;
    const int size = recent.GetSize();
    const CString first = size ? recent[0] : CString();
    a->SetModifiedFlag();
    BlockPath(Folder("jinam$.xls"));
    EXPECT_FALSE(a->DoSave(Folder("jinam.xls").toUtf8().constData()));
    EXPECT_EQ(recent.GetSize(), size);
    EXPECT_EQ(size ? recent[0] : CString(), first);
    EXPECT_EQ(a->GetPathName(), m_path.toUtf8().constData());
}

// A Boolean column is written as 1 and 0, whichever words the language shows for true and false.
TEST_F(DocumentFixture, BooleansAreSavedAsOneAndZeroInEveryLanguage)
{
    const QString made = Folder("sklad.xls");
    RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
p = book.add_sheet('P')
p.write(0, 0, 'Kód'); p.write(0, 1, 'Skladem')
for r, (code, stocked) in enumerate([('K1', True), ('K2', False), ('K3', True)]):
    p.write(r + 1, 0, code); p.write(r + 1, 1, stocked)
info = book.add_sheet('PInfo')
info.write(0, 0, 'Kód'); info.write(0, 1, 'Skladem'); info.write(2, 1, 'dbBoolean')
book.save(sys.argv[1])
)",
              {made});
    for (const char* language : {"CZ", "EN"})
    {
        m_path = Folder("sklad-") + language + ".xls";
        ASSERT_TRUE(QFile::copy(made, m_path));
        Profile::WriteString("Options", "lang", language);
        ASSERT_TRUE(Start()) << language;
        CSobrelDoc* p = Open("P$");
        ASSERT_NE(p, nullptr) << language;
        ASSERT_EQ(p->View()->ColumnInfo(2)->type, 1) << language;
        const CString yes = Grid(p).GetItemText(1, 2);
        const CString no = Grid(p).GetItemText(2, 2);
        EXPECT_NE(yes, no) << language;
        Grid(p).SetItemText(1, 2, no);
        Grid(p).SetItemText(2, 2, yes);
        p->SetModifiedFlag();
        ASSERT_TRUE(p->DoSave(m_path.toUtf8().constData())) << language;
        const std::string sheets = Xlrd(m_path);
        EXPECT_NE(sheets.find("P|'K1'|0"), std::string::npos) << language << ": " << yes << "/" << no << "\n" << sheets;
        EXPECT_NE(sheets.find("P|'K2'|1"), std::string::npos) << language << "\n" << sheets;
        EXPECT_NE(sheets.find("P|'K3'|1"), std::string::npos) << language << "\n" << sheets;
        Stop();
    }
}

// A right click in the table shows the grid's context menu; with one cell selected the cell
// under the pointer becomes the focus cell first, a block stays as it is.
TEST_F(DocumentFixture, RightClickShowsTheContextMenuOverTheCellClicked)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = Open("A$");
    ASSERT_NE(document, nullptr);
    CGridCtrl& grid = Grid(document);
    grid.SetFocusCell(1, 1);
    grid.SetSelectedRange(1, 1, 1, 1);
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(2, 2, rect));
    CPoint point = rect.CenterPoint();
    grid.ClientToScreen(&point);
    MenuScript::Clear();
    grid.SendMessage(WM_CONTEXTMENU, WPARAM(grid.GetSafeHwnd()), MAKELPARAM(point.x, point.y));
    ASSERT_EQ(MenuScript::Shown().size(), 1u);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 2));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 2, 2, 2));

    grid.SetSelectedRange(1, 1, 2, 2);
    grid.SendMessage(WM_CONTEXTMENU, WPARAM(grid.GetSafeHwnd()), MAKELPARAM(point.x, point.y));
    EXPECT_EQ(MenuScript::Shown().size(), 2u);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 1, 2, 2));
}
