#pragma once
// Storing or loading values to or from a file in a fixed binary form (little-endian,
// texts as a 32-bit byte count and UTF-8).

#include "platform/core/CFile.h"

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
    };

    CArchive(CFile* file, UINT mode) : m_file(file), m_mode(mode) {}

    BOOL IsStoring() const { return (m_mode & load) == 0; }
    BOOL IsLoading() const { return (m_mode & load) != 0; }
    CFile* GetFile() const { return m_file; }
    void Flush() { m_file->Flush(); }
    void Close() { Flush(); }

    CArchive& operator<<(BYTE v) { return Put(&v, sizeof v); }
    CArchive& operator<<(WORD v) { return Put(&v, sizeof v); }
    CArchive& operator<<(LONG v) { return Put(&v, sizeof v); }
    CArchive& operator<<(DWORD v) { return Put(&v, sizeof v); }
    CArchive& operator<<(LONGLONG v) { return Put(&v, sizeof v); }
    CArchive& operator<<(float v) { return Put(&v, sizeof v); }
    CArchive& operator<<(double v) { return Put(&v, sizeof v); }
    CArchive& operator<<(const CString& s);

    CArchive& operator>>(BYTE& v) { return Get(&v, sizeof v); }
    CArchive& operator>>(WORD& v) { return Get(&v, sizeof v); }
    CArchive& operator>>(LONG& v) { return Get(&v, sizeof v); }
    CArchive& operator>>(DWORD& v) { return Get(&v, sizeof v); }
    CArchive& operator>>(LONGLONG& v) { return Get(&v, sizeof v); }
    CArchive& operator>>(float& v) { return Get(&v, sizeof v); }
    CArchive& operator>>(double& v) { return Get(&v, sizeof v); }
    CArchive& operator>>(CString& s);

private:
    CArchive& Put(const void* data, UINT size)
    {
        m_file->Write(data, size);
        return *this;
    }
    // Throws CFileException (endOfFile) when the file ends early.
    CArchive& Get(void* data, UINT size);

    CFile* m_file;
    UINT m_mode;
};
