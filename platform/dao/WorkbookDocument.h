#pragma once

#include "platform/core/FileOps.h"
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
// The last few documents stay in memory after their last database object closed: the next
// open of a file whose stamp did not change takes the workbook as it was read, or as it was
// written (read again from the bytes written, as a read of the file would give it).
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

    // The writes of the file at a path kept in memory, then written (HeldWorkbook).
    static void Hold(const std::string& path);
    static void WriteHeld(const std::string& path);
    static void Release(const std::string& path);

    explicit WorkbookDocument(std::string path) : path_(std::move(path)) {}

private:
    using Bytes = std::vector<std::uint8_t>;
    void Load(std::shared_ptr<const Bytes> content);
    bool ChangedOnDisk();
    // A document no database object holds, taken for a new one: true when the file is still
    // the one read or written here and nothing is left unwritten.
    bool TakeAgain(const std::optional<FileOps::Stamp>& now);

    std::string path_;
    workbook::Workbook book_;
    std::optional<FileOps::Stamp> stamp_;
    // The file's content as last read or written here: what a change on disk is compared with.
    std::shared_ptr<const Bytes> content_;
    // The workbook is the one written from memory, not yet as a read of its file gives it.
    bool writtenFromMemory_ = false;
    // Its content was written while the file was held, and not into the file yet.
    bool heldUnwritten_ = false;
    std::map<std::string, std::vector<Field>> declared_;
    std::uint64_t revision_ = 0;
    int writers_ = 0;
    bool modified_ = false;
};

} // namespace jet
