#include "SdiTestProgram.h"

#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "platform/gdi/PrintJob.h"
#include "platform/frame/CRecentFileList.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
class SdiFramework : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        Profile::SetConfigFolder(m_dir.path().toUtf8().constData());
        TestDoc::s_calls.clear();
        ScriptedAnswers::Reset();
        m_app.m_arguments = {"zkouska"};
        ASSERT_TRUE(m_app.InitInstance());
        m_frame = dynamic_cast<TestFrame*>(m_app.m_pMainWnd);
        ASSERT_NE(m_frame, nullptr);
    }

    void TearDown() override
    {
        if (m_app.m_pMainWnd)
        {
            ScriptedAnswers::AnswerBox(IDNO);
            m_app.m_pMainWnd->SendMessage(WM_CLOSE);
        }
        EXPECT_EQ(m_app.m_pMainWnd, nullptr);
        Profile::SetConfigFolder("");
    }

    TestDoc* Doc() { return dynamic_cast<TestDoc*>(m_frame->GetActiveDocument()); }
    CString Title() const
    {
        CString title;
        m_frame->GetWindowText(title);
        return title;
    }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id); }
    CString Path(const char* name) const { return (m_dir.path() + u'/' + QString::fromUtf8(name)).toUtf8().constData(); }

    QTemporaryDir m_dir;
    TestApp m_app;
    TestFrame* m_frame = nullptr;
};
} // namespace

TEST_F(SdiFramework, StartsWithANewDocumentInItsFrame)
{
    EXPECT_EQ(TestDoc::s_calls, (std::vector<std::string>{"new", "delete contents"}));
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Title(), "Zkouška - Zkušební program");
    EXPECT_EQ(m_frame->GetActiveView()->GetDocument(), Doc());
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(1), "CAP");
}

TEST_F(SdiFramework, PaneRectanglesFollowANewWidthAtOnce)
{
    CStatusBar& bar = m_frame->m_wndStatusBar;
    m_frame->MoveWindow(0, 0, 600, 300);
    UiTest::ProcessEvents();
    CRect line, pane;
    bar.GetItemRect(0, line);
    bar.GetItemRect(1, pane);
    UINT id = 0, style = 0;
    int width = 0;
    bar.GetPaneInfo(1, id, style, width);
    bar.SetPaneInfo(1, id, style, width + 100);
    CRect narrower, wider;
    bar.GetItemRect(0, narrower);
    bar.GetItemRect(1, wider);
    EXPECT_GE(wider.Width(), width + 100);
    EXPECT_LE(narrower.right, line.right - 100 + (pane.Width() - width));
    EXPECT_LE(narrower.right, wider.left);
}

TEST_F(SdiFramework, MenuBarFromTheResourcesSendsItsCommands)
{
    QMenuBar* bar = m_frame->MainWindow()->menuBar();
    ASSERT_EQ(bar->actions().size(), 1);
    QMenu* file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    QAction* saveAs = nullptr;
    for (QAction* a : file->actions())
        if (a->data().toUInt() == ID_FILE_SAVE_AS)
            saveAs = a;
    ASSERT_NE(saveAs, nullptr);
    EXPECT_TRUE(saveAs->isEnabled());
    Doc()->m_text = "z nabídky";
    ScriptedAnswers::AnswerCommonDialog(IDOK, Path("nabidka.tst"));
    saveAs->trigger();
    EXPECT_EQ(Title(), "nabidka.tst - Zkušební program");
}

TEST_F(SdiFramework, ToolBarTipsComeFromTheStringTableAndUpdateHandlersEnableTheButtons)
{
    CToolBar& bar = m_frame->m_wndToolBar;
    ASSERT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.GetItemID(0), UINT(ID_CALCULATE));
    EXPECT_EQ(bar.GetButtonAction(0)->toolTip(), QString("Výpočet tepelných ztrát"));
    EXPECT_EQ(bar.GetButtonAction(2)->toolTip(), QString("Export"));
    EXPECT_FALSE(bar.GetButtonAction(0)->icon().isNull());

    m_app.OnIdle(0);
    EXPECT_FALSE(bar.GetButtonAction(0)->isEnabled()); // no text yet
    EXPECT_FALSE(bar.GetButtonAction(2)->isEnabled()); // no handler at all
    Doc()->m_text = "Obývací pokoj";
    m_app.OnIdle(0);
    EXPECT_TRUE(bar.GetButtonAction(0)->isEnabled());
    EXPECT_EQ(bar.GetButtonStyle(0) & TBBS_DISABLED, 0u);

    bar.GetButtonAction(0)->trigger();
    EXPECT_EQ(m_frame->m_calculations, 1);

    // The prompt of a command shows in the status line, and the idle text comes back.
    bar.GetButtonAction(0)->hover();
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Spočítá tepelné ztráty");
    m_frame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
}

