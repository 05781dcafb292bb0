#include "SobrelFixture.h"

#include "dataeditor/app/CAboutDlg.h"
#include "dataeditor/app/CCustomizeBarsDlg.h"
#include "dataeditor/app/CLanguageDlg.h"
#include "dataeditor/app/CMainFrame.h"
#include "dataeditor/app/CVersionCheck.h"
#include "dataeditor/app/ContextHelpPicker.h"
#include "dataeditor/app/COptionsPropertySheet.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/app/UserToolBars.h"
#include "dataeditor/document/CSeparatorDlg.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/view/CSobrelView.h"
#include "dataeditor/view/SearchIds.h"
#include "dataeditor/view/WindowIds.h"
#include "dataeditor/controls/ControlIds.h"
#include "platform/frame/CMDIChildWnd.h"
#include "dataeditor/document/CTableChoiceDlg.h"
#include "dataeditor/document/CTableNameDlg.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/frame/CToolBar.h"
#include "platform/ui/DialogShot.h"
#include "platform/gdi/SystemMetrics.h"
#include "testing/ScriptedAnswers.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolBar>
#include <QUrl>
#include <QMainWindow>
#include <QProcess>
#include <QProcessEnvironment>

namespace
{
class MainFrame : public SobrelFixture
{
protected:
    CMainFrame* Frame() const { return dynamic_cast<CMainFrame*>(m_app->m_pMainWnd); }
    CCmdUI Update(UINT id) const
    {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(Frame(), TRUE);
        return state;
    }
    void Command(UINT id) const { Frame()->SendMessage(WM_COMMAND, id); }
};

// In the customise dialog: a new bar of that name with those commands, in order.
void NewBarWith(CCustomizeBarsDlg& customise, const char* name, std::initializer_list<UINT> ids)
{
    customise.SetDlgItemText(IDC_BAR_NAME, name);
    customise.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BAR_NEW, BN_CLICKED));
    auto* commands = static_cast<CListBox*>(customise.GetDlgItem(IDC_COMMAND_LIST));
    for (UINT id : ids)
    {
        const auto at = std::find(customise.offered.begin(), customise.offered.end(), id);
        EXPECT_NE(at, customise.offered.end());
        commands->SetCurSel(int(at - customise.offered.begin()));
        customise.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_ADD, BN_CLICKED));
    }
}

int EntryOf(CLanguageDlg& dialog, const char* code)
{
    for (std::size_t i = 0; i < dialog.codes.size(); ++i)
        if (dialog.codes[i] == code)
            return int(i);
    return -1;
}
} // namespace

TEST_F(MainFrame, LanguageCommandNeedsTwoPacksAndSwitchesMenusBarsAndOptions)
{
    Provide({"Sobrel-CZ.so", "Sobrel-CZ.xls"});
    ASSERT_TRUE(Start());
    EXPECT_FALSE(Update(ID_LANGUAGE).m_bEnabled);
    Stop();

    Provide({"Sobrel-EN.so", "Sobrel-EN.xls"});
    Profile::WriteString("Options", "headerFooter-EN", "english header");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Update(ID_LANGUAGE).m_bEnabled);
    ScriptedAnswers::OnDialog(IDD_LANGUAGE,
                              [](CDialog& dialog)
                              {
                                  auto& language = static_cast<CLanguageDlg&>(dialog);
                                  EXPECT_EQ(language.codes.size(), 2u);
                                  auto* list = static_cast<CListBox*>(dialog.GetDlgItem(IDC_LANGUAGE_LIST));
                                  EXPECT_EQ(language.codes[std::size_t(list->GetCurSel())], "CZ");
                                  list->SetCurSel(EntryOf(language, "EN"));
                                  dialog.SendMessage(WM_COMMAND, IDOK);
                                  return IDOK;
                              });
    Command(ID_LANGUAGE);
    EXPECT_EQ(m_app->language, "EN");
    EXPECT_EQ(m_app->options.headerFooter[0], "english header");
    EXPECT_EQ(m_app->rowFormatColumnName, "Format");
    EXPECT_TRUE(m_app->namedFormats.count("Room"));
    CString prompt;
    prompt.LoadString(ID_FILE_SAVE);
    EXPECT_TRUE(prompt.Find("Saves the table") == 0) << prompt;
    CString title;
    Frame()->m_wndEditBar.GetWindowText(title);
    EXPECT_EQ(title, "Editing");
}

