#pragma once
// Dialogs, controls and texts of the heat-loss input: the input table, its element dialogs,
// their pickers and the bulk change.

#define IDD_DATA_GRID 249
#define IDB_INPUT_LEVELS 247

// The input table (249).
#define IDC_DATA_GRID 1358
#define IDC_SHOW_BUILDING 1359
#define IDC_SHOW_ROOMS 1360
#define IDC_SHOW_WALLS 1361
#define IDC_SHOW_OPENINGS 1362
#define IDC_BULK_CHANGE 1423

#define IDS_INPUT_DELETE_QUESTION 61453
#define IDS_INPUT_LEVEL_MISMATCH 61454
#define IDS_TIP_ROOM 61456
#define IDS_TIP_WALL 61457
#define IDS_TIP_OPENING 61458
#define IDS_TIP_GRID 61459
#define IDS_TIP_OK 61460
#define IDS_TIP_CANCEL 61461
#define IDS_TIP_BULK_CHANGE 61462
#define IDS_TIP_BUILDING 61993
#define IDS_OPENING_AREA_WARNING 62067
#define IDS_ROOMS_FULL 62450
#define IDS_WALLS_FULL 62451
#define IDS_OPENINGS_FULL 62452
