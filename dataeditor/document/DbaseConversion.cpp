#include "dataeditor/document/DbaseConversion.h"

#include "datalib/CData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace
{
QString MemoOf(const QString& table) { return table.left(table.lastIndexOf(u'.')) + QStringLiteral(".dbt"); }

bool CopyTable(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        return false;
    const QString memo = MemoOf(from);
    if (QFile::exists(memo))
        return QFile::copy(memo, MemoOf(to));
    QFileInfo upper(from.left(from.lastIndexOf(u'.')) + QStringLiteral(".DBT"));
    return !upper.exists() || QFile::copy(upper.filePath(), MemoOf(to));
}

void RemoveTable(const QString& table)
{
    QFile::remove(table);
    QFile::remove(MemoOf(table));
}
} // namespace

CString ConvertDbaseFile(CData& data, const CString& source, const CString& switches, const CString& converter,
                         int timeoutMs)
{
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/sobrel-dbase-XXXXXX"));
    if (!work.isValid())
        return CString();
    const QDir folder(work.path());
    int n = 0;
    while (QFile::exists(folder.filePath(QStringLiteral("%1.dbf").arg(n))))
        ++n;
    const QString inputName = QStringLiteral("%1.dbf").arg(n);
    int m = n + 1;
    while (QFile::exists(folder.filePath(QStringLiteral("%1.dbf").arg(m))))
        ++m;
    const QString number = QString::number(m);
    const QString outputName = number + QStringLiteral(".dbf");
    const QString sourcePath = QString::fromUtf8(LPCTSTR(source));
    const QString converterPath = QString::fromUtf8(LPCTSTR(converter));

    if (QFileInfo(converterPath).isExecutable())
    {
        if (!CopyTable(sourcePath, folder.filePath(inputName)))
            return CString();
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(converterPath, {QString::fromUtf8(LPCTSTR(switches)), inputName, outputName});
        if (process.waitForStarted() && !process.waitForFinished(timeoutMs))
        {
            process.kill();
            process.waitForFinished();
            return CString();
        }
        if (!QFile::exists(folder.filePath(outputName)) &&
            !CopyTable(folder.filePath(inputName), folder.filePath(outputName)))
            return CString();
        RemoveTable(folder.filePath(inputName));
    }
    else if (!CopyTable(sourcePath, folder.filePath(outputName)))
        return CString();

    data.Close();
    if (!data.Open(work.path().toUtf8().constData(), "dBASE III;Database=" + CString(number.toUtf8().constData()), 0,
                   0))
        return CString();
    if (!data.OpenTable(number.toUtf8().constData(), "", 0))
    {
        data.Close();
        return CString();
    }
    work.setAutoRemove(false);
    return CString(folder.filePath(outputName).toUtf8().constData());
}

void RemoveConvertedFile(const CString& converted)
{
    const QString table = QString::fromUtf8(LPCTSTR(converted));
    RemoveTable(table);
    QDir().rmdir(QFileInfo(table).absolutePath());
}
