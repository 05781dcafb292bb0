// Resource ids of the window tests' dialogs, menus and images.
#define IDD_DATA 100
#define IDD_NESTED 101
#define IDD_PAGE_ONE 102
#define IDD_PAGE_TWO 103
#define IDR_TEST_MENU 200
#define IDR_TEST_TOOLBAR 201
#define IDB_TEST_TOOLBAR 202
#define IDI_ROOM 203

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_LENGTH 1003
#define IDC_HEATED 1004
#define IDC_KIND_A 1005
#define IDC_KIND_B 1006
#define IDC_KIND_C 1007
#define IDC_PLACE 1008
#define IDC_OPEN 1009
#define IDC_CLOSE_OK 1010
#define IDC_NOTE 1011
#define IDC_ICON 1012
#define IDC_PAGE_VALUE 1013
#define IDC_PAGE_FLAG 1014

#define ID_TEST_NEW 32771
#define ID_TEST_OPEN 32772
#define ID_TEST_HELP 32773
