#include "floorwall/SupplyRouteIndex.h"

#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"

#include <algorithm>

SupplyRouteIndex::SupplyRouteIndex(const std::vector<CMistPodlahVytap*>& rooms)
{
    for (const CMistPodlahVytap* room : rooms)
    {
        if (!room || !room->m_nFloorHeating)
            continue;
        for (const CTopnyOkruh* supplier : room->m_floorCircuits)
        {
            if (!supplier || supplier->m_strSupplyChain.IsEmpty())
                continue;
            // Entries "[label{...L=length...]", read as the circuit's own search reads them.
            const std::string& chain = supplier->m_strSupplyChain.str();
            for (size_t open = chain.find('['); open != std::string::npos; open = chain.find('[', open + 1))
            {
                const size_t brace = chain.find('{', open);
                if (brace == std::string::npos)
                    break;
                const std::string label = chain.substr(open + 1, brace - open - 1);
                std::vector<Passage>& passages = m_passages[label];
                if (std::any_of(passages.begin(), passages.end(),
                                [supplier](const Passage& p) { return p.supplier == supplier; }))
                    continue;
                const size_t close = chain.find(']', brace);
                Passage passage;
                passage.supplier = supplier;
                passage.segment = chain.substr(brace, close == std::string::npos ? std::string::npos : close - brace + 1);
                const int mark = passage.segment.Find("L=");
                passage.length = mark > 0 ? ReadNumber(passage.segment.Mid(mark + 2)) : 0.0;
                passages.push_back(passage);
            }
        }
    }
}

const std::vector<SupplyRouteIndex::Passage>& SupplyRouteIndex::Through(const CString& label) const
{
    static const std::vector<Passage> none;
    const auto found = m_passages.find(label.str());
    return found == m_passages.end() ? none : found->second;
}
