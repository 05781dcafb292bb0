#include "TestDialogs.h"

#include "platform/ui/DialogShot.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

namespace
{
class DialogShotTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
};
} // namespace

TEST_F(DialogShotTest, PictureHoldsEveryControlAsTheProgramFillsIt)
{
    CDataDialog dialog;
    const QImage picture = DialogShot::Picture(dialog);
    ASSERT_FALSE(picture.isNull());
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_GE(picture.width(), client.Width());
    EXPECT_GT(picture.height(), client.Height()); // the title bar above
    // Every control lies inside the client area where the template put it.
    for (CWnd* c = dialog.GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT))
    {
        CRect r;
        c->GetWindowRect(&r);
        dialog.ScreenToClient(&r);
        EXPECT_TRUE(client.PtInRect(r.TopLeft())) << c->GetDlgCtrlID();
        EXPECT_LE(r.right, client.right) << c->GetDlgCtrlID();
        EXPECT_LE(r.bottom, client.bottom) << c->GetDlgCtrlID();
    }
    // The program's OnInitDialog ran: its combo box holds the places.
    CString name;
    dialog.GetDlgItemText(IDC_NAME, name);
    EXPECT_EQ(name, "Obývací pokoj");
    dialog.DestroyWindow();
}

TEST_F(DialogShotTest, RenderAllWritesAPictureOfEveryTemplate)
{
    QTemporaryDir folder;
    DialogShot::RegisterClass(IDD_DATA, [] { return std::make_unique<CDataDialog>(); });
    const std::vector<std::string> written = DialogShot::RenderAll(folder.path().toStdString());
    ASSERT_GE(written.size(), 4u);
    for (const std::string& path : written)
    {
        QImage image(QString::fromStdString(path));
        EXPECT_FALSE(image.isNull()) << path;
        EXPECT_GT(image.width(), 50) << path;
    }
    // Pictures of the test dialogs beside the test program, for a person to look at.
    DialogShot::RenderAll(std::string(KALVENROD_BIN_DIR) + "/../tests/dialogs");
}
