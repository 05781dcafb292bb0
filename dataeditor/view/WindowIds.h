#pragma once
// Resource ids of the table window: the column move dialog, with the column names in a list
// that only the arrows beside it change, and the text of the position pane.

#define IDD_MOVE_COLUMN 1019
#define IDC_MOVE_COLUMN_LIST 1663
#define IDC_MOVE_COLUMN_SPIN 1696

// "Row %d of %d, column %d of %d".
#define IDS_POSITION_PANE 1222
