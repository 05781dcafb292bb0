#include "heatloss/RoomEntry.h"

RoomEntry& RoomEntry::Instance()
{
    static RoomEntry entry;
    return entry;
}
