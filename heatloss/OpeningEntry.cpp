#include "heatloss/OpeningEntry.h"

OpeningEntry& OpeningEntry::Instance()
{
    static OpeningEntry entry;
    return entry;
}
