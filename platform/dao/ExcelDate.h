#pragma once

#include <optional>

namespace jet
{

// Excel date serials and OLE dates (days since 1899-12-30).
// The 1900 date system counts the non-existent 29 February 1900, so serials below 61 are one
// day off (serial 0 is 1899-12-31); the 1904 system starts 1462 days later. A serial is never
// negative: an earlier date has none (nullopt).
double SerialToOleDate(double serial, bool uses1904);
std::optional<double> OleDateToSerial(double oleDate, bool uses1904);

} // namespace jet
