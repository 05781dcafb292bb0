#include "SdiTestProgram.h"

#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "platform/frame/CMDIChildWnd.h"
#include "platform/frame/CMDIFrameWnd.h"
#include "platform/frame/CMultiDocTemplate.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
class MaximizedChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(MaximizedChild)

public:
    void ActivateFrame(int) override { CMDIChildWnd::ActivateFrame(SW_SHOWMAXIMIZED); }
};
IMPLEMENT_DYNCREATE(MaximizedChild, CMDIChildWnd)

class MdiApp : public CWinApp
{
public:
    MdiApp() : CWinApp("Editor") {}
    BOOL InitInstance() override
    {
        AddDocTemplate(new CMultiDocTemplate(IDR_MDI_DOC, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(MaximizedChild),
                                             RUNTIME_CLASS(TestView)));
        auto* frame = new CMDIFrameWnd;
        if (!frame->LoadFrame(IDR_MDI_MAIN))
            return FALSE;
        m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        return TRUE;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MdiApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

class MdiFramework : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        Profile::SetConfigFolder(m_dir.path().toUtf8().constData());
        ScriptedAnswers::Reset();
        ASSERT_TRUE(m_app.InitInstance());
        m_frame = dynamic_cast<CMDIFrameWnd*>(m_app.m_pMainWnd);
        ASSERT_NE(m_frame, nullptr);
    }
    void TearDown() override
    {
        if (m_app.m_pMainWnd)
        {
            for (int i = 0; i < 5; ++i)
                ScriptedAnswers::AnswerBox(IDNO);
            m_app.m_pMainWnd->SendMessage(WM_CLOSE);
        }
        ScriptedAnswers::Reset();
        Profile::SetConfigFolder("");
    }
    CString Title(CWnd* wnd) const
    {
        CString title;
        wnd->GetWindowText(title);
        return title;
    }
    TestDoc* ActiveDoc() { return dynamic_cast<TestDoc*>(m_frame->MDIGetActive()->GetActiveDocument()); }

    QTemporaryDir m_dir;
    MdiApp m_app;
    CMDIFrameWnd* m_frame = nullptr;
};
} // namespace

TEST_F(MdiFramework, EachNewDocumentGetsAChildFrameAndCommandsGoToTheActiveOne)
{
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ASSERT_EQ(m_frame->MdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(m_app.GetOpenDocumentCount(), 2);
    BOOL maximized = FALSE;
    CMDIChildWnd* active = m_frame->MDIGetActive(&maximized);
    ASSERT_NE(active, nullptr);
    EXPECT_TRUE(maximized);
    EXPECT_EQ(Title(active), "Tabulka2");
    EXPECT_EQ(Title(m_frame), "Tabulka2 - Editor");

    ActiveDoc()->m_text = "druhá";
    const CString path = (m_dir.path() + "/druha.xls").toUtf8().constData();
    ScriptedAnswers::AnswerCommonDialog(IDOK, path);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    EXPECT_EQ(Title(active), "druha.xls");
    EXPECT_EQ(Title(m_frame), "druha.xls - Editor");

    // Another child becomes active: the title and the commands follow it.
    QMdiSubWindow* first = m_frame->MdiArea()->subWindowList().first();
    m_frame->MdiArea()->setActiveSubWindow(first);
    EXPECT_EQ(Title(m_frame), "Tabulka1 - Editor");
    EXPECT_TRUE(ActiveDoc()->GetPathName().IsEmpty());
}

TEST_F(MdiFramework, ClosingAChildClosesItsDocumentAfterAskingAndTheMainFrameAsksForEach)
{
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ActiveDoc()->SetModifiedFlag();
    ScriptedAnswers::AnswerBox(IDCANCEL);
    m_frame->MDIGetActive()->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_app.GetOpenDocumentCount(), 1);
    ScriptedAnswers::AnswerBox(IDNO);
    m_frame->MDIGetActive()->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_app.GetOpenDocumentCount(), 0);
    UiTest::ProcessEvents();
    EXPECT_TRUE(m_frame->MdiArea()->subWindowList().isEmpty());

    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ActiveDoc()->SetModifiedFlag();
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ActiveDoc()->SetModifiedFlag();
    ScriptedAnswers::ForgetShown();
    ScriptedAnswers::AnswerBox(IDNO);
    ScriptedAnswers::AnswerBox(IDNO);
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 2u);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

TEST_F(MdiFramework, PictureOfTheMdiFrame)
{
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ActiveDoc()->m_text = "Tabulka radiátorů";
    m_frame->MoveWindow(0, 0, 480, 300);
    UiTest::ProcessEvents(50);
    QDir().mkpath("pictures");
    EXPECT_TRUE(m_frame->GetWidget()->grab().save("pictures/mdi-frame.png"));
}

// A frame takes the icon resource of its id (a bitmap of the id is no icon); a child frame whose
// document type has none shows the program's, that of the main frame, in its title bar.
TEST_F(MdiFramework, ChildFramesShowTheProgramsIcon)
{
    EXPECT_EQ(CFrameWnd::FrameIconOf(IDR_RES_FRAME), nullptr);
    EXPECT_EQ(CFrameWnd::FrameIconOf(IDR_MDI_DOC), nullptr);
    const HICON programIcon = CFrameWnd::FrameIconOf(IDR_MDI_MAIN);
    ASSERT_NE(programIcon, nullptr);
    EXPECT_EQ(m_frame->GetIcon(TRUE), programIcon);
    EXPECT_FALSE(m_frame->GetWidget()->windowIcon().isNull());
    for (int child = 0; child < 2; ++child)
        m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    const QList<QMdiSubWindow*> subWindows = m_frame->MdiArea()->subWindowList();
    ASSERT_EQ(subWindows.size(), 2);
    for (QMdiSubWindow* sub : subWindows)
    {
        const QImage shown = sub->windowIcon().pixmap(16, 16).toImage();
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                  m_frame->GetWidget()->windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_EQ(m_frame->MDIGetActive()->GetIcon(FALSE), programIcon);
}
