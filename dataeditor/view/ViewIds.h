#pragma once
// String ids of the table window's commands: export, printing, search, the journal and the
// row formats.

// Export.
#define IDS_EXPORT_TEXT_PROGRESS 1181
#define IDS_EXPORT_SHEET_PROGRESS 1182
#define IDS_EXPORT_HTML_PROGRESS 1185
#define IDS_EXPORT_TITLE 1193
#define IDS_EXPORT_FILTER 1194
#define IDS_EXPORT_REPLACE 1950

// Undo journal.
#define IDS_JOURNAL_NOW 1190
#define IDS_JOURNAL_REDOING 1191
#define IDS_JOURNAL_UNDOING 1192
#define IDS_JOURNAL_CALLER 1951

// Row, column and cell commands.
#define IDS_ADD_ROW_CAPTION 1165
#define IDS_ADD_ROW_QUESTION 1166
#define IDS_NO_SWITCHED_OFF_ROWS 1187
#define IDS_DELETE_ROWS_PROGRESS 1195
#define IDS_DELETE_ROWS_GROUP 1196
#define IDS_MOVE_ROWS_GROUP 1197
#define IDS_FILL_GROUP 1198
#define IDS_NEW_COLUMN_TITLE 1233
#define IDS_DELETE_COLUMNS_PROGRESS 1234
#define IDS_DELETE_COLUMNS_GROUP 1235

// Commands of the table window not named elsewhere.
#define ID_FREEZE_COLUMNS 49076
#define ID_MARK_SWITCHED_OFF_ROWS 49086
#define ID_ROW_BOTTOM 49110
#define ID_ROW_TOP 49112
#define ID_APPLY_ROW_FORMATS 49116
#define ID_FILL 49117

// Formula and sums.
#define IDS_FORMULA_FAILED 1188
#define IDS_FORMULA_GROUP 1189
#define IDS_COLUMN_RETYPED_GROUP 1100
