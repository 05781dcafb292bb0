#include "platform/dao/WorkbookFile.h"

#include "platform/dao/BiffWorkbookReader.h"
#include "platform/dao/BiffWorkbookWriter.h"
#include "platform/dao/CompoundFile.h"
#include "platform/dao/WorkbookError.h"

#include "platform/core/CFileException.h"
#include "platform/core/FileOps.h"

#include <QFile>
#include <QString>

#include <cstring>

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
    const std::span<const std::uint8_t> whole = CompoundFile::WholeWorkbookStream(data, size);
    if (!whole.empty())
        return BiffWorkbookReader::Read(whole.data(), whole.size());
    const std::vector<std::uint8_t> stream = CompoundFile::ReadWorkbookStream(data, size);
    return BiffWorkbookReader::Read(stream.data(), stream.size());
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    QFile file(ToQString(path));
    if (!file.exists())
        throw WorkbookError("Soubor " + path + " neexistuje.");
    if (!file.open(QIODevice::ReadOnly))
        throw WorkbookError("Soubor " + path + " nelze otevřít pro čtení.");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw WorkbookError("Soubor " + path + " nelze přečíst.");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

Workbook ReadWorkbook(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    return ReadWorkbookFromBytes(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> WorkbookToBytes(const Workbook& book)
{
    return CompoundFile::WrapWorkbookStream(BiffWorkbookWriter::Write(book));
}

void WriteWorkbook(const Workbook& book, const std::string& path)
{
    WriteFileBytes(WorkbookToBytes(book), path);
}

void WriteFileBytes(const std::vector<std::uint8_t>& bytes, const std::string& path)
{
    int error = 0;
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!FileOps::WriteAtomically(path.c_str(), data, &error))
    {
        const CFileException cause(CFileException::OsErrorToException(error), error, path.c_str());
        throw WorkbookError(cause.GetMessageText().str() + " (" + std::strerror(error) + ")");
    }
}

} // namespace workbook
