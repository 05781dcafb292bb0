#include "heatloss/WallEntry.h"

WallEntry& WallEntry::Instance()
{
    static WallEntry entry;
    return entry;
}
