#pragma once

namespace jet
{

// Excel date serials and OLE dates (days since 1899-12-30).
// The 1900 date system counts the non-existent 29 February 1900, so serials below 61 are one
// day off; the 1904 system starts 1462 days later.
double SerialToOleDate(double serial, bool uses1904);
double OleDateToSerial(double oleDate, bool uses1904);

} // namespace jet
