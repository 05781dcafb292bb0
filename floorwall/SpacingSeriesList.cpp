#include "floorwall/SpacingSeriesList.h"

#include "floorwall/CRoztece.h"

std::vector<CRoztece*>& SpacingSeriesList()
{
    static std::vector<CRoztece*> list;
    return list;
}

void FillDefaultSpacingSeries()
{
    std::vector<CRoztece*>& list = SpacingSeriesList();
    if (!list.empty())
        return;
    list.push_back(new CRoztece);
    list.push_back(CRoztece::CreateFineSeries());
}

void FreeSpacingSeriesList()
{
    std::vector<CRoztece*>& list = SpacingSeriesList();
    for (CRoztece* series : list)
        delete series;
    list.clear();
}
