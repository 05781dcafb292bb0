#include "hydraulics/DistributionSheet.h"

#include "datalib/CData.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/NumberReading.h"

#include <algorithm>

namespace DistributionSheet
{
namespace
{
void AppendLevels(const CDimenzUsek& section, std::vector<unsigned char>& levels)
{
    levels.push_back(static_cast<unsigned char>(std::clamp(section.m_nLevel, 0, 255)));
    for (const auto& child : section.m_children)
        AppendLevels(*child, levels);
}
} // namespace

LoadResult LoadTree(CData* data, Roots& roots)
{
    roots.clear();
    LoadResult result;
    std::vector<CDimenzUsek*> path; // the last section read at each depth
    for (int row = 0; row < data->m_nRecordCount; ++row)
    {
        CString levelText;
        data->GetStringValue(Level, levelText, row, -1, 0);
        const double level = ReadNumber(levelText);
        if (!(level >= 1.0))
        {
            if (result.firstUnreadRow < 0)
                result.firstUnreadRow = row;
            break;
        }
        if (level >= double(path.size() + 2))
        {
            if (result.firstUnreadRow < 0)
                result.firstUnreadRow = row;
            continue;
        }
        const std::size_t depth = std::size_t(level);
        CDimenzUsek* section = nullptr;
        if (depth == 1)
        {
            roots.push_back(std::make_unique<CDimenzUsek>(nullptr));
            section = roots.back().get();
            result.rootRows.push_back(row);
        }
        else
        {
            section = path[depth - 2]->AddChild();
        }
        section->LoadRow(row, data);
        section->m_nLevel = int(depth);
        path.resize(depth - 1);
        path.push_back(section);
        ++result.sectionCount;
    }
    return result;
}

int SaveTree(CData* data, const Roots& roots)
{
    int row = 0;
    for (const auto& root : roots)
        row = root->SaveTree(row, data);
    return row;
}

std::vector<unsigned char> TreeLevels(const Roots& roots)
{
    std::vector<unsigned char> levels;
    for (const auto& root : roots)
        AppendLevels(*root, levels);
    return levels;
}
} // namespace DistributionSheet
