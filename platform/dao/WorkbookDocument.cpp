#include "platform/dao/WorkbookDocument.h"

#include "platform/dao/JetError.h"
#include "platform/dao/WorkbookError.h"
#include "platform/dao/WorkbookFile.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QString>

#include <sys/stat.h>

namespace jet
{

namespace
{

std::map<std::string, std::weak_ptr<WorkbookDocument>>& Registry()
{
    static std::map<std::string, std::weak_ptr<WorkbookDocument>> documents;
    return documents;
}

std::string CanonicalPath(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical.toStdString();
    // A file not made yet: its folder's canonical path and its name.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absoluteFilePath() : folder + "/" + info.fileName()).toStdString();
}

std::string DigestOf(const std::vector<std::uint8_t>& bytes)
{
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Blake2b_256)
        .toStdString();
}

std::string Lower(const std::string& text)
{
    return QString::fromStdString(text).toLower().toStdString();
}

} // namespace

std::optional<WorkbookDocument::DiskStamp> WorkbookDocument::StampOf(const std::string& path)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    const auto ns = [](const timespec& t) { return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return DiskStamp{static_cast<std::int64_t>(status.st_size), ns(status.st_mtim), ns(status.st_ctim),
                     static_cast<std::uint64_t>(status.st_ino)};
}

std::shared_ptr<WorkbookDocument> WorkbookDocument::Acquire(const std::string& path, bool mayCreate)
{
    const std::string key = CanonicalPath(path);
    if (auto shared = Registry()[key].lock())
        return shared;
    auto document = std::make_shared<WorkbookDocument>(key);
    document->stamp_ = StampOf(key);
    if (document->stamp_)
    {
        try
        {
            const std::vector<std::uint8_t> bytes = workbook::ReadFileBytes(key);
            document->digest_ = DigestOf(bytes);
            document->book_ = workbook::ReadWorkbookFromBytes(bytes.data(), bytes.size());
        }
        catch (const workbook::WorkbookError& error)
        {
            throw JetError(kErrUnrecognizedFormat, error.what());
        }
    }
    else if (!mayCreate)
        throw JetError(kErrFileNotFound, "Soubor " + path + " nebyl nalezen.");
    Registry()[key] = document;
    return document;
}

// Another program changed the file since it was read or written here: its stamp differs and
// so does its content (a bare touch or chmod changes only the stamp).
bool WorkbookDocument::ChangedOnDisk()
{
    const std::optional<DiskStamp> now = StampOf(path_);
    if (!stamp_ || !now || *now == *stamp_)
        return false;
    try
    {
        if (DigestOf(workbook::ReadFileBytes(path_)) != digest_)
            return true;
    }
    catch (const workbook::WorkbookError&)
    {
        return true;
    }
    stamp_ = now;
    return false;
}

void WorkbookDocument::Touch()
{
    modified_ = true;
    ++revision_;
}

void WorkbookDocument::ReleaseWriter()
{
    if (writers_ > 0)
        --writers_;
    if (writers_ == 0 && modified_)
        Save();
}

void WorkbookDocument::Save()
{
    if (!modified_)
        return;
    if (ChangedOnDisk())
        throw JetError(kErrFileChanged, "Soubor " + path_ +
                                            " byl mezitím změněn jiným programem; změny nelze uložit, "
                                            "aby se jeho obsah nepřepsal.");
    const std::vector<std::uint8_t> bytes = workbook::WorkbookToBytes(book_);
    try
    {
        workbook::WriteFileBytes(bytes, path_);
    }
    catch (const workbook::WorkbookError& error)
    {
        throw JetError(kErrDiskIo, error.what());
    }
    stamp_ = StampOf(path_);
    digest_ = DigestOf(bytes);
    modified_ = false;
}

void WorkbookDocument::DiscardChanges()
{
    if (!modified_)
        return;
    workbook::Workbook book;
    if (stamp_)
    {
        try
        {
            book = workbook::ReadWorkbook(path_);
        }
        catch (const workbook::WorkbookError& error)
        {
            throw JetError(kErrUnrecognizedFormat, error.what());
        }
    }
    book_ = std::move(book);
    declared_.clear();
    modified_ = false;
    ++revision_;
}

const std::vector<Field>* WorkbookDocument::DeclaredFields(const std::string& sheet) const
{
    const auto found = declared_.find(Lower(sheet));
    return found == declared_.end() ? nullptr : &found->second;
}

void WorkbookDocument::Declare(const std::string& sheet, std::vector<Field> fields)
{
    declared_[Lower(sheet)] = std::move(fields);
}

void WorkbookDocument::ForgetDeclared(const std::string& sheet)
{
    declared_.erase(Lower(sheet));
}

} // namespace jet
