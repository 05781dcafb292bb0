#include "platform/ui/DialogShot.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiResources.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstring>
#include <iostream>
#include <map>

namespace
{
struct Registered
{
    DialogShot::Factory factory;
    DialogShot::Prepare prepare;
};

std::map<UINT, Registered>& Factories()
{
    static std::map<UINT, Registered> factories;
    return factories;
}

// A plain title bar above the client area, as the window manager would draw it.
QImage WithTitleBar(const QImage& client, const QString& caption, const QFont& font)
{
    const int bar = QFontMetrics(font).height() + 8;
    QImage image(client.width() + 2, client.height() + bar + 1, QImage::Format_ARGB32);
    image.fill(QColor(10, 36, 106));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(6, 0, image.width() - 12, bar), Qt::AlignVCenter | Qt::AlignLeft, caption);
    painter.drawImage(1, bar, client);
    return image;
}
} // namespace

void DialogShot::RegisterClass(UINT templateId, Factory factory, Prepare prepare)
{
    Factories()[templateId] = {std::move(factory), std::move(prepare)};
}

QImage DialogShot::Picture(CDialog& dialog, const Prepare& prepare)
{
    // A child template (a property page) is drawn on a plain window of its size.
    CWnd host;
    const DialogTemplate* t = UiResources::FindDialog(dialog.m_nIDTemplate);
    if (!dialog.m_hWnd && t && (t->style & WS_CHILD))
    {
        host.CreateEx(0, "KalvenrodDialogShot", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
        if (!dialog.CreateAsChild(&host))
            return {};
        CRect r;
        dialog.GetWindowRect(&r);
        host.SetWindowPos(nullptr, 0, 0, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOMOVE);
        dialog.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
        dialog.ShowWindow(SW_SHOWNA);
    }
    if (!dialog.m_hWnd && !dialog.Create(dialog.m_nIDTemplate))
        return {};
    QWidget* widget = dialog.GetWidget()->window();
    widget->setAttribute(Qt::WA_DontShowOnScreen, !widget->isVisible());
    widget->show();
    QCoreApplication::processEvents();
    if (prepare)
    {
        prepare(dialog);
        QCoreApplication::processEvents();
    }
    const QImage client = widget->grab().toImage();
    if (host.m_hWnd)
        return client;
    CString caption;
    dialog.GetWindowText(caption);
    if (dialog.GetStyle() & WS_CHILD || (dialog.GetStyle() & WS_CAPTION) != WS_CAPTION)
        return client;
    QFont font = widget->font();
    font.setBold(true);
    return WithTitleBar(client, QString::fromUtf8(caption.GetString()), font);
}

bool DialogShot::Render(CDialog& dialog, const std::string& pngPath)
{
    const QImage image = Picture(dialog);
    return !image.isNull() && image.save(QString::fromStdString(pngPath), "PNG");
}

bool DialogShot::RenderTemplate(UINT templateId, const std::string& pngPath)
{
    const auto it = Factories().find(templateId);
    const bool registered = it != Factories().end();
    std::unique_ptr<CDialog> dialog = registered ? it->second.factory() : std::make_unique<CDialog>(templateId);
    if (!dialog)
        return false;
    const QImage image = Picture(*dialog, registered ? it->second.prepare : Prepare());
    const bool done = !image.isNull() && image.save(QString::fromStdString(pngPath), "PNG");
    if (dialog->m_hWnd)
        dialog->DestroyWindow();
    return done;
}

std::vector<std::string> DialogShot::RenderAll(const std::string& folder)
{
    std::vector<std::string> written;
    QDir().mkpath(QString::fromStdString(folder));
    for (UINT id : UiResources::DialogIds())
    {
        const std::string path = folder + "/dialog-" + std::to_string(id) + ".png";
        if (RenderTemplate(id, path))
            written.push_back(path);
    }
    return written;
}

const char* DialogShot::RequestedFolder(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--render-dialogs") == 0)
            return argv[i + 1];
    return nullptr;
}

bool DialogShot::RunFromCommandLine(int argc, char** argv)
{
    const char* folder = RequestedFolder(argc, argv);
    if (!folder)
        return false;
    for (const std::string& path : RenderAll(folder))
        std::cout << path << "\n";
    return true;
}
