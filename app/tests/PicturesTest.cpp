// Pictures of the program's dialogs, the settings sheet and the main window for a person to
// look at: written into the tests' folder mekr-pictures.
#include "MekrFixture.h"

#include "app/CSplashWnd.h"
#include "app/MekrIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/DialogShot.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/GroupBoxWidget.h"
#include "platform/ui/UiResources.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QWidget>

namespace
{
class PicturesTest : public MekrFixture
{
protected:
    static std::string Folder()
    {
        const QString folder = QStringLiteral(KALVENROD_PICTURE_DIR);
        QDir().mkpath(folder);
        return folder.toStdString();
    }
};

TEST_F(PicturesTest, DialogsSheetAndMainWindow)
{
    for (UINT id : {IDD_ABOUTBOX, IDD_NASTAVENI_APLIKACE, IDD_NASTAVENI_SOBREL, IDD_NASTAVENI_CEST,
                    IDD_NASTAVENI_VLASTNIK, IDD_BASE, IDD_BASE_P2, IDD_BASE_B, IDD_BASE_TE, IDD_BASE_TYP, IDD_VYSLEDKY, IDD_WALL_K, IDD_NAZEV_SKLADBY})
    {
        const std::string path = Folder() + "/dialog-" + std::to_string(id) + ".png";
        ASSERT_TRUE(DialogShot::RenderTemplate(id, path)) << id;
        EXPECT_FALSE(QImage(QString::fromStdString(path)).isNull());
    }
    ASSERT_TRUE(Start());
    m_frame->MoveWindow(0, 0, 1000, 640);
    UiTest::ProcessEvents(50);
    QImage frame = m_frame->MainWindow()->grab().toImage();
    // The start picture is a window of its own over the frame.
    if (CSplashWnd* picture = CSplashWnd::Current())
    {
        CRect frameRect;
        CRect pictureRect;
        m_frame->GetWindowRect(&frameRect);
        picture->GetWindowRect(&pictureRect);
        QPainter painter(&frame);
        painter.drawImage(pictureRect.left - frameRect.left, pictureRect.top - frameRect.top,
                          picture->GetWidget()->grab().toImage());
    }
    ASSERT_TRUE(frame.save(QString::fromStdString(Folder() + "/main-window.png")));

    for (int page = 0; page < 4; ++page)
    {
        ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [page](CDialog& dialog) {
            static_cast<CPropertySheet&>(dialog).SetActivePage(page);
            UiTest::ProcessEvents();
            const std::string path = Folder() + "/settings-page-" + std::to_string(page + 1) + ".png";
            EXPECT_TRUE(DialogShot::Render(dialog, path));
            return IDCANCEL;
        });
        m_frame->RunSettings(page);
    }
}

// The frame line and title of every group box keep clear of the controls the template places in
// and around it: the title band is the font's height, the line runs through its middle.
TEST_F(PicturesTest, GroupBoxLinesAndTitlesCrossNoControl)
{
    for (UINT id : {IDD_BASE, IDD_ROOM, IDD_WALL, IDD_WALL_TI_VEDL, IDD_PARAM_SOUST_TYP_A, IDD_NASTAV_VYPOCET_PODL,
                    IDD_PRIPOJENI_TELESA, IDD_NASTAVENI_CEST, IDD_NASTAVENI_APLIKACE, IDD_NASTAVENI_SOBREL,
                    IDD_NASTAVENI_VLASTNIK})
    {
        SCOPED_TRACE(id);
        CWnd host;
        CDialog dialog(id);
        const DialogTemplate* t = UiResources::FindDialog(id);
        ASSERT_NE(t, nullptr);
        if (t->style & WS_CHILD)
        {
            host.CreateEx(0, "KalvenrodDialogShot", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
            ASSERT_TRUE(dialog.CreateAsChild(&host));
        }
        else
            ASSERT_TRUE(dialog.Create(id));
        const QList<QWidget*> controls = dialog.GetWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* widget : controls)
        {
            auto* group = dynamic_cast<GroupBoxWidget*>(widget);
            if (!group || group->isHidden())
                continue;
            const QRect box = group->geometry();
            const int line = box.top() + group->FrameTop();
            const QRect title = group->TitleRect().translated(box.topLeft());
            for (QWidget* other : controls)
            {
                if (other == group || other->isHidden() || dynamic_cast<GroupBoxWidget*>(other))
                    continue;
                const QRect control = other->geometry();
                const bool acrossLine = control.top() <= line && control.bottom() >= line &&
                                        control.right() >= box.left() && control.left() <= box.right();
                EXPECT_FALSE(acrossLine) << group->title().toStdString() << ": line at " << line << " crosses "
                                         << other->metaObject()->className() << " at " << control.top();
                EXPECT_FALSE(!title.isEmpty() && control.intersects(title))
                    << group->title().toStdString() << ": title over " << other->metaObject()->className();
            }
        }
        dialog.DestroyWindow();
    }
}

// The picture mode starts as the program does: the profile's folders, the catalogues beside the
// program and the sample project, so that its pickers show catalogue rows; it writes nothing to
// the profile. Where the settings name a folder without the catalogue the pickers stay empty.
TEST(DialogPicturesTest, PickersShowTheCatalogueRowsOfANormalStart)
{
    QTemporaryDir home;
    const auto render = [&](const QString& name, const QString& dataFolder) {
        const QString config = home.filePath(name + "-config");
        QDir().mkpath(config);
        if (!dataFolder.isEmpty())
        {
            QDir().mkpath(config + "/Kolp");
            QFile ini(config + "/Kolp/kalvenrod.ini");
            EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write(("[Settings]\nPathData=" + dataFolder + "\n").toUtf8());
        }
        const QString folder = home.filePath(name);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", config);
        environment.insert("XDG_DATA_HOME", home.filePath(name + "-data"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KALVENROD_BIN_DIR "/Mekr"), {"--render-dialogs", folder});
        EXPECT_TRUE(program.waitForFinished(120000));
        EXPECT_EQ(program.exitCode(), 0);
        if (dataFolder.isEmpty()) // nothing written to a fresh profile
            EXPECT_TRUE(QDir(config).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        return folder;
    };
    QDir().mkpath(home.filePath("bez-katalogu"));
    const QString shipped = render("obrazky", "");
    const QString empty = render("obrazky-bez-katalogu", home.filePath("bez-katalogu"));
    for (UINT id : {IDD_BASE_TE, IDD_WALL_K, IDD_WINDOW_K, IDD_WINDOW_OT, IDD_ROOM_TE, IDD_WINDOW_I, IDD_DATA_GRID})
    {
        const QString file = "/dialog-" + QString::number(id) + ".png";
        const QImage withCatalogue(shipped + file);
        ASSERT_FALSE(withCatalogue.isNull()) << id;
        EXPECT_NE(withCatalogue, QImage(empty + file)) << id;
    }
}
} // namespace
