// Ids of the single-document test program.
#define IDR_SDI_TEST 128
#define ID_CALCULATE 32771
#define ID_EXPORT 32772
#define IDS_IDLE 57345
#define IDR_MDI_MAIN 129
#define IDR_MDI_DOC 130
#define IDR_RES_FRAME 131
#define IDD_FORM 140
#define IDC_NAME 1001
