#include "app/ShellLauncher.h"

#include "platform/core/FileOps.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace
{
ShellLauncher::AddressOpener& Opener()
{
    static ShellLauncher::AddressOpener opener;
    return opener;
}

QString Q(const CString& text)
{
    return QString::fromUtf8(text.GetString());
}

bool OpenOnDesktop(const CString& address)
{
    const QString text = Q(address);
    QUrl url(text);
    if (url.scheme().isEmpty() || url.scheme().size() == 1)
    {
        const QString path = QFileInfo(text).isRelative()
                                 ? QDir(QString::fromStdString(FileOps::ProgramFolder())).filePath(text)
                                 : text;
        url = QUrl::fromLocalFile(path);
    }
    return QDesktopServices::openUrl(url);
}
} // namespace

bool ShellLauncher::StartProgram(const CString& program, const std::vector<CString>& arguments, const CString& folder)
{
    QStringList list;
    for (const CString& argument : arguments)
        list << Q(argument);
    return QProcess::startDetached(Q(program), list, Q(folder));
}

bool ShellLauncher::OpenAddress(const CString& address)
{
    return Opener() ? Opener()(address) : OpenOnDesktop(address);
}

void ShellLauncher::SetAddressOpener(AddressOpener opener)
{
    Opener() = std::move(opener);
}
