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

#define IDD_ROOM 131

// The room (131); the fields from number to air exchange in tab order.
#define IDC_ROOM_SLOT 1100
#define IDC_ROOM_NUMBER 1101
#define IDC_ROOM_NAME 1102
#define IDC_ROOM_LENGTH 1103
#define IDC_ROOM_WIDTH 1104
#define IDC_ROOM_HEIGHT 1105
#define IDC_ROOM_TI 1106
#define IDC_ROOM_DOORS 1107
#define IDC_ROOM_AREA 1108
#define IDC_ROOM_VOLUME 1109
#define IDC_ROOM_MULTIPLE 1110
#define IDC_ROOM_AIR 1111
#define IDC_ROOM_ORIENTATION 1112
#define IDC_ROOM_OK 1113
#define IDC_ROOM_PICK_TI 1114
#define IDC_ROOM_CAD_NUMBER 1115
#define IDC_ROOM_CAD_LENGTH 1116
#define IDC_ROOM_CAD_WIDTH 1117
#define IDC_ROOM_CAD_HEIGHT 1118
#define IDC_ROOM_CAD_DOORS 1119

#define IDD_ROOM_TE 151

// The room temperature picker (151).
#define IDC_ROOMTE_TYPE 1130
#define IDC_ROOMTE_TI 1131
#define IDC_ROOMTE_HUMIDITY 1132
