#pragma once

#include "platform/dao/JetField.h"
#include "platform/dao/Workbook.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jet
{

// One workbook file in memory, shared by every database object of the process that opened it
// (keyed by the canonical path). Changes stay in memory; the file is written when the last
// writer closes, once, atomically, and never over a file that changed on disk meanwhile.
class WorkbookDocument
{
public:
    // The shared document of a path. A missing file is an error (3024) unless mayCreate,
    // in which case the document starts empty and the file appears when it is first written.
    static std::shared_ptr<WorkbookDocument> Acquire(const std::string& path, bool mayCreate);

    const std::string& Path() const { return path_; }
    workbook::Workbook& Book() { return book_; }

    // Every change goes through here: it marks the document modified and moves the revision on.
    void Touch();
    std::uint64_t Revision() const { return revision_; }
    bool IsModified() const { return modified_; }

    // Writers: each database opened for writing counts; the last one out writes the file.
    void AddWriter() { ++writers_; }
    // Returns after writing the file when this was the last writer and something changed.
    void ReleaseWriter();

    // Types declared by CreateTable in this session, by sheet name.
    const std::vector<Field>* DeclaredFields(const std::string& sheet) const;
    void Declare(const std::string& sheet, std::vector<Field> fields);
    void ForgetDeclared(const std::string& sheet);

    // Writes the file now (atomically) when modified.
    void Save();
    // Back to what the file holds (an empty workbook when there is no file yet), unmodified.
    void DiscardChanges();

    explicit WorkbookDocument(std::string path) : path_(std::move(path)) {}

private:
    // What tells that a file changed: an atomic replacement gives a new inode, a write in
    // place a new modification time (nanoseconds).
    struct DiskStamp
    {
        std::int64_t size = -1;
        std::int64_t modifiedNs = 0;
        std::int64_t changedNs = 0;
        std::uint64_t inode = 0;
        bool operator==(const DiskStamp&) const = default;
    };
    static std::optional<DiskStamp> StampOf(const std::string& path);
    bool ChangedOnDisk();

    std::string path_;
    workbook::Workbook book_;
    std::optional<DiskStamp> stamp_;
    std::string digest_; // of the file's content as last read or written here
    std::map<std::string, std::vector<Field>> declared_;
    std::uint64_t revision_ = 0;
    int writers_ = 0;
    bool modified_ = false;
};

} // namespace jet
