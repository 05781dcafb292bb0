// String ids of the core tests' resources.
#define IDS_ERROR_CAPTION 61448
#define IDS_WARNING_CAPTION 61449
#define IDS_FILE_PROBLEM 61471
