#include "platform/core/CFile.h"

#include "platform/core/FileOps.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace
{
CString FullPath(const char* path)
{
    char buffer[PATH_MAX];
    return ::realpath(path, buffer) ? CString(buffer) : CString(path);
}
} // namespace

CFile::CFile(const char* path, UINT flags)
{
    CFileException error;
    if (!Open(path, flags, &error))
        throw new CFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    CFile::Abort();
}

BOOL CFile::Open(const char* path, UINT flags, CFileException* error)
{
    Abort();
    auto fail = [&](int osError)
    {
        if (error)
            *error = CFileException(CFileException::OsErrorToException(osError), osError, path);
        return FALSE;
    };
    if (!path || !*path)
        return fail(ENOENT);
    const UINT access = flags & 0x3;
    const bool writing = access == modeWrite || access == modeReadWrite;
    if (writing && FileOps::IsReadOnly(path))
        return fail(EACCES);
    int mode = access == modeWrite ? O_WRONLY : access == modeReadWrite ? O_RDWR : O_RDONLY;
    if (flags & modeCreate)
        mode |= O_CREAT | ((flags & modeNoTruncate) ? 0 : O_TRUNC);
    const int fd = ::open(path, mode | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(errno);
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
    {
        ::close(fd);
        return fail(EISDIR);
    }
    m_fd = fd;
    m_path = path;
    m_flags = flags;
    return TRUE;
}

void CFile::Close()
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        ThrowError(errno);
}

void CFile::Abort()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

UINT CFile::Read(void* buffer, UINT count)
{
    std::size_t done = 0;
    while (done < count)
    {
        const ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowError(errno);
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return UINT(done);
}

void CFile::Write(const void* buffer, UINT count)
{
    std::size_t done = 0;
    while (done < count)
    {
        const ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ThrowError(n < 0 ? errno : ENOSPC);
        done += std::size_t(n);
    }
}

void CFile::Flush()
{
    if (m_fd >= 0 && ::fsync(m_fd) != 0 && errno != EINVAL)
        ThrowError(errno);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    const int whence = from == end ? SEEK_END : from == current ? SEEK_CUR : SEEK_SET;
    const off_t at = ::lseek(m_fd, off_t(offset), whence);
    if (at < 0)
    {
        const int osError = errno;
        throw new CFileException(osError == EINVAL ? CFileException::badSeek
                                                   : CFileException::OsErrorToException(osError),
                                 osError, m_path);
    }
    return ULONGLONG(at);
}

ULONGLONG CFile::GetPosition() const
{
    const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
    return at < 0 ? 0 : ULONGLONG(at);
}

ULONGLONG CFile::GetLength() const
{
    struct stat st;
    return ::fstat(m_fd, &st) == 0 ? ULONGLONG(st.st_size) : 0;
}

void CFile::SetLength(ULONGLONG length)
{
    if (::ftruncate(m_fd, off_t(length)) != 0)
        ThrowError(errno);
}

CString CFile::GetFileName() const
{
    const int slash = std::max(m_path.ReverseFind('/'), m_path.ReverseFind('\\'));
    return m_path.Mid(slash + 1);
}

CString CFile::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

BOOL CFile::GetStatus(CFileStatus& status) const
{
    return GetStatus(m_path, status);
}

BOOL CFile::GetStatus(const char* path, CFileStatus& status)
{
    struct stat st;
    if (!path || ::stat(path, &st) != 0)
        return FALSE;
    status.m_ctime = CTime(st.st_ctime);
    status.m_mtime = CTime(st.st_mtime);
    status.m_atime = CTime(st.st_atime);
    status.m_size = ULONGLONG(st.st_size);
    const DWORD attributes = GetFileAttributes(path);
    status.m_attribute = BYTE(attributes == FILE_ATTRIBUTE_NORMAL ? 0 : attributes);
    status.m_szFullName = FullPath(path);
    return TRUE;
}

void CFile::SetStatus(const char* path, const CFileStatus& status)
{
    if (!FileOps::Exists(path))
        throw new CFileException(CFileException::fileNotFound, ENOENT, path);
    if (status.m_mtime.GetTime() != 0)
    {
        struct timeval times[2];
        times[0].tv_sec = status.m_atime.GetTime() ? status.m_atime.GetTime() : status.m_mtime.GetTime();
        times[0].tv_usec = 0;
        times[1].tv_sec = status.m_mtime.GetTime();
        times[1].tv_usec = 0;
        ::utimes(path, times);
    }
    if (!SetFileAttributes(path,
                           status.m_attribute & readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL))
        throw new CFileException(CFileException::accessDenied, errno, path);
}

void CFile::Rename(const char* oldPath, const char* newPath)
{
    if (!MoveFile(oldPath, newPath))
    {
        const int osError = FileOps::Exists(oldPath) ? EEXIST : ENOENT;
        throw new CFileException(CFileException::OsErrorToException(osError), osError, oldPath);
    }
}

void CFile::Remove(const char* path)
{
    if (!DeleteFile(path))
    {
        const int osError = FileOps::Exists(path) ? EACCES : ENOENT;
        throw new CFileException(CFileException::OsErrorToException(osError), osError, path);
    }
}

void CFile::ThrowError(int osError) const
{
    throw new CFileException(CFileException::OsErrorToException(osError), osError, m_path);
}
