#include "hydraulics/CircuitLabel.h"

CString RoomPartOfLabel(const CString& label)
{
    const int slash = label.ReverseFind(char32_t('/'));
    return slash < 0 ? label : label.Left(slash);
}

CString CircuitLabel(const CString& roomNumber, int letterNumber)
{
    return roomNumber + "/" + CString::FromCodePoint(char32_t(64 + letterNumber));
}

CString RouteEntryLabel(const CString& route, int open)
{
    int end = route.Find(char32_t('{'), open);
    const int close = route.Find(char32_t(']'), open);
    if (end < 0 || (close >= 0 && close < end))
        end = close;
    return end < 0 ? route.Mid(open + 1) : route.Mid(open + 1, end - open - 1);
}

int FindRouteEntryOfRoom(const CString& route, const CString& roomNumber)
{
    for (int open = route.Find(char32_t('[')); open >= 0; open = route.Find(char32_t('['), open + 1))
        if (RoomPartOfLabel(RouteEntryLabel(route, open)) == roomNumber)
            return open;
    return -1;
}

bool RouteCrossesRoom(const CString& route, const CString& roomNumber)
{
    return FindRouteEntryOfRoom(route, roomNumber) >= 0;
}

bool RemoveRouteEntriesOfRoom(CString& route, const CString& roomNumber)
{
    bool removed = false;
    for (int open = FindRouteEntryOfRoom(route, roomNumber); open >= 0;
         open = FindRouteEntryOfRoom(route, roomNumber))
    {
        const int close = route.Find(char32_t(']'), open);
        route.Delete(open, close < 0 ? route.GetLength() - open : close - open + 1);
        removed = true;
    }
    return removed;
}
