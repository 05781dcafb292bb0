#include "platform/core/CStdioFile.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile(const char* path, UINT flags)
{
    CFileException error;
    if (!Open(path, flags, &error))
        throw new CFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

BOOL CStdioFile::Open(const char* path, UINT flags, CFileException* error)
{
    m_loaded = false;
    m_text.clear();
    m_next = 0;
    return CFile::Open(path, flags, error);
}

// Reads the rest of the file at once and decodes it as a whole, so that the choice
// between UTF-8 and code page 1250 is made once for the file, not line by line.
void CStdioFile::LoadText()
{
    if (m_loaded)
        return;
    m_loaded = true;
    std::string bytes;
    char buffer[65536];
    for (UINT n; (n = CFile::Read(buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
        bytes.erase(0, 3);
    m_text = Utf8::IsValid(bytes) ? std::move(bytes) : Utf8::FromCp1250(bytes);
    m_next = 0;
}

BOOL CStdioFile::ReadString(CString& line)
{
    LoadText();
    if (m_next >= m_text.size())
    {
        line.Empty();
        return FALSE;
    }
    std::size_t end = m_text.find('\n', m_next);
    const std::size_t after = end == std::string::npos ? m_text.size() : end + 1;
    if (end == std::string::npos)
        end = m_text.size();
    if (end > m_next && m_text[end - 1] == '\r')
        --end;
    line = CString(m_text.substr(m_next, end - m_next));
    m_next = after;
    return TRUE;
}

char* CStdioFile::ReadString(char* buffer, UINT maxBytes)
{
    LoadText();
    if (!buffer || maxBytes == 0 || m_next >= m_text.size())
        return nullptr;
    const std::size_t end = m_text.find('\n', m_next);
    const std::string raw =
        m_text.substr(m_next, end == std::string::npos ? std::string::npos : end + 1 - m_next);
    std::string line = raw;
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
        line.replace(line.size() - 2, 2, "\n");
    std::size_t consumed = raw.size();
    if (line.size() > maxBytes - 1)
    {
        // The rest of a long line comes with the next call; characters stay whole.
        std::size_t cut = maxBytes - 1;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        line.resize(cut);
        consumed = cut;
    }
    m_next += consumed;
    std::memcpy(buffer, line.c_str(), line.size() + 1);
    return buffer;
}

void CStdioFile::WriteString(const char* text)
{
    if (text)
        Write(text, UINT(std::strlen(text)));
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    if (!m_loaded)
        return CFile::Read(buffer, count);
    const std::size_t n = std::min<std::size_t>(count, m_text.size() - m_next);
    std::memcpy(buffer, m_text.data() + m_next, n);
    m_next += n;
    return UINT(n);
}

ULONGLONG CStdioFile::Seek(LONGLONG offset, UINT from)
{
    m_loaded = false;
    m_text.clear();
    m_next = 0;
    return CFile::Seek(offset, from);
}

void CStdioFile::Close()
{
    m_loaded = false;
    m_text.clear();
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_loaded = false;
    m_text.clear();
    CFile::Abort();
}
