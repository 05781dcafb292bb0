// Pictures of the program's dialogs, the settings sheet and the main window for a person to
// look at: written into the tests' folder mekr-pictures.
#include "MekrFixture.h"

#include "app/CSplashWnd.h"
#include "app/MekrIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
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
} // namespace
