#include "platform/gdi/TemporaryObjects.h"

std::map<HGDIOBJ, std::unique_ptr<CGdiObject>>& Gdi::TemporaryObjectMap()
{
    static std::map<HGDIOBJ, std::unique_ptr<CGdiObject>> map;
    return map;
}

void Gdi::DeleteTemporaryObjects()
{
    DeleteTemporaryDCs();
    TemporaryObjectMap().clear();
}
