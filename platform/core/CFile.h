#pragma once
// A binary file over a POSIX descriptor. Failures throw CFileException* (Open reports them
// through its argument instead). The read-only attribute is the owner's write permission;
// a file with it set cannot be opened for writing or deleted, whoever runs the program.

#include "platform/core/CFileException.h"
#include "platform/core/CFileStatus.h"
#include "platform/core/CObject.h"

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum Attribute : BYTE
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20,
    };
    enum SeekPosition : UINT
    {
        begin = 0,
        current = 1,
        end = 2,
    };

    CFile() = default;
    CFile(const char* path, UINT flags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() override;

    virtual BOOL Open(const char* path, UINT flags, CFileException* error = nullptr);
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();
    bool IsOpen() const { return m_fd >= 0; }

    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual void Flush();
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG length);

    CString GetFilePath() const { return m_path; }
    CString GetFileName() const;
    CString GetFileTitle() const;

    BOOL GetStatus(CFileStatus& status) const;
    static BOOL GetStatus(const char* path, CFileStatus& status);
    // Applies the read-only attribute and, when set, the modification time.
    static void SetStatus(const char* path, const CFileStatus& status);
    static void Rename(const char* oldPath, const char* newPath);
    static void Remove(const char* path);

protected:
    [[noreturn]] void ThrowError(int osError) const;

    int m_fd = -1;
    CString m_path;
    UINT m_flags = 0;
};
