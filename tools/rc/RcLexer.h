#pragma once
// Splits a resource script into tokens. Handles comments and the preprocessor lines a
// script uses: #include (headers for their #define lines, scripts in place), #define NAME
// value; other directives (#pragma, #if, #endif ...) are skipped.

#include "RcToken.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

class RcError : public std::runtime_error
{
public:
    RcError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message)
    {
    }
};

class RcLexer
{
public:
    explicit RcLexer(std::vector<std::string> includeFolders) : m_includeFolders(std::move(includeFolders)) {}

    // Tokens of the script and of the scripts it includes; symbols of #define lines.
    std::vector<RcToken> Read(const std::string& path);
    const std::map<std::string, long long>& Symbols() const { return m_symbols; }
    // Every file read (the script, its includes), for the build's dependency list.
    const std::set<std::string>& Files() const { return m_files; }

private:
    static constexpr int kMaxIncludeDepth = 16;

    void ReadFile(const std::string& path, std::vector<RcToken>& tokens, int depth);
    void Directive(const std::string& line, const std::string& path, int lineNumber,
                   std::vector<RcToken>& tokens, int depth);
    std::string FindInclude(const std::string& name, const std::string& from) const;

    std::vector<std::string> m_includeFolders;
    std::map<std::string, long long> m_symbols;
    std::set<std::string> m_files;
};
