#include "platform/dao/WorkbookFile.h"

#include "platform/dao/BiffWorkbookReader.h"
#include "platform/dao/BiffWorkbookWriter.h"
#include "platform/dao/CompoundFile.h"
#include "platform/dao/WorkbookError.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace workbook
{

namespace
{
QString ToQString(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}
} // namespace

Workbook ReadWorkbookFromBytes(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> stream = CompoundFile::ReadWorkbookStream(data, size);
    return BiffWorkbookReader::Read(stream.data(), stream.size());
}

Workbook ReadWorkbook(const std::string& path)
{
    QFile file(ToQString(path));
    if (!file.exists())
        throw WorkbookError("Soubor " + path + " neexistuje.");
    if (!file.open(QIODevice::ReadOnly))
        throw WorkbookError("Soubor " + path + " nelze otevřít pro čtení.");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw WorkbookError("Soubor " + path + " nelze přečíst.");
    return ReadWorkbookFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size()));
}

std::vector<std::uint8_t> WorkbookToBytes(const Workbook& book)
{
    return CompoundFile::WrapWorkbookStream(BiffWorkbookWriter::Write(book));
}

void WriteWorkbook(const Workbook& book, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = WorkbookToBytes(book);
    QSaveFile file(ToQString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw WorkbookError("Soubor " + path + " nelze zapsat: " + file.errorString().toStdString());
    const qint64 written = file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // A full disk shows only when the buffer goes out, and commit would not notice it.
    const bool flushed = written == static_cast<qint64>(bytes.size()) && file.flush();
    if (!flushed)
        file.cancelWriting();
    if (!flushed || !file.commit())
        throw WorkbookError("Soubor " + path + " nelze zapsat: " + file.errorString().toStdString());
}

} // namespace workbook
