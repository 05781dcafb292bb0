#include "heatloss/BuildingTypeText.h"

#include "heatloss/HeatLossIds.h"

CString BuildingTypeText(int buildingType)
{
    CString text;
    if (buildingType >= 1 && buildingType <= IDS_HL_BUILDING_TYPE_LAST - IDS_HL_BUILDING_TYPE_FIRST + 1)
        text.LoadString(IDS_HL_BUILDING_TYPE_FIRST + buildingType - 1);
    return text;
}
