#include "platform/core/CArchive.h"

#include <string>

CArchive& CArchive::operator<<(const CString& s)
{
    *this << DWORD(s.ByteLength());
    return Put(s.GetString(), UINT(s.ByteLength()));
}

CArchive& CArchive::operator>>(CString& s)
{
    DWORD size = 0;
    *this >> size;
    if (size > m_file->GetLength())
        throw new CFileException(CFileException::invalidFile, -1, m_file->GetFilePath());
    std::string text(size, '\0');
    Get(text.data(), size);
    s = CString(std::move(text));
    return *this;
}

CArchive& CArchive::Get(void* data, UINT size)
{
    if (m_file->Read(data, size) != size)
        throw new CFileException(CFileException::endOfFile, -1, m_file->GetFilePath());
    return *this;
}
