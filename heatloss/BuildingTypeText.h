#pragma once
// The name of a building type 1..12 ("Obytná budova" ... "Průmyslové stavby"); empty for
// any other value.

#include "platform/core/CString.h"

CString BuildingTypeText(int buildingType);
