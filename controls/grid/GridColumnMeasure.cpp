#include "controls/grid/GridColumnMeasure.h"

#include "controls/grid/CGridCell.h"
#include "controls/grid/CGridCellRecord.h"
#include "controls/grid/CGridCtrl.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/TextAdvances.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>

namespace
{
// Up to this many texts a group measures them all.
constexpr std::size_t kMeasureAll = 64;
// The widest by estimate measured first, to learn how far the estimates err.
constexpr std::size_t kFirstMeasured = 32;
// Device units an estimate may err beside what the measured texts showed.
constexpr double kSlack = 0.5;

constexpr DWORD kFixedStates = GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL;

UINT NotNegative(long value)
{
    return UINT(std::max(0L, value));
}

void Raise(std::vector<UINT>* heights, int index, UINT height)
{
    if (heights)
        (*heights)[std::size_t(index)] = std::max((*heights)[std::size_t(index)], height);
}
} // namespace

struct GridColumnMeasure::Group
{
    std::uint64_t key = 0;
    // A cell like those of the group, to measure a text of it exactly.
    CGridCell sample;
    // Cells whose width follows their text's advance and whose height does not depend on it.
    bool byAdvances = false;
    // Texts that may break into lines: only those of one word go by their advance.
    bool wordBreak = false;
    CTextAdvances* advances = nullptr;
    bool heightKnown = false;
    UINT height = 0;
    struct Text
    {
        double estimate;
        int characters;
        std::string_view text;
    };
    std::vector<Text> texts;
    // Exact extents of the texts that do not go by their advance.
    std::unordered_map<std::string, CSize> extents;

    CSize Extent(CDC& dc, std::string_view text)
    {
        sample.SetText(std::string(text).c_str());
        return sample.GetCellExtent(&dc);
    }
};

GridColumnMeasure::GridColumnMeasure(const CGridCtrl& grid, CDC& dc) : m_grid(grid), m_dc(dc) {}

GridColumnMeasure::~GridColumnMeasure() = default;

CTextAdvances& GridColumnMeasure::AdvancesFor(CFont* font)
{
    std::unique_ptr<CTextAdvances>& advances = m_advances[font];
    if (!advances)
    {
        CFont* previous = font ? m_dc.SelectObject(font) : nullptr;
        advances = std::make_unique<CTextAdvances>(m_dc);
        if (previous)
            m_dc.SelectObject(previous);
    }
    return *advances;
}

GridColumnMeasure::Group& GridColumnMeasure::GroupOf(int row, int col, const CGridCellRecord& record,
                                                     std::vector<std::unique_ptr<Group>>& groups)
{
    const std::uint64_t key = (std::uint64_t(record.GetAttributes()) << 32) | (record.GetState() & kFixedStates);
    for (const std::unique_ptr<Group>& group : groups)
        if (group->key == key)
            return *group;
    auto group = std::make_unique<Group>();
    group->key = key;
    m_grid.FillFromRecord(group->sample, record, row, col);
    const LOGFONT* font = group->sample.GetFont();
    const bool upright = !(font && (font->lfEscapement == 900 || font->lfEscapement == -900));
    const DWORD format = group->sample.GetFormat();
    group->wordBreak = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    const bool shortened = group->wordBreak && (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS));
    group->byAdvances = upright && !shortened;
    if (group->byAdvances)
        group->advances = &AdvancesFor(group->sample.GetFontObject());
    groups.push_back(std::move(group));
    return *groups.back();
}

UINT GridColumnMeasure::Width(int col, int first, int last, std::vector<UINT>* heights)
{
    std::vector<std::unique_ptr<Group>> groups;
    UINT width = 0;
    for (int row = first; row <= last; ++row)
    {
        const int index = row - first;
        if (heights && (*heights)[std::size_t(index)] == 0)
            continue;
        const CGridCellRecord* record = m_grid.CellRecord(row, col);
        if (!record)
            continue;
        CSize extent;
        if (CGridCellBase* object = record->GetObject())
            extent = object->GetCellExtent(&m_dc);
        else
        {
            Group& group = GroupOf(row, col, *record, groups);
            const std::string_view text = record->GetText() ? record->GetText() : "";
            Group::Text entry{0, 0, text};
            if (group.byAdvances && (!group.wordBreak || CTextAdvances::IsSingleWord(text)) &&
                group.advances->Estimate(text, entry.estimate, entry.characters))
            {
                if (!group.heightKnown)
                {
                    group.height = NotNegative(group.Extent(m_dc, text).cy);
                    group.heightKnown = true;
                }
                group.texts.push_back(entry);
                Raise(heights, index, group.height);
                continue;
            }
            const auto known = group.extents.find(std::string(text));
            extent = known != group.extents.end() ? known->second
                                                   : group.extents.emplace(text, group.Extent(m_dc, text)).first->second;
        }
        width = std::max(width, NotNegative(extent.cx));
        Raise(heights, index, NotNegative(extent.cy));
    }
    for (const std::unique_ptr<Group>& group : groups)
        if (!group->texts.empty())
            width = std::max(width, WidestOfGroup(*group));
    return width;
}

UINT GridColumnMeasure::WidestOfGroup(Group& group)
{
    std::unordered_map<std::string_view, double> exact;
    double widest = -std::numeric_limits<double>::infinity();
    std::string_view widestText;
    // The largest error of an estimate per character among the texts measured.
    double error = 0;
    const auto measure = [&](const Group::Text& entry) {
        if (exact.count(entry.text))
            return false;
        const double advance = group.advances->Exact(entry.text);
        exact.emplace(entry.text, advance);
        if (advance > widest)
        {
            widest = advance;
            widestText = entry.text;
        }
        error = std::max(error, std::abs(advance - entry.estimate) / std::max(1, entry.characters));
        return true;
    };
    const std::vector<Group::Text>& texts = group.texts;
    if (texts.size() <= kMeasureAll)
        for (const Group::Text& entry : texts)
            measure(entry);
    else
    {
        std::vector<Group::Text> first(kFirstMeasured);
        std::partial_sort_copy(texts.begin(), texts.end(), first.begin(), first.end(),
                               [](const Group::Text& a, const Group::Text& b) { return a.estimate > b.estimate; });
        for (const Group::Text& entry : first)
            measure(entry);
        int longest = 0;
        for (const Group::Text& entry : texts)
            longest = std::max(longest, entry.characters);
        // Every text that might come out wider than the widest measured (in whole logical units:
        // one as wide changes nothing) is measured, until none is left.
        for (bool measured = true; measured;)
        {
            measured = false;
            const double bound = kSlack + 2 * error * longest;
            const double wider = group.advances->NextWidthAdvance(widest);
            for (const Group::Text& entry : texts)
                if (entry.estimate + bound >= wider)
                    measured = measure(entry) || measured;
        }
    }
    return NotNegative(group.Extent(m_dc, widestText).cx);
}
