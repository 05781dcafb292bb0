// A frame made from its resources: menu, accelerators, tool bar and its bitmap of one id.

#include "SdiTestProgram.h"

#include "platform/core/Profile.h"
#include "platform/frame/CRecentFileList.h"
#include "testing/UiTest.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
class ResFrame : public CFrameWnd
{
public:
    CToolBar m_wndToolBar;
    int m_calculations = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS) ||
            !m_wndToolBar.LoadToolBar(IDR_RES_FRAME))
            return -1;
        return 0;
    }
    afx_msg void OnCalculate() { ++m_calculations; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ResFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_CALCULATE, OnCalculate)
END_MESSAGE_MAP()

QAction* FindAction(QMenu* menu, UINT id)
{
    for (QAction* a : menu->actions())
        if (a->data().toUInt() == id && a->isVisible())
            return a;
    return nullptr;
}
} // namespace

TEST(ResourceFrame, MenuAcceleratorsAndToolBarComeFromTheResources)
{
    UiTest::EnsureApplication();
    QTemporaryDir dir;
    Profile::SetConfigFolder(dir.path().toUtf8().constData());
    TestApp app;
    app.SetRegistryKey("Kolp");
    app.LoadStdProfileSettings(4);
    app.AddToRecentFileList("/data/akce/dum.tst");

    auto* frame = new ResFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_RES_FRAME));
    app.m_pMainWnd = frame;

    // Tool bar: two buttons and a separator, pictures from the bitmap of the same id.
    ASSERT_EQ(frame->m_wndToolBar.GetCount(), 3);
    EXPECT_EQ(frame->m_wndToolBar.GetItemID(0), UINT(ID_CALCULATE));
    EXPECT_EQ(frame->m_wndToolBar.GetItemID(2), UINT(ID_EXPORT));
    EXPECT_FALSE(frame->m_wndToolBar.GetButtonAction(0)->icon().isNull());
    EXPECT_EQ(frame->m_wndToolBar.GetButtonAction(0)->toolTip(), QString("Výpočet tepelných ztrát"));

    // Menu bar: the file menu with the recent file in place of its placeholder.
    QMenuBar* bar = frame->MainWindow()->menuBar();
    ASSERT_EQ(bar->actions().size(), 2);
    QMenu* file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(bar->actions()[0]->text(), QString("&Soubor"));
    emit file->aboutToShow();
    QAction* recent = FindAction(file, ID_FILE_MRU_FILE1);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), QString("&1 /data/akce/dum.tst"));
    EXPECT_TRUE(recent->isEnabled());

    // Update handlers: a command with a handler is enabled, one without is not.
    QMenu* calculation = bar->actions()[1]->menu();
    emit calculation->aboutToShow();
    EXPECT_TRUE(FindAction(calculation, ID_CALCULATE)->isEnabled());
    EXPECT_FALSE(FindAction(calculation, ID_EXPORT)->isEnabled());
    FindAction(calculation, ID_CALCULATE)->trigger();
    EXPECT_EQ(frame->m_calculations, 1);

    // The accelerator F5 gives the same command.
    bool found = false;
    for (QAction* a : frame->GetWidget()->actions())
        if (a->shortcut() == QKeySequence(Qt::Key_F5))
        {
            a->trigger();
            found = true;
        }
    EXPECT_TRUE(found);
    EXPECT_EQ(frame->m_calculations, 2);

    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    Profile::SetConfigFolder("");
}
