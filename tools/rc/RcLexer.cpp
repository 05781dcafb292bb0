#include "RcLexer.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
bool IsWordStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// A number in C's notation (decimal, 0x hex, 0 octal) at the start of text: false when there
// is none or it does not fit. used: the characters it took.
bool ParseNumber(const std::string& text, long long& value, std::size_t& used)
{
    try
    {
        value = std::stoll(text, &used, 0);
        return true;
    }
    catch (const std::exception&)
    {
        used = 0;
        return false;
    }
}

bool IsRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string Trim(const std::string& s)
{
    const std::size_t from = s.find_first_not_of(" \t\r");
    const std::size_t to = s.find_last_not_of(" \t\r");
    return from == std::string::npos ? std::string() : s.substr(from, to - from + 1);
}

// A string literal starting at text[i] == '"'; i moves past it.
std::string StringLiteral(const std::string& text, std::size_t& i, const std::string& file, int line)
{
    std::string out;
    for (++i;; ++i)
    {
        if (i >= text.size() || text[i] == '\n')
            throw RcError(file, line, "unterminated string");
        const char c = text[i];
        if (c == '"')
        {
            if (i + 1 < text.size() && text[i + 1] == '"') // "" stands for one quote
            {
                out += '"';
                ++i;
                continue;
            }
            ++i;
            return out;
        }
        if (c != '\\' || i + 1 >= text.size())
        {
            out += c;
            continue;
        }
        const char e = text[++i];
        switch (e)
        {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 'a':
            out += '\a';
            break;
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'x':
        {
            int value = 0, digits = 0;
            while (digits < 2 && i + 1 < text.size() &&
                   std::isxdigit(static_cast<unsigned char>(text[i + 1])))
            {
                value = value * 16 + std::stoi(std::string(1, text[++i]), nullptr, 16);
                ++digits;
            }
            out += char(value);
            break;
        }
        default:
            if (e >= '0' && e <= '7')
            {
                int value = e - '0';
                for (int digits = 1;
                     digits < 3 && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7'; ++digits)
                    value = value * 8 + (text[++i] - '0');
                out += char(value);
            }
            else
                out += '\\', out += e;
        }
    }
}
} // namespace

std::vector<RcToken> RcLexer::Read(const std::string& path)
{
    std::vector<RcToken> tokens;
    ReadFile(path, tokens, 0);
    RcToken end;
    end.file = path;
    tokens.push_back(end);
    return tokens;
}

std::string RcLexer::FindInclude(const std::string& name, const std::string& from) const
{
    namespace fs = std::filesystem;
    std::vector<fs::path> candidates{fs::path(from).parent_path() / name};
    for (const std::string& folder : m_includeFolders)
        candidates.push_back(fs::path(folder) / name);
    for (const fs::path& p : candidates)
        if (IsRegularFile(p))
            return p.string();
    return std::string();
}

void RcLexer::Directive(const std::string& line, const std::string& path, int lineNumber,
                        std::vector<RcToken>& tokens, int depth)
{
    std::istringstream in(line.substr(1));
    std::string name;
    in >> name;
    if (name == "include")
    {
        std::string rest = Trim(line.substr(line.find("include") + 7));
        if (rest.size() < 2)
            throw RcError(path, lineNumber, "#include without a file");
        const std::string file = rest.substr(1, rest.find_first_of("\">", 1) - 1);
        const std::string found = FindInclude(file, path);
        if (found.empty())
        {
            if (rest[0] == '<')
                return; // system headers (windows.h, afxres.h) have nothing for us
            throw RcError(path, lineNumber, "cannot find include file " + file);
        }
        if (depth + 1 > kMaxIncludeDepth)
            throw RcError(path, lineNumber, "includes nested too deeply");
        std::vector<RcToken> included;
        ReadFile(found, included, depth + 1);
        const std::string ext = std::filesystem::path(found).extension().string();
        if (ext == ".rc" || ext == ".rc2")
            tokens.insert(tokens.end(), included.begin(), included.end());
    }
    else if (name == "define")
    {
        std::string symbol, value;
        in >> symbol;
        std::getline(in, value);
        value = Trim(value.substr(0, value.find("//")));
        if (symbol.empty() || symbol.find('(') != std::string::npos)
            return;
        // Values are numbers or earlier symbols, maybe in parentheses.
        while (value.size() >= 2 && value.front() == '(' && value.back() == ')')
            value = Trim(value.substr(1, value.size() - 2));
        if (const auto it = m_symbols.find(value); it != m_symbols.end())
            m_symbols[symbol] = it->second;
        else if (!value.empty() && (std::isdigit(static_cast<unsigned char>(value[0])) || value[0] == '-'))
        {
            std::size_t used = 0;
            if (!ParseNumber(value, m_symbols[symbol], used))
                throw RcError(path, lineNumber, "bad number in #define " + symbol + ": " + value);
        }
    }
}

void RcLexer::ReadFile(const std::string& path, std::vector<RcToken>& tokens, int depth)
{
    std::ifstream in(path, std::ios::binary);
    if (!in || !IsRegularFile(path))
        throw RcError(path, 0, "cannot read the file");
    m_files.insert(std::filesystem::absolute(path).lexically_normal().string());
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    int line = 1;
    bool lineStart = true;
    for (std::size_t i = 0; i < text.size();)
    {
        const char c = text[i];
        if (c == '\n')
        {
            ++line;
            ++i;
            lineStart = true;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r')
        {
            ++i;
            continue;
        }
        if (lineStart && c == '#')
        {
            const std::size_t end = text.find('\n', i);
            Directive(text.substr(i, end == std::string::npos ? std::string::npos : end - i), path, line,
                      tokens, depth);
            i = end == std::string::npos ? text.size() : end;
            continue;
        }
        lineStart = false;
        if (text.compare(i, 2, "//") == 0)
        {
            i = text.find('\n', i);
            i = i == std::string::npos ? text.size() : i;
            continue;
        }
        if (text.compare(i, 2, "/*") == 0)
        {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string::npos)
                throw RcError(path, line, "unterminated comment");
            for (std::size_t k = i; k < end; ++k)
                line += text[k] == '\n';
            i = end + 2;
            continue;
        }
        RcToken t;
        t.file = path;
        t.line = line;
        if (c == '"')
        {
            t.kind = RcToken::Kind::String;
            t.text = StringLiteral(text, i, path, line);
        }
        else if (std::isdigit(static_cast<unsigned char>(c)))
        {
            std::size_t end = i;
            while (end < text.size() && IsWordChar(text[end]))
                ++end;
            std::string digits = text.substr(i, end - i);
            if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l'))
                digits.pop_back();
            std::size_t used = 0;
            if (!ParseNumber(digits, t.number, used) || used != digits.size())
                throw RcError(path, line, "bad number " + text.substr(i, end - i));
            t.kind = RcToken::Kind::Number;
            t.text = text.substr(i, end - i);
            i = end;
        }
        else if (IsWordStart(c))
        {
            std::size_t end = i;
            while (end < text.size() && IsWordChar(text[end]))
                ++end;
            t.kind = RcToken::Kind::Word;
            t.text = text.substr(i, end - i);
            i = end;
        }
        else
        {
            t.kind = RcToken::Kind::Punct;
            t.text = std::string(1, c);
            ++i;
        }
        tokens.push_back(t);
    }
}
