#pragma once
// File helpers under the names the system calls, and the one atomic replace that every
// writer of a user's file goes through: a temporary file in the same folder, written,
// flushed to disk, then renamed over the old file. The old file stays intact until the
// new one is complete.

#include "platform/core/WinTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x04;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x01;
constexpr DWORD MOVEFILE_COPY_ALLOWED = 0x02;

// INVALID_FILE_ATTRIBUTES when the path does not exist.
DWORD GetFileAttributes(const char* path);
// Only FILE_ATTRIBUTE_READONLY has an effect.
BOOL SetFileAttributes(const char* path, DWORD attributes);
// Copies a file; over an existing one only when failIfExists is FALSE, atomically.
BOOL CopyFile(const char* from, const char* to, BOOL failIfExists);
// Renames; fails when the target exists.
BOOL MoveFile(const char* from, const char* to);
// With MOVEFILE_REPLACE_EXISTING renames over an existing target (not a read-only one);
// with MOVEFILE_COPY_ALLOWED moves across file systems by an atomic copy and a delete.
BOOL MoveFileEx(const char* from, const char* to, DWORD flags);
// Fails on a read-only file, as on the system the program was written for.
BOOL DeleteFile(const char* path);
BOOL CreateDirectory(const char* path, void* securityAttributes = nullptr);

namespace FileOps
{
bool Exists(const char* path);
bool IsDirectory(const char* path);
bool IsReadOnly(const char* path);

// What tells that a file changed: an atomic replacement gives it a new inode, a write in place
// a new modification and change time (nanoseconds), a rename a new change time.
struct Stamp
{
    std::int64_t size = -1;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    bool operator==(const Stamp&) const = default;
};
// The stamp of a file; nullopt when there is none.
std::optional<Stamp> StampOf(const char* path);
// The folder of the program that runs (no trailing '/').
std::string ProgramFolder();

// Writes a new version of target: write(temporaryPath) fills a temporary file beside target;
// when it returns true the file is flushed to disk, given the old file's mode and owner,
// renamed over target and the folder is flushed. A target that is a symbolic link stands
// for the file it points to, which is the one replaced. On any failure the temporary file
// is removed, target is untouched and false is returned, with the system's error number in
// osError when given. A read-only target is not replaced, whoever runs the program.
// Temporary files that a killed save of the same target left behind are removed first.
bool ReplaceAtomically(const char* target, const std::function<bool(const char* temporaryPath)>& write,
                       int* osError = nullptr);
bool WriteAtomically(const char* target, std::string_view bytes, int* osError = nullptr);
// Flushes a written file to disk.
bool SyncFile(const char* path);
} // namespace FileOps
