#include "platform/core/IniFile.h"

#include "platform/core/CString.h"

#include <QString>

namespace
{
constexpr std::size_t npos = std::string::npos;

std::string Trim(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Names match without regard to case or to spaces around them.
bool SameName(const std::string& a, const std::string& b)
{
    return QString::compare(QString::fromUtf8(Trim(a)), QString::fromUtf8(Trim(b)), Qt::CaseInsensitive) == 0;
}

// "[name]": true and the name.
bool SectionLine(const std::string& text, std::string& name)
{
    const std::string t = Trim(text);
    const std::size_t close = t.find(']');
    if (t.empty() || t[0] != '[' || close == npos)
        return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool CommentLine(const std::string& text)
{
    const std::string t = Trim(text);
    return !t.empty() && (t[0] == ';' || t[0] == '#');
}

// "key=value": true with both, trimmed.
bool KeyLine(const std::string& text, std::string& key, std::string& value)
{
    std::string section;
    if (CommentLine(text) || SectionLine(text, section))
        return false;
    const std::size_t eq = text.find('=');
    if (eq == npos)
        return false;
    key = Trim(text.substr(0, eq));
    value = Trim(text.substr(eq + 1));
    return !key.empty();
}

bool IsKeyLine(const std::string& text)
{
    std::string key, value;
    return KeyLine(text, key, value);
}

bool IsSectionLine(const std::string& text)
{
    std::string name;
    return SectionLine(text, name);
}

bool Quoted(const std::string& value)
{
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

// A value that would not read back as it stands: control characters, spaces at either end,
// quotes at both ends.
bool NeedsQuotes(const std::string& value)
{
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return Quoted(value) || (!value.empty() && (value.front() == ' ' || value.front() == '\t' ||
                                                value.back() == ' ' || value.back() == '\t'));
}

// Between quotes, control characters and backslashes are written as \xHH.
std::string Encode(const std::string& value)
{
    if (!NeedsQuotes(value))
        return value;
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : value)
    {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '\\')
            out += std::string("\\x") + digits[b >> 4] + digits[b & 15];
        else
            out += c;
    }
    return out + "\"";
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A value in quotes loses them, and its \xHH sequences stand for their bytes; any other
// backslash is a backslash.
std::string Decode(const std::string& value)
{
    if (!Quoted(value))
        return value;
    const std::string inner = value.substr(1, value.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < inner.size(); ++i)
    {
        if (inner[i] == '\\' && i + 3 < inner.size() && inner[i + 1] == 'x' && HexDigit(inner[i + 2]) >= 0 &&
            HexDigit(inner[i + 3]) >= 0)
        {
            out += char(HexDigit(inner[i + 2]) * 16 + HexDigit(inner[i + 3]));
            i += 3;
        }
        else
            out += inner[i];
    }
    return out;
}

// Names and values that would read back as something else, and text that is not UTF-8, are
// not written.
bool Writable(const std::string& section, const std::string& key, const std::string& value)
{
    const auto oneLine = [](const std::string& s)
    { return s.find_first_of(std::string("\r\n\0", 3)) == npos && Utf8::IsValid(s); };
    std::string name, readBack;
    return oneLine(section) && oneLine(key) && Utf8::IsValid(value) && value.find('\0') == npos &&
           section.find(']') == npos && KeyLine(Trim(key) + "=" + Encode(value), name, readBack) &&
           name == Trim(key) && Decode(readBack) == value;
}

std::string AsUtf8(const std::string& raw)
{
    return Utf8::IsValid(raw) ? raw : Utf8::FromCp1250(raw);
}
} // namespace

IniFile::IniFile(std::string bytes)
{
    if (bytes.size() > kMaxBytes || bytes.find('\0') != npos)
    {
        m_parsed = false;
        return;
    }
    std::size_t start = 0;
    while (start < bytes.size())
    {
        const std::size_t newline = bytes.find('\n', start);
        Line line;
        if (newline == npos)
        {
            line.raw = bytes.substr(start);
            start = bytes.size();
        }
        else
        {
            const bool crlf = newline > start && bytes[newline - 1] == '\r';
            line.raw = bytes.substr(start, newline - start - (crlf ? 1 : 0));
            line.end = crlf ? "\r\n" : "\n";
            start = newline + 1;
        }
        // A byte order mark stays in the file and out of the first line's text.
        const bool bom = m_lines.empty() && line.raw.rfind("\xEF\xBB\xBF", 0) == 0;
        line.text = AsUtf8(bom ? line.raw.substr(3) : line.raw);
        m_lines.push_back(std::move(line));
    }
}

std::string IniFile::Bytes() const
{
    std::string bytes;
    for (const Line& line : m_lines)
        bytes += line.raw + line.end;
    return bytes;
}

std::size_t IniFile::FindSection(const std::string& section) const
{
    std::string name;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (SectionLine(m_lines[i].text, name) && SameName(name, section))
            return i;
    return npos;
}

std::size_t IniFile::SectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && !IsSectionLine(m_lines[i].text))
        ++i;
    return i;
}

