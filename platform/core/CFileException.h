#pragma once
// A failed file operation: its cause, the system's error number and the file's name.

#include "platform/core/CException.h"

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum Cause
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(int cause = none, LONG osError = -1, const char* fileName = nullptr)
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName ? fileName : "")
    {
    }
    // The cause of an errno value.
    static int OsErrorToException(LONG osError);
    // Czech text naming the file.
    CString GetMessageText() const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};
