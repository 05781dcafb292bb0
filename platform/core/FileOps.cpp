#include "platform/core/FileOps.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0)
    {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

bool CopyContents(const char* from, const char* to)
{
    const int in = ::open(from, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool ok = out >= 0;
    char buffer[65536];
    while (ok)
    {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
        {
            ok = n == 0;
            break;
        }
        ok = WriteAll(out, buffer, std::size_t(n));
    }
    ::close(in);
    if (out >= 0 && ::close(out) != 0)
        ok = false;
    return ok;
}

// The file a path names after its symbolic links are followed (the path itself when it is none).
std::string LinkTarget(const std::string& path)
{
    std::string resolved = path;
    for (int hops = 0; hops < 40; ++hops)
    {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(resolved.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0)
            break;
        const std::string link(buffer, std::size_t(n));
        resolved = link.front() == '/' ? link : FolderOf(resolved) + "/" + link;
    }
    return resolved;
}

// The temporary files of a path: ".<name>.XXXXXX" beside it.
std::string TemporaryPattern(const std::string& path)
{
    return FolderOf(path) + "/." + NameOf(path) + ".XXXXXX";
}

// Removes the temporary files of the path that no running save holds (their writer died).
void RemoveStaleTemporaries(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string prefix = "." + NameOf(path) + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir))
    {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string stale = folder + "/" + name;
        const int fd = ::open(stale.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(stale.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

// The new file keeps the old one's mode and owner, or gets the usual mode of a new file.
void KeepModeAndOwner(const std::string& temporary, const struct stat* old)
{
    if (old)
    {
        ::chmod(temporary.c_str(), old->st_mode & 07777);
        // Only root may give the file to another owner; a user who is a member of the old
        // group keeps at least the group. Otherwise the saver owns the new file.
        if (::chown(temporary.c_str(), old->st_uid, old->st_gid) != 0)
            (void)::chown(temporary.c_str(), static_cast<uid_t>(-1), old->st_gid);
        // chown may clear the set-id bits: the mode once more.
        ::chmod(temporary.c_str(), old->st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary.c_str(), 0666 & ~mask);
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
    {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

DWORD GetFileAttributes(const char* path)
{
    struct stat st;
    if (!path || ::stat(path, &st) != 0)
        return INVALID_FILE_ATTRIBUTES;
    DWORD attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (!(st.st_mode & S_IWUSR))
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (NameOf(path).rfind('.', 0) == 0)
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL SetFileAttributes(const char* path, DWORD attributes)
{
    struct stat st;
    if (!path || ::stat(path, &st) != 0)
        return FALSE;
    mode_t mode = st.st_mode & 07777;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        mode &= ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH);
    else if (!(mode & S_IWUSR))
    {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode |= (S_IWUSR | S_IWGRP | S_IWOTH) & ~mask;
    }
    return ::chmod(path, mode) == 0;
}

BOOL CopyFile(const char* from, const char* to, BOOL failIfExists)
{
    if (!from || !to || !FileOps::Exists(from) || FileOps::IsDirectory(from))
        return FALSE;
    if (failIfExists && FileOps::Exists(to))
        return FALSE;
    return FileOps::ReplaceAtomically(to,
                                      [&](const char* temporary) { return CopyContents(from, temporary); });
}

BOOL MoveFile(const char* from, const char* to)
{
    return MoveFileEx(from, to, 0);
}

BOOL MoveFileEx(const char* from, const char* to, DWORD flags)
{
    if (!from || !to || !FileOps::Exists(from))
        return FALSE;
    if (FileOps::Exists(to) && (!(flags & MOVEFILE_REPLACE_EXISTING) || FileOps::IsReadOnly(to)))
        return FALSE;
    if (::rename(from, to) == 0)
    {
        SyncFolder(FolderOf(to));
        return TRUE;
    }
    if (errno != EXDEV || !(flags & MOVEFILE_COPY_ALLOWED))
        return FALSE;
    return CopyFile(from, to, FALSE) && ::unlink(from) == 0;
}

BOOL DeleteFile(const char* path)
{
    if (!path || !FileOps::Exists(path) || FileOps::IsDirectory(path) || FileOps::IsReadOnly(path))
        return FALSE;
    return ::unlink(path) == 0;
}

BOOL CreateDirectory(const char* path, void*)
{
    return path && ::mkdir(path, 0777) == 0;
}

namespace FileOps
{
bool Exists(const char* path)
{
    struct stat st;
    return path && ::stat(path, &st) == 0;
}

bool IsDirectory(const char* path)
{
    struct stat st;
    return path && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsReadOnly(const char* path)
{
    const DWORD attributes = GetFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::optional<Stamp> StampOf(const char* path)
{
    struct stat st;
    if (!path || ::stat(path, &st) != 0)
        return std::nullopt;
    const auto ns = [](const timespec& t) { return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return Stamp{static_cast<std::int64_t>(st.st_size), ns(st.st_mtim), ns(st.st_ctim),
                 static_cast<std::uint64_t>(st.st_ino), static_cast<std::uint64_t>(st.st_dev)};
}

std::string ProgramFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    return FolderOf(std::string(buffer, std::size_t(n)));
}

bool SyncFile(const char* path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool ReplaceAtomically(const char* target, const std::function<bool(const char* temporaryPath)>& write,
                       int* osError)
{
    const auto fail = [osError](int error)
    {
        if (osError)
            *osError = error;
        return false;
    };
    if (!target || !*target)
        return fail(ENOENT);
    const std::string path = LinkTarget(target);
    if (IsDirectory(path.c_str()))
        return fail(EISDIR);
    if (IsReadOnly(path.c_str()))
        return fail(EACCES);
    RemoveStaleTemporaries(path);
    std::string temporary = TemporaryPattern(path);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    // The lock tells a save in progress from the remains of a killed one; it dies with its process.
    ::flock(fd, LOCK_EX);
    struct stat old;
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    errno = 0;
    int error = 0;
    if (!write(temporary.c_str()))
        error = errno ? errno : EIO;
    else if (!SyncFile(temporary.c_str()))
        error = errno ? errno : EIO;
    if (error == 0)
    {
        KeepModeAndOwner(temporary, replacing ? &old : nullptr);
        struct stat own;
        if (::fstat(fd, &own) != 0 || own.st_nlink == 0)
            error = ENOENT; // taken away meanwhile
        else if (::rename(temporary.c_str(), path.c_str()) != 0)
            error = errno;
    }
    if (error != 0)
        ::unlink(temporary.c_str());
    else
        SyncFolder(FolderOf(path));
    ::close(fd);
    return error == 0 || fail(error);
}

bool WriteAtomically(const char* target, std::string_view bytes, int* osError)
{
    return ReplaceAtomically(
        target,
        [&](const char* temporary)
        {
            const int fd = ::open(temporary, O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (fd < 0)
                return false;
            const bool written = WriteAll(fd, bytes.data(), bytes.size());
            const int writeError = errno;
            const bool closed = ::close(fd) == 0;
            if (!written)
                errno = writeError;
            return closed && written;
        },
        osError);
}
} // namespace FileOps
