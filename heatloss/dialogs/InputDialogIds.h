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

#define IDD_WALL 133
#define IDD_WALL_TI_VEDL 142

// The wall (133); the edit fields from the second dimension to the neighbour in tab order.
#define IDC_WALL_SLOT 1160
#define IDC_WALL_KIND 1161
#define IDC_WALL_WIDTH 1162
#define IDC_WALL_CAD_WIDTH 1163
#define IDC_WALL_SECOND_LABEL 1164
#define IDC_WALL_SECOND 1165
#define IDC_WALL_U 1166
#define IDC_WALL_OUTER_DIFF 1167
#define IDC_WALL_INNER_DIFF 1168
#define IDC_WALL_NEIGHBOUR 1169
#define IDC_WALL_CAD_SECOND 1170
#define IDC_WALL_PICK_U 1171
#define IDC_WALL_OUTER 1172
#define IDC_WALL_INNER 1173
#define IDC_WALL_PICK_TEMPERATURE 1174
#define IDC_WALL_OK 1175
#define IDS_NOT_FILLED_IN 61446

// The adjacent-space temperature picker (142): thirteen choices in table order.
#define IDC_ADJ_FIRST_CHOICE 1180
#define IDC_ADJ_TE 1195
#define IDC_ADJ_CHOSEN 1196
#define IDS_ADJ_NO_VALUES 62453

#define IDD_DATA_MENENI 286

// The bulk change (286).
#define IDC_BULK_COLUMN 1424
#define IDC_BULK_OLD_VALUE 1425
#define IDC_BULK_NEW_VALUE 1426
#define IDC_BULK_COND_COLUMN1 1427
#define IDC_BULK_COND_COLUMN3 1429
#define IDC_BULK_COND_OP1 1430
#define IDC_BULK_COND_VALUE1 1433
#define IDC_BULK_COND_VALUE3 1435
#define IDC_BULK_AND2 1436
#define IDC_BULK_AND3 1437
#define IDC_BULK_WHERE 1438
#define IDS_BULK_VALUE_DOES_NOT_FIT 62454
