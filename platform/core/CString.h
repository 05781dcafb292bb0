#pragma once
// The system's string: UTF-8 inside. Lengths, positions and counts are in characters
// (code points), never bytes, so that no operation splits a character.

#include "platform/core/FormatArg.h"
#include "platform/core/WinTypes.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace Utf8
{
std::string Encode(char32_t c);
}

class CString
{
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, int byteCount) : m_s(s ? std::string(s, byteCount) : std::string()) {}
    CString(std::string s) : m_s(std::move(s)) {}
    CString(std::string_view s) : m_s(s) {}
    explicit CString(char c, int repeat = 1);
    static CString FromCodePoint(char32_t c, int repeat = 1);

    // Characters, not bytes.
    int GetLength() const;
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char32_t GetAt(int index) const;
    void SetAt(int index, char32_t c);
    char32_t operator[](int index) const { return GetAt(index); }

    const char* GetString() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }
    int ByteLength() const { return int(m_s.size()); }

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* set) const;
    CString SpanExcluding(const char* set) const;

    // Character positions; -1 when not found.
    int Find(char32_t c, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char32_t c) const;
    int FindOneOf(const char* set) const;

    int Replace(const char* oldText, const char* newText);
    int Replace(char32_t oldChar, char32_t newChar);
    int Remove(char32_t c);
    int Insert(int index, const char* text);
    int Insert(int index, char32_t c);
    int Delete(int index, int count = 1);

    CString& TrimLeft();
    CString& TrimLeft(const char* set);
    CString& TrimRight();
    CString& TrimRight(const char* set);
    CString& Trim() { return TrimLeft().TrimRight(); }

    // Case mapping of all letters, Czech ones included.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Ordinal comparison of the UTF-8 bytes (code point order).
    int Compare(const char* other) const;
    // Czech collation without regard to case: 0 when equal.
    int CompareNoCase(const char* other) const;
    // Czech collation.
    int Collate(const char* other) const;
    int CollateNoCase(const char* other) const { return CompareNoCase(other); }

    // printf-style formatting with the number texts of the system (see NumberText.h).
    template <class... Args> void Format(const char* format, const Args&... args)
    {
        m_s = FormatText(format, {FormatArg(args)...});
    }
    template <class... Args> void AppendFormat(const char* format, const Args&... args)
    {
        m_s += FormatText(format, {FormatArg(args)...});
    }
    static std::string FormatText(const char* format, std::initializer_list<FormatArg> args);
    // The same over arguments gathered at run time, [first, last).
    static std::string FormatText(const char* format, const FormatArg* first, const FormatArg* last);

    // The text of a string-table resource; FALSE (and empty) when the id has none.
    BOOL LoadString(UINT id);

    // Keeps at most maxChars whole characters.
    CString& TruncateChars(int maxChars);

    CString& operator=(const char* s)
    {
        m_s = s ? s : "";
        return *this;
    }
    CString& operator+=(const CString& s)
    {
        m_s += s.m_s;
        return *this;
    }
    CString& operator+=(const char* s)
    {
        if (s)
            m_s += s;
        return *this;
    }
    CString& operator+=(char c)
    {
        m_s += c;
        return *this;
    }
    // A whole character, not its low byte.
    CString& operator+=(char32_t c)
    {
        m_s += Utf8::Encode(c);
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_s + b); }
    friend CString operator+(char a, const CString& b) { return CString(a + b.m_s); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }
    friend bool operator<(const CString& a, const char* b) { return a.m_s < (b ? b : ""); }
    friend bool operator>(const CString& a, const CString& b) { return b < a; }

private:
    std::string m_s;
};

// Counts and cuts UTF-8 text by characters.
namespace Utf8
{
int CharCount(std::string_view s);
// Byte offset of character index (clamped to the text's end).
std::size_t ByteOffset(std::string_view s, int charIndex);
std::string Truncate(std::string_view s, int maxChars);
std::string Encode(char32_t c);
// Decodes the character at byte offset pos and advances pos past it.
char32_t Decode(std::string_view s, std::size_t& pos);
bool IsValid(std::string_view s);
// Text of code page 1250 as UTF-8.
std::string FromCp1250(std::string_view s);
// UTF-8 text as code page 1250 ('?' for characters it lacks).
std::string ToCp1250(std::string_view s);
} // namespace Utf8
