#include "platform/dao/WorkbookFile.h"

#include "platform/dao/BiffWorkbookReader.h"
#include "platform/dao/BiffWorkbookWriter.h"
#include "platform/dao/CompoundFile.h"
#include "platform/dao/LargeBlockResource.h"
#include "platform/dao/WorkbookError.h"

#include "platform/core/CFileException.h"
#include "platform/core/FileOps.h"

#include <QFile>
#include <QString>

#include <algorithm>
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

namespace
{
// Reads a whole file into the bytes (any vector of bytes).
template <class Bytes> void ReadInto(const std::string& path, Bytes& bytes)
{
    QFile file(ToQString(path));
    if (!file.exists())
        throw WorkbookError("Soubor " + path + " neexistuje.");
    if (!file.open(QIODevice::ReadOnly))
        throw WorkbookError("Soubor " + path + " nelze otevřít pro čtení.");
    // Straight into the vector, without a second buffer: a workbook may be large.
    bytes.resize(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)));
    std::size_t done = 0;
    qint64 read = 1;
    while (done < bytes.size() && read > 0)
    {
        read = file.read(reinterpret_cast<char*>(bytes.data() + done), static_cast<qint64>(bytes.size() - done));
        done += static_cast<std::size_t>(std::max<qint64>(read, 0));
    }
    bytes.resize(done);
    // What a file that grew meanwhile holds beyond its size at the start.
    char more[1 << 14];
    while (read > 0 && (read = file.read(more, sizeof more)) > 0)
        bytes.insert(bytes.end(), more, more + read);
    if (read < 0)
        throw WorkbookError("Soubor " + path + " nelze přečíst.");
}
} // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    ReadInto(path, bytes);
    return bytes;
}

Workbook ReadWorkbook(const std::string& path)
{
    std::pmr::vector<std::uint8_t> bytes(LargeBlockResource::Instance());
    ReadInto(path, bytes);
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
