#include "dataeditor/grid/CCollationAlphabet.h"

#include "dataeditor/app/SobrelIds.h"

#include <memory>

namespace
{
constexpr char32_t unranked = 0xFFFFFFFF;

std::u32string Decode(const std::string& bytes)
{
    std::u32string result;
    for (std::size_t pos = 0; pos < bytes.size();)
        result += Utf8::Decode(bytes, pos);
    return result;
}

bool IsC(char32_t c)
{
    return c == 'c' || c == 'C';
}

bool IsH(char32_t c)
{
    return c == 'h' || c == 'H';
}
} // namespace

CCollationAlphabet::CCollationAlphabet(const CString& alphabet) : m_text(alphabet)
{
    const std::u32string letters = Decode(alphabet.str());
    char32_t rank = 0;
    for (std::size_t i = 0; i < letters.size(); ++i, ++rank)
    {
        const char32_t c = letters[i];
        if (IsC(c) && i + 1 < letters.size() && letters[i + 1] == 'h')
        {
            (c == 'c' ? m_lowerDigraph : m_upperDigraph) = rank;
            m_hasDigraphs = true;
            ++i;
            continue;
        }
        if (c >= m_ranks.size())
            m_ranks.resize(c + 1, unranked);
        if (m_ranks[c] == unranked)
            m_ranks[c] = rank;
    }
    m_missingBase = rank;
    // One case listed: the other sorts beside it.
    if (m_lowerDigraph == unranked)
        m_lowerDigraph = m_upperDigraph;
    if (m_upperDigraph == unranked)
        m_upperDigraph = m_lowerDigraph;
}

const CCollationAlphabet& CCollationAlphabet::OfLanguagePack()
{
    static std::unique_ptr<CCollationAlphabet> current;
    CString text;
    text.LoadString(IDS_SORT_ALPHABET);
    if (!current || current->Text() != text)
        current = std::make_unique<CCollationAlphabet>(text);
    return *current;
}

char32_t CCollationAlphabet::Rank(char32_t c) const
{
    if (c < m_ranks.size() && m_ranks[c] != unranked)
        return m_ranks[c];
    return m_missingBase + c;
}

std::u32string CCollationAlphabet::Key(std::string_view bytes) const
{
    std::u32string key;
    AppendKey(bytes, key);
    return key;
}

void CCollationAlphabet::AppendKey(std::string_view bytes, std::u32string& key) const
{
    for (std::size_t pos = 0; pos < bytes.size();)
    {
        const char32_t c = static_cast<unsigned char>(bytes[pos]) < 0x80 ? char32_t(bytes[pos++])
                                                                         : Utf8::Decode(bytes, pos);
        const char next = pos < bytes.size() ? bytes[pos] : 0;
        if (m_hasDigraphs && IsC(c) && IsH(char32_t(next)) && !(c == 'c' && next == 'H'))
        {
            key += c == 'c' ? m_lowerDigraph : m_upperDigraph;
            ++pos;
            continue;
        }
        key += Rank(c);
    }
}

int CCollationAlphabet::Compare(const CString& a, const CString& b) const
{
    const int result = Key(a.str()).compare(Key(b.str()));
    return result < 0 ? -1 : result > 0 ? 1 : 0;
}
