#pragma once
// A settings file as people write it by hand: "[section]" lines, "key=value" lines, and whatever
// else (comments, blank lines, stray text) kept as it stands.
//
// Reading takes every value as written: a backslash is a backslash, ';' and ',' belong to the
// value, spaces around names and values do not count. A line in UTF-8 reads as UTF-8, any
// other line as code page 1250. Section and key names match without regard to case; of two
// equal keys the first counts.
//
// A value between quotes reads without them, and a \xHH in it as its byte; a backslash before
// anything else stays a backslash. The program's values read back exactly as they were
// written: one that would not (a line feed or tab in it, spaces at either end, quotes at both
// ends) is written between quotes with its control characters and backslashes as \xHH.
//
// Writing changes the key's own line only: every other byte of the file stays as it was. A new
// key goes after the last key of its section, a new section at the end of the file. Text that
// is not a settings file (a NUL byte, an outsize file) cannot be parsed and is never changed.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class IniFile
{
public:
    static constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;

    IniFile() = default;
    explicit IniFile(std::string bytes);

    bool Parsed() const { return m_parsed; }
    // The file's bytes with the changes made.
    std::string Bytes() const;
    bool Changed() const { return m_changed; }

    // The section has keys, or sections below it ("name/...") exist.
    bool HasSection(const std::string& section) const;
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    // Key names of the section, first spellings, in file order, each once.
    std::vector<std::string> Keys(const std::string& section) const;

    // False when the file could not be parsed.
    bool Set(const std::string& section, const std::string& key, const std::string& value);
    bool Remove(const std::string& section, const std::string& key);
    bool RemoveSection(const std::string& section);

private:
    struct Line
    {
        std::string raw;  // the bytes of the line, without its end
        std::string end;  // "\n", "\r\n" or "" (the last line)
        std::string text; // raw as UTF-8
    };

    // Index of the section's header, or npos.
    std::size_t FindSection(const std::string& section) const;
    // Index of the key's line inside the section that starts at header, or npos.
    std::size_t FindKey(std::size_t header, const std::string& key) const;
    // One past the section's last line.
    std::size_t SectionEnd(std::size_t header) const;
    void Insert(std::size_t at, const std::string& text);
    std::string NewLineEnd() const;

    std::vector<Line> m_lines;
    bool m_parsed = true;
    bool m_changed = false;
};