TEST_F(SdiFramework, SaveAsOpenAndNewWalkTheFrameworksSteps)
{
    Doc()->m_text = "Kuchyně 20 °C";
    Doc()->SetModifiedFlag();
    const CString file = Path("kuchyne.tst");

    TestDoc::s_calls.clear();
    ScriptedAnswers::AnswerCommonDialog(IDOK, file);
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(TestDoc::s_calls, (std::vector<std::string>{"save"}));
    EXPECT_TRUE(FileOps::Exists(file));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->GetPathName(), file);
    EXPECT_EQ(Title(), "kuchyne.tst - Zkušební program");

    // New asks about unsaved changes; Cancel keeps everything.
    Doc()->m_text = "změněno";
    Doc()->SetModifiedFlag();
    ScriptedAnswers::AnswerBox(IDCANCEL);
    TestDoc::s_calls.clear();
    Command(ID_FILE_NEW);
    EXPECT_TRUE(TestDoc::s_calls.empty());
    EXPECT_EQ(Doc()->m_text, "změněno");
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, CString("Uložit změny do ") + file + "?");

    // No drops the changes and starts a new document in the same frame.
    ScriptedAnswers::AnswerBox(IDNO);
    Command(ID_FILE_NEW);
    EXPECT_EQ(TestDoc::s_calls, (std::vector<std::string>{"new", "delete contents"}));
    EXPECT_EQ(Title(), "Zkouška - Zkušební program");
    EXPECT_EQ(m_app.m_pMainWnd, m_frame);

    TestDoc::s_calls.clear();
    ScriptedAnswers::AnswerCommonDialog(IDOK, file);
    Command(ID_FILE_OPEN);
    EXPECT_EQ(TestDoc::s_calls, (std::vector<std::string>{"open", "delete contents"}));
    EXPECT_EQ(Doc()->m_text, "Kuchyně 20 °C");
    EXPECT_EQ(Title(), "kuchyne.tst - Zkušební program");

    // Save writes to the same file without asking.
    Doc()->m_text = "Kuchyně 22 °C";
    Command(ID_FILE_SAVE);
    ScriptedAnswers::AnswerCommonDialog(IDOK, file);
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Doc()->m_text, "Kuchyně 22 °C");
}

TEST_F(SdiFramework, CancelledFileDialogChangesNothing)
{
    Doc()->m_text = "x";
    ScriptedAnswers::AnswerCommonDialog(IDCANCEL);
    Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    ScriptedAnswers::AnswerCommonDialog(IDCANCEL);
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Doc()->m_text, "x");
}

TEST_F(SdiFramework, AFileThatDoesNotOpenIsReportedAndTheDocumentStays)
{
    Doc()->m_text = "zůstává";
    ScriptedAnswers::AnswerBox(IDOK);
    EXPECT_EQ(m_app.OpenDocumentFile(Path("chybi.tst")), nullptr);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes()[0].text.Find("chybi.tst") >= 0);
    EXPECT_EQ(Doc()->m_text, "zůstává");
}

