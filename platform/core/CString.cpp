#include "platform/core/CString.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cstring>

namespace
{
QString ToQ(const std::string& s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
std::string FromQ(const QString& s)
{
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), std::size_t(b.size()));
}

const QCollator& CzechCollator(bool caseSensitive)
{
    static thread_local QCollator sensitive = []
    {
        QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    static thread_local QCollator insensitive = []
    {
        QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return caseSensitive ? sensitive : insensitive;
}

bool InSet(char32_t c, const char* set)
{
    std::string_view s(set ? set : "");
    for (std::size_t pos = 0; pos < s.size();)
        if (Utf8::Decode(s, pos) == c)
            return true;
    return false;
}

bool IsBlank(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

CString::CString(char c, int repeat) : m_s(std::size_t(std::max(repeat, 0)), c) {}

CString CString::FromCodePoint(char32_t c, int repeat)
{
    std::string one = Utf8::Encode(c), out;
    for (int i = 0; i < repeat; ++i)
        out += one;
    return CString(out);
}

int CString::GetLength() const
{
    return Utf8::CharCount(m_s);
}

char32_t CString::GetAt(int index) const
{
    std::size_t pos = Utf8::ByteOffset(m_s, index);
    if (index < 0 || pos >= m_s.size())
        return 0;
    return Utf8::Decode(m_s, pos);
}

void CString::SetAt(int index, char32_t c)
{
    std::size_t pos = Utf8::ByteOffset(m_s, index);
    if (index < 0 || pos >= m_s.size())
        return;
    std::size_t end = pos;
    Utf8::Decode(m_s, end);
    m_s.replace(pos, end - pos, Utf8::Encode(c));
}

CString CString::Left(int count) const
{
    return CString(Utf8::Truncate(m_s, std::max(count, 0)));
}

CString CString::Mid(int first) const
{
    return CString(m_s.substr(Utf8::ByteOffset(m_s, first)));
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (count <= 0)
        return CString();
    const std::size_t from = Utf8::ByteOffset(m_s, first);
    return CString(Utf8::Truncate(std::string_view(m_s).substr(from), count));
}

CString CString::Right(int count) const
{
    const int length = GetLength();
    return count >= length ? *this : Mid(length - std::max(count, 0));
}

CString CString::SpanIncluding(const char* set) const
{
    int n = 0;
    for (std::size_t pos = 0; pos < m_s.size(); ++n)
        if (!InSet(Utf8::Decode(m_s, pos), set))
            break;
    return Left(n);
}

CString CString::SpanExcluding(const char* set) const
{
    const int at = FindOneOf(set);
    return at < 0 ? *this : Left(at);
}

int CString::Find(char32_t c, int start) const
{
    std::size_t pos = Utf8::ByteOffset(m_s, std::max(start, 0));
    for (int index = std::max(start, 0); pos < m_s.size(); ++index)
        if (Utf8::Decode(m_s, pos) == c)
            return index;
    return -1;
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const std::size_t at = m_s.find(sub ? sub : "", Utf8::ByteOffset(m_s, start));
    return at == std::string::npos ? -1 : Utf8::CharCount(std::string_view(m_s).substr(0, at));
}

int CString::ReverseFind(char32_t c) const
{
    int found = -1, index = 0;
    for (std::size_t pos = 0; pos < m_s.size(); ++index)
        if (Utf8::Decode(m_s, pos) == c)
            found = index;
    return found;
}

int CString::FindOneOf(const char* set) const
{
    int index = 0;
    for (std::size_t pos = 0; pos < m_s.size(); ++index)
        if (InSet(Utf8::Decode(m_s, pos), set))
            return index;
    return -1;
}

int CString::Replace(const char* oldText, const char* newText)
{
    const std::string from(oldText ? oldText : ""), to(newText ? newText : "");
    if (from.empty())
        return 0;
    int count = 0;
    for (std::size_t pos = m_s.find(from); pos != std::string::npos; pos = m_s.find(from, pos + to.size()))
    {
        m_s.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

int CString::Replace(char32_t oldChar, char32_t newChar)
{
    return Replace(Utf8::Encode(oldChar).c_str(), Utf8::Encode(newChar).c_str());
}

int CString::Remove(char32_t c)
{
    return Replace(Utf8::Encode(c).c_str(), "");
}

int CString::Insert(int index, const char* text)
{
    m_s.insert(Utf8::ByteOffset(m_s, std::max(index, 0)), text ? text : "");
    return GetLength();
}

int CString::Insert(int index, char32_t c)
{
    return Insert(index, Utf8::Encode(c).c_str());
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && count > 0)
    {
        const std::size_t from = Utf8::ByteOffset(m_s, index);
        const std::size_t to = from + Utf8::ByteOffset(std::string_view(m_s).substr(from), count);
        m_s.erase(from, to - from);
    }
    return GetLength();
}

CString& CString::TrimLeft()
{
    std::size_t pos = 0;
    while (pos < m_s.size() && IsBlank(static_cast<unsigned char>(m_s[pos])))
        ++pos;
    m_s.erase(0, pos);
    return *this;
}

CString& CString::TrimLeft(const char* set)
{
    std::size_t pos = 0;
    while (pos < m_s.size())
    {
        std::size_t next = pos;
        if (!InSet(Utf8::Decode(m_s, next), set))
            break;
        pos = next;
    }
    m_s.erase(0, pos);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_s.empty() && IsBlank(static_cast<unsigned char>(m_s.back())))
        m_s.pop_back();
    return *this;
}

CString& CString::TrimRight(const char* set)
{
    std::size_t keep = 0;
    for (std::size_t pos = 0; pos < m_s.size();)
        if (!InSet(Utf8::Decode(m_s, pos), set))
            keep = pos;
    m_s.erase(keep);
    return *this;
}

CString& CString::MakeUpper()
{
    m_s = FromQ(ToQ(m_s).toUpper());
    return *this;
}

CString& CString::MakeLower()
{
    m_s = FromQ(ToQ(m_s).toLower());
    return *this;
}

CString& CString::MakeReverse()
{
    std::u32string chars;
    for (std::size_t pos = 0; pos < m_s.size();)
        chars += Utf8::Decode(m_s, pos);
    std::reverse(chars.begin(), chars.end());
    m_s.clear();
    for (char32_t c : chars)
        m_s += Utf8::Encode(c);
    return *this;
}

int CString::Compare(const char* other) const
{
    const int r = std::strcmp(m_s.c_str(), other ? other : "");
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int CString::CompareNoCase(const char* other) const
{
    const int r = CzechCollator(false).compare(ToQ(m_s), QString::fromUtf8(other ? other : ""));
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int CString::Collate(const char* other) const
{
    const int r = CzechCollator(true).compare(ToQ(m_s), QString::fromUtf8(other ? other : ""));
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

CString& CString::TruncateChars(int maxChars)
{
    m_s = Utf8::Truncate(m_s, std::max(maxChars, 0));
    return *this;
}

FormatArg::FormatArg(const CString& v) : m_kind(Kind::Text), m_text(v.GetString()) {}

std::int64_t FormatArg::asSigned() const
{
    switch (m_kind)
    {
    case Kind::Signed:
        return m_signed;
    case Kind::Unsigned:
        return std::int64_t(m_unsigned);
    case Kind::Real:
        return std::int64_t(m_real);
    case Kind::Pointer:
        return std::int64_t(reinterpret_cast<std::intptr_t>(m_pointer));
    case Kind::Text:
        return 0;
    }
    return 0;
}

std::uint64_t FormatArg::asUnsigned() const
{
    if (m_kind == Kind::Unsigned)
        return m_unsigned;
    const std::uint64_t value = std::uint64_t(asSigned());
    return m_kind == Kind::Signed && m_bytes < 8 ? value & ((std::uint64_t(1) << (m_bytes * 8)) - 1) : value;
}

double FormatArg::asReal() const
{
    switch (m_kind)
    {
    case Kind::Real:
        return m_real;
    case Kind::Signed:
        return double(m_signed);
    case Kind::Unsigned:
        return double(m_unsigned);
    default:
        return 0;
    }
}

const char* FormatArg::asText() const
{
    return m_kind == Kind::Text ? m_text : "";
}