TEST_F(MainFrame, FailedLanguageSwitchGoesBack)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    QFile::remove(ProgramFile("Sobrel-EN.xls"));
    EXPECT_FALSE(m_app->SwitchLanguage("EN", 1, ""));
    EXPECT_EQ(m_app->language, "CZ");
    EXPECT_EQ(Profile::GetString("Options", "lang", ""), "CZ");
    EXPECT_EQ(m_app->namedFormats.size(), 8u);
    EXPECT_FALSE(m_app->SwitchLanguage("EN", 3, ""));
}

TEST_F(MainFrame, EditBarCommandHidesAndShowsTheBar)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    UiTest::ProcessEvents();
    ASSERT_TRUE(Frame()->m_wndEditBar.IsVisible());
    Command(ID_VIEW_EDITBAR);
    EXPECT_FALSE(Frame()->m_wndEditBar.IsVisible());
    EXPECT_EQ(Update(ID_VIEW_EDITBAR).m_nCheck, 0);
    Command(ID_VIEW_EDITBAR);
    EXPECT_TRUE(Frame()->m_wndEditBar.IsVisible());
    EXPECT_EQ(Update(ID_VIEW_EDITBAR).m_nCheck, 1);
}

TEST_F(MainFrame, ProgressBarStandsOverTheFirstPaneWithTheCallersTextAndRange)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    CPercentProgressCtrl* progress = Frame()->m_wndStatusBar.Progress();
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(Frame()->m_wndStatusBar.PreviousButton(), nullptr);

    m_app->ReportProgress(0, 200, "Sleva 10% ze ceny", true, false);
    EXPECT_TRUE(progress->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(Frame()->ProgressRunning());
    EXPECT_EQ(progress->GetBarStyle(), CPercentProgressCtrl::showPercent);
    m_app->ReportProgress(50, 200, "", true, false);
    EXPECT_EQ(Frame()->StatusText(), "Sleva 10% ze ceny : 25%");
    // No total keeps the range.
    m_app->ReportProgress(100, 0, "", true, false);
    EXPECT_EQ(Frame()->StatusText(), "Sleva 10% ze ceny : 50%");
    int lower = -1, upper = -1;
    progress->GetRange(lower, upper);
    EXPECT_EQ(upper, 200);
    CRect pane, bar;
    Frame()->m_wndStatusBar.GetItemRect(0, pane);
    progress->GetWindowRect(&bar);
    Frame()->m_wndStatusBar.ScreenToClient(&bar);
    EXPECT_EQ(bar, pane);

    // Without the percentage the text stands alone.
    m_app->ReportProgress(3, 10, "Ukládám 100%", false, false);
    EXPECT_EQ(progress->GetBarStyle(), CPercentProgressCtrl::showPercent | CPercentProgressCtrl::showPosition);
    EXPECT_EQ(Frame()->StatusText(), "Ukládám 100%");

    m_app->ReportProgress(-1, 0, "", false, false);
    EXPECT_FALSE(progress->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(Frame()->StatusText(), "Připraven");
}

TEST_F(MainFrame, StartedProgressRunsASnakeOnTheTimerUntilItEnds)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    CPercentProgressCtrl* progress = Frame()->m_wndStatusBar.Progress();
    ASSERT_NE(progress, nullptr);
    m_app->ReportProgress(0, 200, "Exportuji", true, true);
    EXPECT_TRUE(Frame()->ProgressRunning());
    EXPECT_EQ(progress->GetBarStyle() & 0xE000, 0xA000u);
    EXPECT_EQ(Frame()->ProgressStep(), 40);
    // The snake goes its own way: reported positions do not move it, each tick does.
    m_app->ReportProgress(150, 200, "", true, false);
    EXPECT_EQ(progress->GetPos(), 0);
    Frame()->SendMessage(WM_TIMER, ID_PROGRESS_TIMER);
    EXPECT_EQ(progress->GetPos(), 40);
    EXPECT_EQ(progress->SnakeTail(), 0);
    EXPECT_TRUE(UiTest::ProcessEventsUntil([progress] { return progress->GetPos() >= 120; }));

    // Past its end the snake turns; a measured progress after it grows from the left again,
    // without the timer.
    for (int tick = 0; tick < 8; ++tick)
        Frame()->SendMessage(WM_TIMER, ID_PROGRESS_TIMER);
    EXPECT_TRUE(progress->GetBarStyle() & CPercentProgressCtrl::reversed);
    m_app->ReportProgress(0, 10, "Načítám", true, false);
    EXPECT_EQ(progress->GetBarStyle(), CPercentProgressCtrl::showPercent);
    EXPECT_FALSE(Frame()->ProgressRunning());
    m_app->ReportProgress(5, 10, "", true, false);
    EXPECT_EQ(progress->GetPos(), 5);

    m_app->ReportProgress(0, 200, "Exportuji", true, true);
    EXPECT_TRUE(Frame()->ProgressRunning());
    m_app->ReportProgress(-1, 0, "", false, false);
    EXPECT_FALSE(Frame()->ProgressRunning());
    EXPECT_FALSE(progress->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(Frame()->StatusText(), "Připraven");
}

namespace
{
// What the progress bar showed each time it was painted.
class ProgressWatch : public QObject
{
public:
    explicit ProgressWatch(CMainFrame* frame) : m_frame(frame)
    {
        frame->m_wndStatusBar.Progress()->GetWidget()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
        {
            int lower = 0, upper = 0;
            m_frame->m_wndStatusBar.Progress()->GetRange(lower, upper);
            shown.push_back(m_frame->StatusText());
            ranges.push_back(upper);
        }
        return false;
    }
    std::vector<CString> shown;
    std::vector<int> ranges;

private:
    CMainFrame* m_frame;
};
} // namespace

TEST_F(MainFrame, LoadingATableShowsItsProgressAsItGoesAndEndsIdle)
{
    ProvideBoth();
    const QString copy = Folder("MekrData.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/MekrData.xls"), copy));
    ASSERT_TRUE(Start());
    Frame()->MoveWindow(0, 0, 900, 560);
    UiTest::ProcessEvents(50);
    const int documents = m_app->GetOpenDocumentCount();
    ProgressWatch watch(Frame());
    m_app->requestedTable = "Mekr_Ot$";
    m_app->OpenRequested(copy.toUtf8().constData());
    ASSERT_EQ(m_app->GetOpenDocumentCount(), documents + 1);

    // Painted at once while the table loads, without the event loop, each time it changed.
    ASSERT_GE(watch.shown.size(), 3u);
    const CString prefix = "Mekr_Ot$ - " + CString(copy.toUtf8().constData()) + " : ";
    int last = -1;
    for (const CString& text : watch.shown)
    {
        ASSERT_EQ(text.Left(prefix.GetLength()), prefix);
        const int percent = atoi(text.Mid(prefix.GetLength()));
        EXPECT_GT(percent, last) << text;
        last = percent;
    }
    EXPECT_EQ(watch.shown.back(), prefix + "100%");
    auto* document = dynamic_cast<CSobrelDoc*>(Frame()->MDIGetActive()->GetActiveDocument());
    ASSERT_NE(document, nullptr);
    const int rows = document->View()->rowCount;
    EXPECT_GT(rows, 1);
    EXPECT_EQ(std::count(watch.ranges.begin(), watch.ranges.end(), rows), int(watch.ranges.size()));

    EXPECT_FALSE(Frame()->m_wndStatusBar.Progress()->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(Frame()->ProgressRunning());
    EXPECT_EQ(Frame()->StatusText(), "Připraven");

    // The picture of a progress half done.
    m_app->ReportProgress(0, 200, "Mekr_Ot - MekrData.xls", true, false);
    m_app->ReportProgress(100, 200, "", true, false);
    UiTest::ProcessEvents(50);
    const QImage picture = Frame()->GetWidget()->grab().toImage();
    CRect pane;
    Frame()->m_wndStatusBar.GetItemRect(0, pane);
    const QPoint bar = Frame()->m_wndStatusBar.GetWidget()->mapTo(Frame()->GetWidget(), QPoint(pane.left, pane.top));
    // The bar's first colour at its left end, the ground past its middle.
    const QColor left = picture.pixelColor(bar.x() + 2, bar.y() + 2);
    EXPECT_EQ(left.blue(), 0xFF);
    EXPECT_NEAR(left.red(), 0xAE, 4);
    EXPECT_NEAR(left.green(), 0xC5, 8);
    const COLORREF ground = GetSysColor(COLOR_BTNFACE);
    const QColor right = picture.pixelColor(bar.x() + pane.Width() - 3, bar.y() + 2);
    EXPECT_EQ(right, QColor(GetRValue(ground), GetGValue(ground), GetBValue(ground)));
    QDir().mkpath("pictures");
    EXPECT_TRUE(picture.save("pictures/sobrel-progress.png"));
    m_app->ReportProgress(-1, 0, "", false, false);
}