std::size_t IniFile::FindKey(std::size_t header, const std::string& key) const
{
    std::string name, value;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (KeyLine(m_lines[i].text, name, value) && SameName(name, key))
            return i;
    return npos;
}

bool IniFile::HasSection(const std::string& section) const
{
    if (!Keys(section).empty())
        return true;
    const QString below = QString::fromUtf8(section) + '/';
    std::string name;
    for (const Line& line : m_lines)
        if (SectionLine(line.text, name) && QString::fromUtf8(name).startsWith(below, Qt::CaseInsensitive))
            return true;
    return false;
}

std::optional<std::string> IniFile::Get(const std::string& section, const std::string& key) const
{
    const std::size_t header = FindSection(section);
    if (header == npos)
        return std::nullopt;
    const std::size_t at = FindKey(header, key);
    if (at == npos)
        return std::nullopt;
    std::string name, value;
    KeyLine(m_lines[at].text, name, value);
    return Decode(value);
}

std::vector<std::string> IniFile::Keys(const std::string& section) const
{
    std::vector<std::string> keys;
    const std::size_t header = FindSection(section);
    if (header == npos)
        return keys;
    std::string name, value;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
    {
        if (!KeyLine(m_lines[i].text, name, value))
            continue;
        bool seen = false;
        for (const std::string& k : keys)
            seen = seen || SameName(k, name);
        if (!seen)
            keys.push_back(name);
    }
    return keys;
}

std::string IniFile::NewLineEnd() const
{
    for (const Line& line : m_lines)
        if (!line.end.empty())
            return line.end;
    return "\n";
}

void IniFile::Insert(std::size_t at, const std::string& text)
{
    // The line before gets an end if it had none (it was the last line of the file).
    if (at > 0 && m_lines[at - 1].end.empty())
        m_lines[at - 1].end = NewLineEnd();
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), Line{text, NewLineEnd(), text});
}

bool IniFile::Set(const std::string& section, const std::string& key, const std::string& plain)
{
    if (!m_parsed || !Writable(section, key, plain))
        return false;
    if (Get(section, key) == plain)
        return true;
    const std::string value = Encode(plain);
    m_changed = true;
    std::size_t header = FindSection(section);
    if (header == npos)
    {
        Insert(m_lines.size(), "[" + Trim(section) + "]");
        Insert(m_lines.size(), Trim(key) + "=" + value);
        return true;
    }
    const std::size_t at = FindKey(header, key);
    if (at == npos)
    {
        std::size_t after = header;
        const std::size_t end = SectionEnd(header);
        for (std::size_t i = header + 1; i < end; ++i)
            if (IsKeyLine(m_lines[i].text))
                after = i;
        Insert(after + 1, Trim(key) + "=" + value);
        return true;
    }
    // The name as it stands, the '=' and the spaces after it; then the new value.
    Line& line = m_lines[at];
    const std::size_t eq = line.text.find('=');
    const std::size_t valueStart = line.text.find_first_not_of(" \t", eq + 1);
    line.text = line.text.substr(0, valueStart == npos ? line.text.size() : valueStart) + value;
    line.raw = line.text;
    return true;
}

bool IniFile::Remove(const std::string& section, const std::string& key)
{
    if (!m_parsed)
        return false;
    const std::size_t header = FindSection(section);
    const std::size_t at = header == npos ? npos : FindKey(header, key);
    if (at != npos)
    {
        m_lines.erase(m_lines.begin() + std::ptrdiff_t(at));
        m_changed = true;
    }
    return true;
}

bool IniFile::RemoveSection(const std::string& section)
{
    if (!m_parsed)
        return false;
    const std::size_t header = FindSection(section);
    if (header != npos)
    {
        m_lines.erase(m_lines.begin() + std::ptrdiff_t(header),
                      m_lines.begin() + std::ptrdiff_t(SectionEnd(header)));
        m_changed = true;
    }
    return true;
}
