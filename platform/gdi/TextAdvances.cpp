#include "platform/gdi/TextAdvances.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/DcState.h"

#include <QFontMetricsF>

#include <cmath>
#include <unordered_map>
#include <vector>

namespace
{
// The code point at text[at] and the bytes it takes; false for a malformed sequence.
bool DecodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint, std::size_t& length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
    {
        codePoint = lead;
        length = 1;
        return true;
    }
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    else
        return false;
    if (at + length > text.size())
        return false;
    for (std::size_t i = 1; i < length; ++i)
    {
        if ((byte(at + i) & 0xC0) != 0x80)
            return false;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    return codePoint >= minimum && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

// Characters that a text layout places one by one at their own advances (with kerning off):
// Latin, Greek and Cyrillic letters without combining marks, and the common punctuation and
// symbols. Other scripts may be joined, reordered or widened by shaping.
bool StandsAlone(char32_t codePoint)
{
    struct Range
    {
        char32_t first, last;
    };
    static constexpr Range kRanges[] = {{0x20, 0x7E},     {0xA0, 0x2FF},    {0x370, 0x482},   {0x48A, 0x52F},
                                        {0x2010, 0x2027}, {0x2030, 0x205E}, {0x20A0, 0x20CF}, {0x2100, 0x22FF}};
    for (const Range& range : kRanges)
        if (codePoint >= range.first && codePoint <= range.last)
            return true;
    return false;
}

QString FromCodePoint(char32_t codePoint)
{
    return QString::fromUcs4(&codePoint, 1);
}
} // namespace

struct CTextAdvances::Font
{
    explicit Font(const QFont& font) : metrics(font) {}
    QFontMetricsF metrics;
    double scaleX = 1;
    // Advances of the characters met so far: the first code points in a table, others by a map.
    static constexpr char32_t kTableSize = 0x800;
    std::vector<double> table = std::vector<double>(kTableSize, -1.0);
    std::unordered_map<char32_t, double> others;

    double CharacterAdvance(char32_t codePoint)
    {
        if (codePoint < kTableSize)
        {
            double& advance = table[codePoint];
            if (advance < 0)
                advance = metrics.horizontalAdvance(FromCodePoint(codePoint));
            return advance;
        }
        const auto found = others.find(codePoint);
        if (found != others.end())
            return found->second;
        return others.emplace(codePoint, metrics.horizontalAdvance(FromCodePoint(codePoint))).first->second;
    }
};

CTextAdvances::CTextAdvances(CDC& dc)
{
    Gdi::DcState* state = Gdi::UsableState(dc.GetSafeHdc());
    m_font = std::make_unique<Font>(state ? state->CurrentFont() : QFont());
    if (state)
        m_font->scaleX = std::abs(state->ScaleX());
}

CTextAdvances::~CTextAdvances() = default;

double CTextAdvances::Exact(std::string_view text) const
{
    return m_font->metrics.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

bool CTextAdvances::Estimate(std::string_view text, double& advance, int& characters)
{
    double sum = 0;
    int count = 0;
    for (std::size_t at = 0; at < text.size();)
    {
        char32_t codePoint = 0;
        std::size_t length = 0;
        if (!DecodeUtf8(text, at, codePoint, length) || !StandsAlone(codePoint))
            return false;
        sum += m_font->CharacterAdvance(codePoint);
        ++count;
        at += length;
    }
    advance = sum;
    characters = count;
    return true;
}

bool CTextAdvances::IsSingleWord(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();)
    {
        char32_t codePoint = 0;
        std::size_t length = 0;
        if (!DecodeUtf8(text, at, codePoint, length))
            return false;
        if (codePoint <= 0x20 || codePoint == '&' || codePoint == 0x7F || QChar::isSpace(codePoint))
            return false;
        at += length;
    }
    return true;
}

int CTextAdvances::LogicalWidth(double advance) const
{
    return int(std::lround(advance / m_font->scaleX));
}

double CTextAdvances::NextWidthAdvance(double advance) const
{
    return (LogicalWidth(advance) + 0.5) * m_font->scaleX;
}
