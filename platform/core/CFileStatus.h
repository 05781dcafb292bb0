#pragma once
// What CFile::GetStatus tells about a file.

#include "platform/core/CString.h"
#include "platform/core/CTime.h"

struct CFileStatus
{
    CTime m_ctime;
    CTime m_mtime;
    CTime m_atime;
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0; // CFile::Attribute bits
    CString m_szFullName;
};
