#pragma once
// A grid's attribute sets: every distinct combination of the attributes a cell may have of its own
// (format, colours, font, margin, image, item data, maximum text width), kept once and named by an index.
// Cells that look the same share one set; sets are never removed, so an index and the font it holds stay
// valid for the grid's life.

#include "platform/core/WinTypes.h"
#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <deque>
#include <unordered_map>

class CGridAttributeSets
{
public:
    // -1 (format, margin) and CLR_DEFAULT (colours) and no font take the default cell's.
    struct Attributes
    {
        DWORD nFormat = 0xFFFFFFFF;
        COLORREF crFgClr = CLR_DEFAULT;
        COLORREF crBkClr = CLR_DEFAULT;
        UINT nMargin = 0xFFFFFFFF;
        int nImage = -1;
        LPARAM lParam = 0;
        int nMaxTextWidth = -1;
        bool bFont = false;
        LOGFONT lfFont{};

        bool operator==(const Attributes& other) const;
    };

    CGridAttributeSets();

    const Attributes& Get(std::uint32_t nIndex) const { return m_sets[nIndex]; }
    // The index of the set equal to the attributes, added when new; -1 when no index is left.
    std::int64_t Find(const Attributes& attributes);

private:
    struct Hash
    {
        std::size_t operator()(const Attributes& attributes) const;
    };

    std::deque<Attributes> m_sets;
    std::unordered_map<Attributes, std::uint32_t, Hash> m_index;
};
