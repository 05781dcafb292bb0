#include "floorwall/RowBeforeRoom.h"

#include "datalib/CData.h"
#include "floorwall/FloorWallIds.h"
#include "hydraulics/ResultSheetColumns.h"

namespace
{
CString Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

UINT KindText(int kind)
{
    switch (kind)
    {
    case 3:
        return IDS_ROW_RADIATOR;
    case 4:
        return IDS_ROW_FLOOR_CIRCUIT;
    default:
        return IDS_ROW_WALL_CIRCUIT;
    }
}
} // namespace

CString RowBeforeRoomMessage(CData& table, int row, int kind)
{
    CString label;
    table.GetStringValue(ResultSheet::Number, label, row, -1, 0);
    label.Trim();
    CString what = Text(KindText(kind));
    if (!label.IsEmpty())
        what += " \"" + label + "\"";
    CString message;
    message.Format(Text(IDS_ROW_BEFORE_ROOM), row + 2, what.GetString());
    return message;
}
