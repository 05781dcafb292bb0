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