TEST_F(MainFrame, ForwardedRequestNeedsTwoTabs)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    const int documents = m_app->GetOpenDocumentCount();
    const QString copy = Folder("MekrData.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/MekrData.xls"), copy));
    Frame()->HandleOpenRequest(copy.toUtf8().constData());
    Frame()->HandleOpenRequest((copy + "\tMekr_Ot$").toUtf8().constData());
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents);
    Frame()->HandleOpenRequest((copy + "\tMekr_Ot$\textra").toUtf8().constData());
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents + 1);
    EXPECT_EQ(m_app->forwardedExtra, "extra");
}

TEST_F(MainFrame, UserToolBarsAreMadeInTheCustomiseDialogAndComeBackAtTheNextStart)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    ScriptedAnswers::OnDialog(IDD_CUSTOMIZE_BARS,
                              [](CDialog& dialog)
                              {
                                  NewBarWith(static_cast<CCustomizeBarsDlg&>(dialog), "Moje",
                                             {ID_FILE_SAVE, ID_ROW_INSERT});
                                  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_UP, BN_CLICKED));
                                  dialog.CheckDlgButton(IDC_TEXT_LABELS, BST_CHECKED);
                                  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEXT_LABELS, BN_CLICKED));
                                  return IDOK;
                              });
    Command(ID_CUSTOMIZE);
    UserToolBars& bars = *Frame()->m_userBars;
    EXPECT_EQ(bars.UserImageCount(), 0) << "no _User.bmp, no user pictures";
    ASSERT_TRUE(bars.Exists(0));
    EXPECT_EQ(bars.Name(0), "Moje");
    EXPECT_EQ(bars.Definition(0)->commands, (std::vector<UINT>{ID_ROW_INSERT, ID_FILE_SAVE}));
    EXPECT_TRUE(bars.Definition(0)->textLabels);
    UiTest::ProcessEvents();
    EXPECT_TRUE(Update(ID_USER_TOOLBAR_FIRST).m_bEnabled);
    EXPECT_FALSE(Update(ID_USER_TOOLBAR_FIRST + 1).m_bEnabled);
    Command(ID_USER_TOOLBAR_FIRST);
    EXPECT_FALSE(bars.IsVisible(0));
    Command(ID_USER_TOOLBAR_FIRST);
    EXPECT_TRUE(bars.IsVisible(0));
    Stop();

    ASSERT_TRUE(Start());
    ASSERT_TRUE(Frame()->m_userBars->Exists(0));
    EXPECT_EQ(Frame()->m_userBars->Name(0), "Moje");
}

