#include "platform/dao/ExcelDate.h"

namespace jet
{

namespace
{
constexpr double k1904Offset = 1462.0;
}

double SerialToOleDate(double serial, bool uses1904)
{
    if (uses1904)
        return serial + k1904Offset;
    if (serial >= 1.0 && serial < 61.0)
        return serial + 1.0;
    return serial;
}

double OleDateToSerial(double oleDate, bool uses1904)
{
    if (uses1904)
        return oleDate - k1904Offset;
    if (oleDate >= 2.0 && oleDate < 61.0)
        return oleDate - 1.0;
    return oleDate;
}

} // namespace jet