TEST_F(SdiFramework, RecentFileListKeepsFourEntriesInTheProfile)
{
    for (const char* name : {"a.tst", "b.tst", "c.tst", "d.tst", "e.tst"})
    {
        ScriptedAnswers::AnswerCommonDialog(IDOK, Path(name));
        Command(ID_FILE_SAVE_AS);
    }
    ASSERT_NE(m_app.m_pRecentFileList, nullptr);
    EXPECT_EQ(m_app.m_pRecentFileList->GetSize(), 4);
    const char* expected[] = {"e.tst", "d.tst", "c.tst", "b.tst"};
    for (int i = 0; i < 4; ++i)
    {
        CString entry;
        entry.Format("File%d", i + 1);
        EXPECT_EQ(Profile::GetString("Recent File List", entry, ""), Path(expected[i])) << i;
    }
    EXPECT_EQ(Profile::GetString("Recent File List", "File5", "none"), "none");
    EXPECT_TRUE(QString::fromStdString(Profile::FilePath()).endsWith("Kolp/Zkouska.ini"));

    // The list comes back at the next start and opens its entries.
    m_app.m_pRecentFileList->ReadList();
    EXPECT_EQ((*m_app.m_pRecentFileList)[0], Path("e.tst"));
    Command(ID_FILE_MRU_FILE1 + 2);
    EXPECT_EQ(Doc()->GetPathName(), Path("c.tst"));
    EXPECT_EQ((*m_app.m_pRecentFileList)[0], Path("c.tst"));
}

TEST_F(SdiFramework, ClosingAModifiedDocumentAsksAndCancelKeepsTheWindow)
{
    Doc()->m_text = "rozpracováno";
    Doc()->SetModifiedFlag();
    ScriptedAnswers::AnswerBox(IDCANCEL);
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_app.m_pMainWnd, m_frame);
    EXPECT_EQ(Doc()->m_text, "rozpracováno");
    ScriptedAnswers::AnswerBox(IDNO);
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

TEST_F(SdiFramework, CommandLineOpensTheFileItNames)
{
    Doc()->m_text = "z příkazové řádky";
    ScriptedAnswers::AnswerCommonDialog(IDOK, Path("radek.tst"));
    Command(ID_FILE_SAVE_AS);
    Command(ID_FILE_NEW);

    m_app.m_arguments = {"zkouska", "/nologo", Path("radek.tst")};
    CCommandLineInfo info;
    m_app.ParseCommandLine(info);
    EXPECT_EQ(info.m_nShellCommand, int(CCommandLineInfo::FileOpen));
    EXPECT_FALSE(info.m_bShowSplash);
    EXPECT_EQ(info.m_strFileName, Path("radek.tst"));
    EXPECT_TRUE(m_app.ProcessShellCommand(info));
    EXPECT_EQ(Doc()->m_text, "z příkazové řádky");

    // A flag with a path behind it stays a flag.
    m_app.m_arguments = {"zkouska", "/orbeldocinfo.ini:" + Path("info.ini")};
    CCommandLineInfo flagged;
    m_app.ParseCommandLine(flagged);
    EXPECT_EQ(flagged.m_nShellCommand, int(CCommandLineInfo::FileNew));
    EXPECT_TRUE(flagged.m_strFileName.IsEmpty());
}

TEST_F(SdiFramework, PictureOfTheFrame)
{
    Doc()->m_text = "Obývací pokoj";
    m_app.OnIdle(0);
    m_frame->ShowWindow(SW_SHOW);
    m_frame->MoveWindow(0, 0, 480, 300);
    UiTest::ProcessEvents(50);
    QDir().mkpath("pictures");
    const QImage picture = m_frame->GetWidget()->grab().toImage();
    EXPECT_TRUE(picture.save("pictures/sdi-frame.png"));
    EXPECT_GT(picture.width(), 400);
}

TEST_F(SdiFramework, ThePrintCommandOfTheViewPrintsItsDrawing)
{
    Doc()->m_text = "Tisk z pohledu";
    const CString pdf = Path("pohled.pdf");
    Gdi::SetNextPrintFile(QString::fromUtf8(pdf.GetString()));
    Command(ID_FILE_PRINT);
    EXPECT_TRUE(FileOps::Exists(pdf));
}

TEST_F(SdiFramework, BarStateComesBackFromTheProfile)
{
    m_frame->ShowControlBar(&m_frame->m_wndToolBar, FALSE, FALSE);
    EXPECT_FALSE(m_frame->m_wndToolBar.IsVisible());
    m_frame->SaveBarState("Bars");
    m_frame->ShowControlBar(&m_frame->m_wndToolBar, TRUE, FALSE);
    EXPECT_FALSE(Profile::GetString("Bars", "BarState", "").IsEmpty());
    m_frame->LoadBarState("Bars");
    EXPECT_FALSE(m_frame->m_wndToolBar.IsVisible());
    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(m_frame->m_wndToolBar.IsVisible());
}