// The program draws every dialog of its language pack, each filled by its class.
TEST_F(MainFrame, ProgramRendersEveryDialogOfItsLanguagePack)
{
    const QString folder = Folder("dialogs");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", Folder("config"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KALVENROD_BIN_DIR "/Sobrel"), {"--render-dialogs", folder});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    for (UINT id : {IDD_ABOUT, IDD_MOVE_COLUMN, IDD_COLUMN, IDD_ROW_FORMAT, IDD_LANGUAGE, IDD_OPTIONS_GENERAL,
                    IDD_CUSTOMIZE_BARS, IDD_SEARCH, IDD_JOURNAL, IDD_TABLE_CHOICE, IDD_TRANSFER_OPTIONS})
    {
        const QImage picture(folder + QStringLiteral("/dialog-%1.png").arg(id));
        EXPECT_GT(picture.width(), 150) << id;
    }
    // The search's colour picker stands over its placeholder in its light green.
    const QImage search(folder + QStringLiteral("/dialog-%1.png").arg(IDD_SEARCH));
    bool green = false;
    for (int y = 0; y < search.height() && !green; ++y)
        for (int x = 0; x < search.width() && !green; ++x)
            green = search.pixelColor(x, y) == QColor(152, 255, 152);
    EXPECT_TRUE(green);
}

