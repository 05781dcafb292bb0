#include "dataeditor/view/tests/ViewFixture.h"

#include "dataeditor/app/CMainFrame.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/CBitmap.h"
#include "platform/ui/CCmdUI.h"

#include <QEvent>
#include <QImage>
#include <QToolBar>
#include <QWidget>

#include <sys/stat.h>

namespace
{
class ViewWindow : public ViewFixture
{
protected:
    CMainFrame* Frame() const { return dynamic_cast<CMainFrame*>(m_app->m_pMainWnd); }
    // A pane of the main frame's status bar after an idle update: text, enabled, width.
    struct Pane
    {
        CString text;
        bool enabled;
        int width;
    };
    Pane PaneOf(UINT id) const
    {
        CStatusBar& bar = Frame()->m_wndStatusBar;
        bar.OnUpdateCmdUI(Frame(), TRUE);
        const int index = bar.CommandToIndex(id);
        UINT paneId = 0, style = 0;
        int width = 0;
        bar.GetPaneInfo(index, paneId, style, width);
        return {bar.GetPaneText(index), !(style & SBPS_DISABLED), width};
    }
    void Activate(CSobrelView* view) const
    {
        Frame()->MDIActivate(view->GetParentFrame());
        UiTest::ProcessEvents();
    }
    // An idle pass of the editor and what it queued.
    void IdlePass() const
    {
        m_app->OnIdle(0);
        UiTest::ProcessEvents();
    }
};

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
} // namespace

TEST_F(ViewWindow, AnIdleEditorRepaintsTheStatusBarOnlyWhenAPaneChanges)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    Activate(m_view);
    QWidget* bar = Frame()->m_wndStatusBar.GetWidget();
    ASSERT_TRUE(bar->isVisible());
    Grid().SetFocusCell(1, 1);
    IdlePass();
    PaintCounter counter;
    bar->installEventFilter(&counter);
    for (int pass = 0; pass < 5; ++pass)
        IdlePass();
    EXPECT_EQ(counter.paints, 0);

    Grid().SetFocusCell(2, 3);
    IdlePass();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(PaneOf(ID_INDICATOR_POSITION).text, "Řádek 2 z 3, sloupec 3 z 3");
    bar->removeEventFilter(&counter);
}

TEST_F(ViewWindow, ThePositionPaneFollowsTheFocusAndIsOffWithoutRows)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    Activate(m_view);
    Grid().SetFocusCell(2, 3);
    const Pane position = PaneOf(ID_INDICATOR_POSITION);
    EXPECT_EQ(position.text, "Řádek 2 z 3, sloupec 3 z 3");
    EXPECT_TRUE(position.enabled);
    EXPECT_EQ(position.width, Frame()->m_wndStatusBar.GetTextWidth(position.text));
    const Pane language = PaneOf(ID_INDICATOR_LANGUAGE);
    EXPECT_EQ(language.text, "CZ");
    EXPECT_EQ(language.width, Frame()->m_wndStatusBar.GetTextWidth("CZ"));

    // No rows: the pane is off, though its text is set.
    for (int r = 3; r >= 1; --r)
        m_view->DeleteRow(r);
    ASSERT_EQ(m_view->rowCount, 0);
    const Pane empty = PaneOf(ID_INDICATOR_POSITION);
    EXPECT_FALSE(empty.enabled);
    EXPECT_EQ(empty.text, "Řádek 0 z 0, sloupec 0 z 3");
}

