#include "platform/dao/WorkbookDocument.h"

#include "platform/dao/JetError.h"
#include "platform/dao/WorkbookError.h"
#include "platform/dao/WorkbookFile.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <deque>

namespace jet
{

namespace
{

std::map<std::string, std::weak_ptr<WorkbookDocument>>& Registry()
{
    static std::map<std::string, std::weak_ptr<WorkbookDocument>> documents;
    return documents;
}

// The documents used last, most recent first; they stay in memory for the next open.
// Never destroyed: a workbook's memory may outlive the program's static objects.
constexpr std::size_t kKeptDocuments = 8;
std::deque<std::shared_ptr<WorkbookDocument>>& Kept()
{
    static auto* kept = new std::deque<std::shared_ptr<WorkbookDocument>>;
    return *kept;
}

bool IsKept(const std::shared_ptr<WorkbookDocument>& document)
{
    return std::find(Kept().begin(), Kept().end(), document) != Kept().end();
}

void Keep(const std::shared_ptr<WorkbookDocument>& document)
{
    std::deque<std::shared_ptr<WorkbookDocument>>& kept = Kept();
    const auto found = std::find(kept.begin(), kept.end(), document);
    if (found != kept.end())
        kept.erase(found);
    kept.push_front(document);
    if (kept.size() > kKeptDocuments)
        kept.pop_back();
}

void Forget(const std::shared_ptr<WorkbookDocument>& document)
{
    std::deque<std::shared_ptr<WorkbookDocument>>& kept = Kept();
    kept.erase(std::remove(kept.begin(), kept.end(), document), kept.end());
}

// The paths held, each with its document once it has one: a held document stays in memory.
std::map<std::string, std::shared_ptr<WorkbookDocument>>& Held()
{
    static auto* held = new std::map<std::string, std::shared_ptr<WorkbookDocument>>;
    return *held;
}

bool IsHeld(const std::string& key)
{
    return Held().count(key) > 0;
}

// Some database object or record set holds it (besides the list of kept documents, its hold
// and the caller's own reference).
bool InUse(const std::string& key, const std::shared_ptr<WorkbookDocument>& document)
{
    const bool pinned = IsHeld(key) && Held()[key] == document;
    return document.use_count() > 1 + (IsKept(document) ? 1 : 0) + (pinned ? 1 : 0);
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

std::string Lower(const std::string& text)
{
    return QString::fromStdString(text).toLower().toStdString();
}

} // namespace

std::shared_ptr<WorkbookDocument> WorkbookDocument::Acquire(const std::string& path, bool mayCreate)
{
    const std::string key = CanonicalPath(path);
    const std::optional<FileOps::Stamp> stamp = FileOps::StampOf(key.c_str());
    if (auto shared = Registry()[key].lock())
    {
        if (InUse(key, shared) || shared->TakeAgain(stamp))
        {
            Keep(shared);
            if (IsHeld(key))
                Held()[key] = shared;
            return shared;
        }
        Forget(shared);
    }
    auto document = std::make_shared<WorkbookDocument>(key);
    document->stamp_ = stamp;
    if (document->stamp_)
    {
        try
        {
            document->Load(std::make_shared<const Bytes>(workbook::ReadFileBytes(key)));
        }
        catch (const workbook::WorkbookError& error)
        {
            throw JetError(kErrUnrecognizedFormat, error.what());
        }
    }
    else if (!mayCreate)
        throw JetError(kErrFileNotFound, "Soubor " + path + " nebyl nalezen.");
    Registry()[key] = document;
    Keep(document);
    if (IsHeld(key))
        Held()[key] = document;
    return document;
}

// The workbook as a read of a file of this content gives it. Throws WorkbookError.
void WorkbookDocument::Load(std::shared_ptr<const Bytes> content)
{
    book_ = workbook::ReadWorkbookFromBytes(content->data(), content->size());
    content_ = std::move(content);
    writtenFromMemory_ = false;
    declared_.clear();
}

bool WorkbookDocument::TakeAgain(const std::optional<FileOps::Stamp>& now)
{
    if (modified_ || writers_ > 0 || !content_ || now != stamp_ || (!stamp_ && !heldUnwritten_))
        return false;
    try
    {
        if (writtenFromMemory_)
            Load(content_);
    }
    catch (const workbook::WorkbookError&)
    {
        return false;
    }
    declared_.clear();
    ++revision_;
    return true;
}

// Another program changed the file since it was read or written here: its stamp differs and
// so does its content (a bare touch or chmod changes only the stamp).
bool WorkbookDocument::ChangedOnDisk()
{
    const std::optional<FileOps::Stamp> now = FileOps::StampOf(path_.c_str());
    if (!stamp_ || !now || *now == *stamp_)
        return false;
    try
    {
        if (!content_ || workbook::ReadFileBytes(path_) != *content_)
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
    auto bytes = std::make_shared<const Bytes>(workbook::WorkbookToBytes(book_));
    if (IsHeld(path_))
    {
        content_ = std::move(bytes);
        writtenFromMemory_ = true;
        heldUnwritten_ = true;
        modified_ = false;
        return;
    }
    try
    {
        workbook::WriteFileBytes(*bytes, path_);
    }
    catch (const workbook::WorkbookError& error)
    {
        throw JetError(kErrDiskIo, error.what());
    }
    stamp_ = FileOps::StampOf(path_.c_str());
    content_ = std::move(bytes);
    writtenFromMemory_ = true;
    heldUnwritten_ = false;
    modified_ = false;
}

void WorkbookDocument::Hold(const std::string& path)
{
    const std::string key = CanonicalPath(path);
    Held()[key] = Registry()[key].lock();
}

void WorkbookDocument::WriteHeld(const std::string& path)
{
    const std::string key = CanonicalPath(path);
    const std::shared_ptr<WorkbookDocument> document = Registry()[key].lock();
    Held().erase(key);
    if (!document)
        return;
    if (document->modified_)
    {
        document->Save();
        return;
    }
    if (!document->heldUnwritten_)
        return;
    try
    {
        workbook::WriteFileBytes(*document->content_, key);
    }
    catch (const workbook::WorkbookError& error)
    {
        throw JetError(kErrDiskIo, error.what());
    }
    document->stamp_ = FileOps::StampOf(key.c_str());
    document->heldUnwritten_ = false;
}

// What was not written is forgotten: no later open takes it.
void WorkbookDocument::Release(const std::string& path)
{
    const std::string key = CanonicalPath(path);
    const std::shared_ptr<WorkbookDocument> document = Registry()[key].lock();
    Held().erase(key);
    if (document && document->heldUnwritten_)
    {
        document->content_.reset();
        document->heldUnwritten_ = false;
    }
}

void WorkbookDocument::DiscardChanges()
{
    if (!modified_)
        return;
    try
    {
        if (heldUnwritten_)
            Load(content_);
        else if (!stamp_)
            book_ = workbook::Workbook();
        else
        {
            // What a change on disk is compared with stays the file as read or written here.
            std::shared_ptr<const Bytes> known = content_;
            std::shared_ptr<const Bytes> now = content_;
            if (!now || FileOps::StampOf(path_.c_str()) != stamp_)
                now = std::make_shared<const Bytes>(workbook::ReadFileBytes(path_));
            Load(std::move(now));
            content_ = std::move(known);
        }
    }
    catch (const workbook::WorkbookError& error)
    {
        throw JetError(kErrUnrecognizedFormat, error.what());
    }
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