TEST_F(MainFrame, PicturesOfTheMainWindowAndTheDialogs)
{
    ProvideBoth();
    const QString copy = Folder("MekrData.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/MekrData.xls"), copy));
    ASSERT_TRUE(Start({copy.toUtf8().constData(), "-tabulka:Mekr_Ot$"}));
    QDir().mkpath("pictures");
    // A user bar: a command with its own picture, then one without (its text).
    Frame()->m_userBars->Create("Moje");
    Frame()->m_userBars->SetCommands(0, {ID_FILE_SAVE, ID_ROW_INSERT, ID_WINDOWS_DIALOG}, false);
    Frame()->MoveWindow(0, 0, 900, 560);
    UiTest::ProcessEvents(50);
    EXPECT_TRUE(Frame()->GetWidget()->grab().save("pictures/sobrel-main.png"));

    CAboutDlg about;
    EXPECT_TRUE(DialogShot::Render(about, "pictures/sobrel-1018.png"));
    CLanguageDlg language;
    EXPECT_TRUE(DialogShot::Render(language, "pictures/sobrel-1032.png"));
    COptionsPropertySheet general(0);
    EXPECT_TRUE(DialogShot::Render(general, "pictures/sobrel-1034.png"));
    COptionsPropertySheet print(1);
    EXPECT_TRUE(DialogShot::Render(print, "pictures/sobrel-1035.png"));
    CCustomizeBarsDlg customise(*Frame()->m_userBars);
    EXPECT_TRUE(DialogShot::Render(customise, "pictures/sobrel-customise.png"));
    CTableChoiceDlg choice({"A$", "B$ (otevřena)", "Ceník$"}, "Soubor obsahuje 3 tabulky. Kterou otevřít?",
                           " (otevřena)");
    EXPECT_TRUE(DialogShot::Render(choice, "pictures/sobrel-1046.png"));
    CTableNameDlg name("Ceník", false);
    EXPECT_TRUE(DialogShot::Render(name, "pictures/sobrel-1045.png"));
    CSeparatorDlg separator;
    EXPECT_TRUE(DialogShot::Render(separator, "pictures/sobrel-1024.png"));
}

