#include "RcParser.h"

#include "WindowSymbols.h"

RcParser::RcParser(const std::vector<RcToken>& tokens, const std::map<std::string, long long>& symbols,
                   ResourceScript& script)
    : m_tokens(tokens), m_symbols(symbols), m_script(script)
{
    m_statements["STRINGTABLE"] = [this] { StringTable(); };
    m_statements["LANGUAGE"] = [this] { Language(); };
    m_namedResources["DIALOG"] = [this](long long id) { Dialog(id); };
    m_namedResources["DIALOGEX"] = [this](long long id) { Dialog(id); };
    m_namedResources["MENU"] = [this](long long id) { Menu(id); };
    m_namedResources["MENUEX"] = [this](long long id) { Menu(id); };
    m_namedResources["ACCELERATORS"] = [this](long long id) { Accelerators(id); };
    m_namedResources["TOOLBAR"] = [this](long long id) { Toolbar(id); };
    m_namedResources["BITMAP"] = [this](long long id) { Image(id, false); };
    m_namedResources["ICON"] = [this](long long id) { Image(id, true); };
}

void RcParser::Parse()
{
    while (Peek().kind != RcToken::Kind::End)
    {
        const RcToken& t = Peek();
        if (t.kind == RcToken::Kind::Word)
            if (const auto it = m_statements.find(t.text); it != m_statements.end())
            {
                Next();
                it->second();
                continue;
            }
        // "id TYPE ...": a named resource.
        const long long id = Expression();
        const RcToken& type = Next();
        const auto it = m_namedResources.find(type.text);
        if (type.kind != RcToken::Kind::Word || it == m_namedResources.end())
            Fail("unsupported resource type " + type.text);
        it->second(id);
    }
}

void RcParser::StringTable()
{
    // Memory options (DISCARDABLE, PRELOAD ...) and LANGUAGE or other lines before BEGIN.
    while (!AtBlockStart())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("STRINGTABLE without BEGIN");
        if (IsWord("LANGUAGE"))
        {
            Next();
            Language();
        }
        else
            Next();
    }
    BlockStart();
    while (!AtBlockEnd())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("STRINGTABLE without END");
        const RcToken& at = Peek();
        const long long id = Expression();
        if (IsPunct(','))
            Next();
        if (id < 0 || id > 0xFFFF)
            Fail("string id out of range: " + std::to_string(id));
        if (m_script.strings.count(unsigned(id)))
            throw RcError(at.file, at.line, "string id " + std::to_string(id) + " defined twice");
        m_script.strings[unsigned(id)] = Text();
    }
    Next();
}

void RcParser::Language()
{
    Expression();
    Expect(',');
    Expression();
}

const RcToken& RcParser::Next()
{
    const RcToken& t = m_tokens[m_at];
    if (t.kind != RcToken::Kind::End)
        ++m_at;
    return t;
}

bool RcParser::IsWord(const char* word) const
{
    return Peek().kind == RcToken::Kind::Word && Peek().text == word;
}

bool RcParser::IsPunct(char c) const
{
    return Peek().kind == RcToken::Kind::Punct && Peek().text[0] == c;
}

void RcParser::Expect(char c)
{
    if (!IsPunct(c))
        Fail(std::string("expected '") + c + "'");
    Next();
}

void RcParser::BlockStart()
{
    if (!AtBlockStart())
        Fail("expected BEGIN");
    Next();
}

// Sums wrap around as the 64-bit values they are.
long long RcParser::Expression()
{
    unsigned long long value = static_cast<unsigned long long>(Term());
    while (IsPunct('+') || IsPunct('-') || IsPunct('|'))
    {
        const char op = Next().text[0];
        const auto right = static_cast<unsigned long long>(Term());
        value = op == '+' ? value + right : op == '-' ? value - right : (value | right);
    }
    return static_cast<long long>(value);
}

long long RcParser::Term()
{
    const RcToken& t = Next();
    if (t.kind == RcToken::Kind::Number)
        return t.number;
    if (t.kind == RcToken::Kind::Punct && (t.text == "-" || t.text == "("))
    {
        if (++m_termDepth > kMaxNesting)
            throw RcError(t.file, t.line, "expression nested too deeply");
        long long value = 0;
        if (t.text == "-")
            value = static_cast<long long>(0ull - static_cast<unsigned long long>(Term()));
        else
        {
            value = Expression();
            Expect(')');
        }
        --m_termDepth;
        return value;
    }
    if (t.kind == RcToken::Kind::Word)
    {
        if (const auto it = m_symbols.find(t.text); it != m_symbols.end())
            return it->second;
        if (const auto it = WindowSymbols().find(t.text); it != WindowSymbols().end())
            return it->second;
        throw RcError(t.file, t.line, "unknown symbol " + t.text);
    }
    throw RcError(t.file, t.line, "expected a number, found '" + t.text + "'");
}

std::string RcParser::Text()
{
    if (Peek().kind != RcToken::Kind::String)
        Fail("expected a string");
    std::string text;
    while (Peek().kind == RcToken::Kind::String)
        text += Next().text;
    return text;
}

void RcParser::Fail(const std::string& message) const
{
    const RcToken& t = m_tokens[m_at];
    throw RcError(t.file, t.line, message);
}
