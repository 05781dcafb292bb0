#pragma once
// Reads the statements of a resource script into a ResourceScript. Each statement kind has
// its own member function, found by its keyword (STRINGTABLE, LANGUAGE) or, for named
// resources ("id TYPE ..."), by its type keyword; more kinds are added the same way.

#include "RcLexer.h"
#include "ResourceScript.h"

#include <functional>
#include <map>
#include <vector>

class RcParser
{
public:
    RcParser(const std::vector<RcToken>& tokens, const std::map<std::string, long long>& symbols,
             ResourceScript& script);
    void Parse();

private:
    using Statement = std::function<void()>;
    using NamedResource = std::function<void(long long id)>;

    void StringTable();
    void Language();
    // Window resources (RcWindowResources.cpp).
    void Dialog(long long id);
    void DialogItem(RcDialog& dialog);
    void Menu(long long id);
    void MenuItems(std::vector<RcMenuItem>& items, int level);
    void Accelerators(long long id);
    void Toolbar(long long id);
    void Image(long long id, bool icon);
    // A style: values joined by | where NOT v takes v's bits away from what is there.
    unsigned Style(unsigned start);
    bool AtComma() const { return IsPunct(','); }
    // A resource id as a name or a number, as text: "name" or "#number".
    std::string NameOrId();

    // Token helpers.
    const RcToken& Peek() const { return m_tokens[m_at]; }
    const RcToken& Next();
    bool IsWord(const char* word) const;
    bool IsPunct(char c) const;
    void Expect(char c);
    bool AtBlockStart() const { return IsWord("BEGIN") || IsPunct('{'); }
    bool AtBlockEnd() const { return IsWord("END") || IsPunct('}'); }
    void BlockStart();
    // A number: literals, #define symbols, with + - | and parentheses.
    long long Expression();
    long long Term();
    std::string Text();
    [[noreturn]] void Fail(const std::string& message) const;

    static constexpr int kMaxNesting = 64;

    const std::vector<RcToken>& m_tokens;
    const std::map<std::string, long long>& m_symbols;
    ResourceScript& m_script;
    std::size_t m_at = 0;
    int m_termDepth = 0;
    std::map<std::string, Statement> m_statements;
    std::map<std::string, NamedResource> m_namedResources;
};