TEST_F(MainFrame, HelpCommandsOpenTheHelpFoldersPages)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    std::vector<std::string> opened;
    CVersionCheck::SetUrlOpener([&opened](const CString& url) {
        opened.push_back(QUrl(QString::fromUtf8(LPCTSTR(url))).toLocalFile().toStdString());
    });
    Command(ID_HELP_FINDER);
    Command(ID_HELP);
    EXPECT_TRUE(opened.empty()) << "no help folder, no help";

    const QString help = ProgramFile("help");
    QDir().mkpath(help);
    // F1 asks for the help of the active window: the table's window, else the main window.
    const QString frameContext = QStringLiteral("%1.html").arg(Frame()->GetActiveFrame()->m_nIDHelp);
    for (const QString& page : {QStringLiteral("index.html"), frameContext, QStringLiteral("%1.html").arg(IDR_MAINFRAME),
                                QStringLiteral("57603.html")})
        QFile(help + u'/' + page).open(QIODevice::WriteOnly);
    auto* mainBar = qobject_cast<QToolBar*>(Frame()->m_wndToolBar.GetWidget());
    QWidget* saveButton =
        mainBar->widgetForAction(Frame()->m_wndToolBar.GetButtonAction(Frame()->m_wndToolBar.CommandToIndex(ID_FILE_SAVE)));
    ASSERT_NE(saveButton, nullptr);
    const auto pressOn = [](QWidget* widget) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    };
    struct Case
    {
        UINT command;
        QWidget* clicked;
        QString page;
    };
    const Case cases[] = {
        {ID_HELP_FINDER, nullptr, "index.html"},
        {ID_DEFAULT_HELP, nullptr, "index.html"},
        {ID_HELP, nullptr, frameContext},
        {ID_CONTEXT_HELP, saveButton, "57603.html"},
        {ID_CONTEXT_HELP, Frame()->m_wndStatusBar.GetWidget(), QStringLiteral("%1.html").arg(IDR_MAINFRAME)},
    };
    for (const Case& c : cases)
    {
        opened.clear();
        Command(c.command);
        if (c.clicked)
            pressOn(c.clicked);
        ASSERT_EQ(opened.size(), 1u) << c.command;
        EXPECT_EQ(opened[0], (help + u'/' + c.page).toStdString()) << c.command;
        EXPECT_FALSE(Frame()->m_contextHelp->IsActive());
    }

    // F1 and Shift+F1 are the keys of help and of the question mode.
    opened.clear();
    Frame()->GetWidget()->activateWindow();
    Frame()->SetFocus();
    UiTest::PressKey(VK_F1);
    EXPECT_EQ(opened, std::vector<std::string>{(help + u'/' + frameContext).toStdString()});
    UiTest::PressKey(VK_F1, Qt::ShiftModifier);
    EXPECT_TRUE(Frame()->m_contextHelp->IsActive());
    Frame()->m_contextHelp->Stop();

    // A missing page opens the index; Escape ends the question mode without help.
    QFile::remove(help + u'/' + frameContext);
    opened.clear();
    Command(ID_HELP);
    EXPECT_EQ(opened, std::vector<std::string>{(help + "/index.html").toStdString()});
    opened.clear();
    Command(ID_CONTEXT_HELP);
    EXPECT_TRUE(Frame()->m_contextHelp->IsActive());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Frame()->GetWidget(), &escape);
    EXPECT_FALSE(Frame()->m_contextHelp->IsActive());
    pressOn(saveButton);
    EXPECT_TRUE(opened.empty());
    CVersionCheck::SetUrlOpener(nullptr);
}

