#include "platform/dao/ExcelDate.h"

#include <cmath>

namespace jet
{

namespace
{
constexpr double k1904Offset = 1462.0;
// The first serial after the non-existent 29 February 1900.
constexpr double kFirstTrueSerial = 61.0;
}

double SerialToOleDate(double serial, bool uses1904)
{
    if (uses1904)
        return serial + k1904Offset;
    if (serial >= 0.0 && serial < kFirstTrueSerial)
        return serial + 1.0;
    return serial;
}

std::optional<double> OleDateToSerial(double oleDate, bool uses1904)
{
    if (!std::isfinite(oleDate))
        return std::nullopt;
    const double serial = uses1904 ? oleDate - k1904Offset : oleDate >= kFirstTrueSerial ? oleDate : oleDate - 1.0;
    if (serial < 0.0)
        return std::nullopt;
    return serial;
}

} // namespace jet
