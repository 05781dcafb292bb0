#pragma once
// The wall heating design in the project workbook: every room of "SeznamM$" with its radiators,
// floor circuits and wall circuits (the floor design's rows pass through unchanged), and the
// wall heating water temperatures in "SIGMA_STENOVKY" of "DataAkce$" ("%.1f#%.1f": supply,
// return), both of the project workbook in use (its working copy). Sheets that do not open are
// told by the workbook opener, a store that fails by the store; the other messages are
// returned (as texts when loading, as string ids when storing) for the caller to show.

#include "floorwall/WallDesign.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

class CData;
class CMistPodlahVytap;

namespace WallDesignStore
{
inline constexpr const char* kRoomSheet = "SeznamM$";
inline constexpr const char* kHeaderSheet = "DataAkce$";
inline constexpr const char* kTemperatureColumn = "SIGMA_STENOVKY";

// Every row of "SeznamM$" appended to rooms (owned by the caller). 0 when read; 1 when
// the sheet did not open (message empty), or when a row of a radiator or circuit came before
// any room (the message names the row) or a record could not be made ("Málo paměti pro další
// zpracování!"); the rooms read until then stay.
int LoadRooms(CData& table, std::vector<CMistPodlahVytap*>& rooms, CString& message);

// The temperatures of the text: supply from its start, return after its first "#" (the whole
// text without one); an empty text, or a "#" at its end, keeps the return given; a supply not
// above 0 is 50 °C, a return not above 0 is 42 °C; the drop is their difference.
void ParseTemperatures(const CString& text, WallDesign::Temperatures& t);
// 0 when "DataAkce$" was read into t; 1 when it did not open.
int LoadTemperatures(CData& table, WallDesign::Temperatures& t);

// "SeznamM$" rewritten with "SIGMA_STENOVKY" of "DataAkce$" as one store: its first row, then
// per room its row, its radiators, its floor circuits (with floor heating) and its wall circuits
// (with wall heating). The sheet takes the columns of "SeznamM$" in columnsFrom (empty: the
// project's own) and is put in place only whole. 0 when stored; 1 when not (the failure was
// shown, the project is as it was).
int Store(const std::vector<CMistPodlahVytap*>& rooms, const WallDesign::Temperatures& t,
          const CString& columnsFrom = CString());
} // namespace WallDesignStore