// The user's pictures: a strip of 16-pixel pictures on a background of the top-left colour.
TEST_F(MainFrame, UserBarButtonsShowTheirPictures)
{
    ProvideBoth();
    QImage strip(32, 15, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    strip.setPixel(8, 7, qRgb(0, 0, 255));
    strip.setPixel(24, 7, qRgb(255, 0, 0));
    ASSERT_TRUE(strip.save(ProgramFile("_User.bmp"), "BMP"));
    ASSERT_TRUE(Start());
    ScriptedAnswers::OnDialog(IDD_CUSTOMIZE_BARS,
                              [](CDialog& dialog)
                              {
                                  NewBarWith(static_cast<CCustomizeBarsDlg&>(dialog), "Obrázky",
                                             {ID_FILE_SAVE, ID_LANGUAGE, ID_WINDOWS_DIALOG});
                                  // The second button takes the second user picture, then moves first.
                                  static_cast<CListBox*>(dialog.GetDlgItem(IDC_BAR_BUTTONS))->SetCurSel(1);
                                  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BAR_BUTTONS, LBN_SELCHANGE));
                                  auto* picture = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_BUTTON_IMAGE));
                                  EXPECT_TRUE(picture->IsWindowEnabled());
                                  EXPECT_EQ(picture->GetCount(), 3);
                                  picture->SetCurSel(2);
                                  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_IMAGE, CBN_SELCHANGE));
                                  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_UP, BN_CLICKED));
                                  EXPECT_EQ(picture->GetCurSel(), 2) << "the picture moves with its button";
                                  EXPECT_TRUE(DialogShot::Render(dialog, "pictures/sobrel-customise-pictures.png"));
                                  return IDOK;
                              });
    QDir().mkpath("pictures");
    Command(ID_CUSTOMIZE);
    const auto expectPictures = [this](const char* when)
    {
        const UserToolBarDefinition* definition = Frame()->m_userBars->Definition(0);
        ASSERT_NE(definition, nullptr) << when;
        EXPECT_EQ(definition->commands, (std::vector<UINT>{ID_LANGUAGE, ID_FILE_SAVE, ID_WINDOWS_DIALOG})) << when;
        EXPECT_EQ(definition->images, (std::vector<int>{1, -1, -1})) << when;
        auto* bar = dynamic_cast<CToolBar*>(Frame()->GetControlBar(ID_USER_BAR_FIRST));
        ASSERT_NE(bar, nullptr) << when;
        const QImage user = bar->GetButtonAction(0)->icon().pixmap(16, 15).toImage();
        EXPECT_EQ(user.pixel(8, 7), qRgb(255, 0, 0)) << when;
        EXPECT_EQ(qAlpha(user.pixel(0, 0)), 0) << when << ": the background is transparent";
        EXPECT_EQ(bar->GetButtonAction(1)->icon().cacheKey(),
                  Frame()->m_wndToolBar.GetButtonAction(Frame()->m_wndToolBar.CommandToIndex(ID_FILE_SAVE))->icon().cacheKey())
            << when << ": the command's own picture";
        EXPECT_TRUE(bar->GetButtonAction(2)->icon().isNull()) << when << ": no picture, its text";
    };
    expectPictures("customised");
    Stop();
    ASSERT_TRUE(Start());
    expectPictures("next start");
}

// The grid's context menu is registered under its name in the language in force and shows
// with the window that asks as the owner of its commands.
TEST_F(MainFrame, TheGridContextMenuIsRegisteredByNameAndShown)
{
    ProvideBoth();
    const std::pair<const char*, const char*> names[] = {{"CZ", "Místní nabídka tabulky"},
                                                         {"EN", "Table context menu"}};
    for (const auto& [language, name] : names)
    {
        Profile::WriteString("Options", "lang", language);
        ASSERT_TRUE(Start()) << language;
        const ContextMenuManager& menus = m_app->contextMenus;
        EXPECT_EQ(menus.MenuName(IDR_GRID_CONTEXT), name);
        MenuScript::Clear();
        MenuScript::ChooseNext(0);
        EXPECT_TRUE(menus.ShowPopupMenu(IDR_GRID_CONTEXT, 10, 10, Frame()));
        ASSERT_EQ(MenuScript::Shown().size(), 1u);
        // The commands ask the active table: a row cannot be inserted into a table without columns.
        EXPECT_EQ(std::find(MenuScript::Shown()[0].begin(), MenuScript::Shown()[0].end(), UINT(ID_ROW_INSERT)),
                  MenuScript::Shown()[0].end());
        EXPECT_FALSE(menus.ShowPopupMenu(IDR_TOOLBAR_CONTEXT, 10, 10, Frame())) << "not registered";
        Stop();
    }
}
