// The QMessageBox presenter on a platform where boxes really run modally ("minimal"): a timer
// reads the box and clicks one of its buttons; a second timer closes anything left, so that
// no test can hang.
#include "platform/core/MessageBox.h"
#include "platform/core/widgets/WidgetMessageBoxes.h"
#include "testing/ScopedApplication.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace
{
struct Seen
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows one box and answers it by clicking the given button.
int ShowAndClick(UINT type, QMessageBox::StandardButton click, Seen& seen)
{
    QTimer::singleShot(50,
                       [&]
                       {
                           auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                           if (!box)
                               return;
                           seen.title = box->windowTitle();
                           seen.text = box->text();
                           seen.icon = box->icon();
                           seen.buttons = int(box->buttons().size());
                           seen.defaultButton = box->standardButton(box->defaultButton());
                           if (QAbstractButton* b = box->button(click))
                               b->click();
                       });
    QTimer::singleShot(3000,
                       []
                       {
                           if (QWidget* w = QApplication::activeModalWidget())
                               w->close();
                       });
    return MessageBox(nullptr, "Uložit změny v projektu?", "kalvenrod - dotaz", type);
}

TEST(WidgetMessageBoxes, ShowCaptionTextIconAndButtons)
{
    const ScopedApplication application("minimal");
    InstallWidgetMessageBoxes();

    Seen seen;
    EXPECT_EQ(ShowAndClick(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2, QMessageBox::No, seen), IDNO);
    EXPECT_EQ(seen.title, QStringLiteral("kalvenrod - dotaz"));
    EXPECT_EQ(seen.text, QStringLiteral("Uložit změny v projektu?"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, 3);
    EXPECT_EQ(seen.defaultButton, QMessageBox::No);

    Seen stop;
    EXPECT_EQ(ShowAndClick(MB_RETRYCANCEL | MB_ICONSTOP, QMessageBox::Cancel, stop), IDCANCEL);
    EXPECT_EQ(stop.icon, QMessageBox::Critical);
    EXPECT_EQ(stop.buttons, 2);
    EXPECT_EQ(stop.defaultButton, QMessageBox::Retry);
    MessageBoxes::SetPresenter(nullptr);
}
} // namespace
