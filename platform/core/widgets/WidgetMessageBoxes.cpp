#include "platform/core/widgets/WidgetMessageBoxes.h"

#include "platform/core/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <utility>
#include <vector>

namespace
{
QMessageBox::Icon IconOf(UINT icon)
{
    switch (icon)
    {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The buttons of a box in their order, each with the answer it gives.
std::vector<std::pair<QMessageBox::StandardButton, int>> ButtonsOf(UINT buttons)
{
    switch (buttons)
    {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {
            {QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

int Present(const MessageBoxRequest& request)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() == QLatin1String("offscreen"))
    {
        std::fprintf(stderr, "[%s] %s\n", request.caption.GetString(), request.text.GetString());
        return request.DefaultAnswer();
    }
    QMessageBox box(IconOf(request.Icon()), QString::fromUtf8(request.caption.GetString()),
                    QString::fromUtf8(request.text.GetString()), QMessageBox::NoButton,
                    QApplication::activeWindow());
    const auto buttons = ButtonsOf(request.Buttons());
    const int defaultAnswer = request.DefaultAnswer();
    for (const auto& [button, answer] : buttons)
    {
        box.addButton(button);
        if (answer == defaultAnswer)
            box.setDefaultButton(button);
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& [button, answer] : buttons)
        if (button == clicked)
            return answer;
    // Closed by Escape or the window's close button: Cancel where there is one.
    for (const auto& [button, answer] : buttons)
        if (answer == IDCANCEL)
            return IDCANCEL;
    return buttons.size() == 1 ? buttons.front().second : IDNO;
}
} // namespace

void InstallWidgetMessageBoxes()
{
    MessageBoxes::SetPresenter(Present);
}
