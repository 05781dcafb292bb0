#pragma once
// The sort order of texts in the editor's grid: a language pack's alphabet, in which the
// place of a letter is its rank. The pair "ch" (and "Ch", "CH" taken as "Ch") is one letter
// where the alphabet lists it. A character missing from the alphabet ranks after the whole
// alphabet in code-point order. Texts compare rank by rank; the shorter of two texts equal
// up to its length sorts first.

#include "platform/core/CString.h"

#include <string>
#include <string_view>
#include <vector>

class CCollationAlphabet
{
public:
    explicit CCollationAlphabet(const CString& alphabet);

    // The alphabet of the language pack in force (its string 1066), read once per text.
    static const CCollationAlphabet& OfLanguagePack();

    // A key whose code-unit order is the sort order of the text.
    std::u32string Key(std::string_view text) const;
    // The key of the text appended to key.
    void AppendKey(std::string_view text, std::u32string& key) const;
    int Compare(const CString& a, const CString& b) const;

    const CString& Text() const { return m_text; }

private:
    char32_t Rank(char32_t c) const;

    CString m_text;
    std::vector<char32_t> m_ranks;
    char32_t m_missingBase = 0;
    char32_t m_lowerDigraph = 0xFFFFFFFF;
    char32_t m_upperDigraph = 0xFFFFFFFF;
    bool m_hasDigraphs = false;
};
