#include "controls/grid/CGridAttributeSets.h"

#include "controls/grid/CGridCellRecord.h"

#include <cstring>
#include <functional>
#include <string_view>

bool CGridAttributeSets::Attributes::operator==(const Attributes& other) const
{
    return nFormat == other.nFormat && crFgClr == other.crFgClr && crBkClr == other.crBkClr &&
           nMargin == other.nMargin && nImage == other.nImage && lParam == other.lParam &&
           nMaxTextWidth == other.nMaxTextWidth && bFont == other.bFont &&
           (!bFont || std::memcmp(&lfFont, &other.lfFont, sizeof(LOGFONT)) == 0);
}

std::size_t CGridAttributeSets::Hash::operator()(const Attributes& a) const
{
    std::size_t hash = std::hash<std::uint64_t>()((std::uint64_t(a.nFormat) << 32) ^ a.crFgClr);
    const auto mix = [&hash](std::uint64_t value)
    { hash ^= std::hash<std::uint64_t>()(value) + 0x9e3779b9 + (hash << 6) + (hash >> 2); };
    mix((std::uint64_t(a.crBkClr) << 32) ^ a.nMargin);
    mix((std::uint64_t(std::uint32_t(a.nImage)) << 32) ^ std::uint32_t(a.nMaxTextWidth));
    mix(std::uint64_t(a.lParam));
    if (a.bFont)
        mix(std::hash<std::string_view>()(
            std::string_view(reinterpret_cast<const char*>(&a.lfFont), sizeof(LOGFONT))));
    return hash;
}

CGridAttributeSets::CGridAttributeSets()
{
    Find(Attributes());
}

std::int64_t CGridAttributeSets::Find(const Attributes& attributes)
{
    if (const auto found = m_index.find(attributes); found != m_index.end())
        return found->second;
    if (m_sets.size() > CGridCellRecord::kMaxAttributes)
        return -1;
    const auto nIndex = std::uint32_t(m_sets.size());
    m_sets.push_back(attributes);
    m_index.emplace(attributes, nIndex);
    return nIndex;
}