TEST_F(ViewWindow, ATableWithoutColumnsShowsItsPictureAndOffersOnlyANewColumn)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    Activate(m_view);
    for (int c = 3; c >= 1; --c)
        m_view->DeleteColumn(c);
    ASSERT_EQ(m_view->columnCount, 0);
    EXPECT_FALSE(Grid().IsWindowVisible());
    for (UINT id : {ID_COLUMN_MOVE, ID_COLUMN_DELETE, ID_COLUMN_EDIT, ID_ROW_INSERT, ID_ROW_DELETE,
                    ID_CALCULATOR, ID_SUMS, ID_EXPORT, ID_SEARCH, ID_FILL, ID_ROW_UP, ID_ROW_DOWN})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(ID_COLUMN_INSERT));

    m_view->GetParentFrame()->MoveWindow(0, 0, 400, 300);
    UiTest::ProcessEvents(20);
    const QImage shown = m_view->GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = Gdi::LoadBitmapResource(IDB_EMPTY_TABLE).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    CRect client;
    m_view->GetClientRect(&client);
    const QPoint origin((client.Width() - picture.width()) / 2, (client.Height() - picture.height()) / 2);
    EXPECT_EQ(shown.copy(QRect(origin, picture.size())), picture);
    // The picture is no blank of the background's colour.
    bool drawn = false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            drawn = drawn || picture.pixel(x, y) != shown.pixel(2, 2);
    EXPECT_TRUE(drawn);
}

TEST_F(ViewWindow, TheEditingBarIsHiddenForAReadOnlyTableAndAFloatingBarIsLeftAlone)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    CSobrelView* writable = m_view;
    const QString copy = Folder("jen-cteni.xls");
    ASSERT_TRUE(QFile::copy(m_path, copy));
    ::chmod(copy.toUtf8().constData(), 0440);
    m_path = copy;
    ASSERT_NE(OpenA(), nullptr);
    CSobrelView* readOnly = m_view;
    ASSERT_TRUE(readOnly->Document()->readOnly);
    EXPECT_FALSE(readOnly->Grid()->IsEditable());
    readOnly->Grid()->SetFocusCell(1, 1);
    readOnly->Grid()->SetSelectedRange(1, 1, 1, 1);
    for (UINT id : {UINT(ID_COLUMN_INSERT), UINT(ID_COLUMN_DELETE), UINT(ID_COLUMN_EDIT),
                    UINT(ID_COLUMN_MOVE), UINT(ID_ROW_INSERT), UINT(ID_ROW_DELETE), UINT(ID_CALCULATOR),
                    UINT(ID_FILL), ID_EDIT_PASTE_SPECIAL, ID_EDIT_UNDO})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(ID_SEARCH));
    CControlBar& bar = Frame()->m_wndEditBar;

    Activate(readOnly);
    EXPECT_FALSE(bar.IsVisible());
    Activate(writable);
    EXPECT_TRUE(bar.IsVisible());
    Activate(readOnly);
    EXPECT_FALSE(bar.IsVisible());

    // A floating bar the user hid stays hidden.
    auto* widget = qobject_cast<QToolBar*>(bar.GetWidget());
    ASSERT_NE(widget, nullptr);
    widget->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    widget->hide();
    ASSERT_TRUE(bar.IsFloating());
    Activate(writable);
    EXPECT_FALSE(bar.IsVisible());
}

TEST_F(ViewWindow, TheGridAnswersTheClipboardCommandsFirst)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    Grid().SetFocusCell(1, 1);
    Grid().SetSelectedRange(1, 1, 1, 1);
    ASSERT_TRUE(Enabled(ID_EDIT_COPY));
    m_view->SendMessage(WM_COMMAND, ID_EDIT_COPY);
    Grid().SetFocusCell(3, 1);
    Grid().SetSelectedRange(3, 1, 3, 1);
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    m_view->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_STREQ(Grid().GetItemText(3, 1), "Radiátor");
    ASSERT_FALSE(m_view->Journal().empty());
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::GroupEnd);
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_STREQ(Grid().GetItemText(3, 1), "Ventil");
}

TEST_F(ViewWindow, PictureOfACatalogue)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    Frame()->MoveWindow(0, 0, 760, 420);
    Activate(m_view);
    Grid().SetFocusCell(2, 2);
    Grid().SetSelectedRange(2, 2, 2, 2);
    Frame()->m_wndStatusBar.OnUpdateCmdUI(Frame(), TRUE);
    UiTest::ProcessEvents(50);
    QDir().mkpath("pictures");
    EXPECT_TRUE(Frame()->GetWidget()->grab().save("pictures/sobrel-view.png"));
}
