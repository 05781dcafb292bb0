#pragma once
// A text file read line by line. Text read is UTF-8 when the file is valid UTF-8 (a byte
// order mark is dropped), else code page 1250 converted to UTF-8; text written is UTF-8.
// Lines end at "\n" or "\r\n".

#include "platform/core/CFile.h"

#include <string>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    CStdioFile(const char* path, UINT flags);

    BOOL Open(const char* path, UINT flags, CFileException* error = nullptr) override;
    // The next line without its end; FALSE at the end of the file.
    BOOL ReadString(CString& line);
    // The next line with its "\n", cut to maxBytes - 1 bytes (whole characters); null at the end.
    char* ReadString(char* buffer, UINT maxBytes);
    void WriteString(const char* text);

    UINT Read(void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    void Close() override;
    void Abort() override;

private:
    void LoadText();

    bool m_loaded = false;
    std::string m_text;
    std::size_t m_next = 0;
};
