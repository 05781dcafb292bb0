#pragma once
// Resource and command ids of the editor's small controls and dialogs (the calculator, the status
// bar's buttons and progress, the transfer options, the tree options test dialog) and of the export.

// Calculator.
#define IDD_CALCULATOR 1023
#define IDC_CALC_FORMULA 1632
#define IDC_CALC_CLEAR 1519
#define IDC_CALC_0 1500
#define IDC_CALC_1 1501
#define IDC_CALC_TEN_POWER 1502
#define IDC_CALC_2 1503
#define IDC_CALC_3 1504
#define IDC_CALC_4 1505
#define IDC_CALC_5 1506
#define IDC_CALC_6 1507
#define IDC_CALC_7 1508
#define IDC_CALC_8 1509
#define IDC_CALC_9 1510
#define IDC_CALC_ABS 1511
#define IDC_CALC_ARCCOS 1512
#define IDC_CALC_ARCSIN 1516
#define IDC_CALC_ARCTAN 1517
#define IDC_CALC_COS 1528
#define IDC_CALC_COTAN 1529
#define IDC_CALC_DEG 1531
#define IDC_CALC_DECIMAL 1534
#define IDC_CALC_DIVIDE 1536
#define IDC_CALC_EXP 1537
#define IDC_CALC_I 1544
#define IDC_CALC_LN 1545
#define IDC_CALC_LOG 1546
#define IDC_CALC_MINUS 1547
#define IDC_CALC_TIMES 1548
#define IDC_CALC_PLUS 1553
#define IDC_CALC_RAD 1556
#define IDC_CALC_SIN 1559
#define IDC_CALC_SQR 1560
#define IDC_CALC_TAN 1561
#define IDC_CALC_X 1564
#define IDC_CALC_SQUARE 1565
#define IDC_CALC_POWER 1566
#define IDS_CALC_INVALID 1094
#define IDS_CALC_EMPTY 1095

// Export.
#define IDS_EXPORT_FAILED 1183
#define IDS_EXPORT_SHEET_EXISTS 1184

// Transfer options.
#define IDD_TRANSFER_OPTIONS 1416
#define IDC_TRANSFER_ADD_ROWS 1578
#define IDC_TRANSFER_CHECK_NAMES 1716
#define IDC_TRANSFER_PRODUCER 1718

// Status bar message buttons: commands and pictures (up, pressed, disabled).
#define ID_STATUS_PREVIOUS 2001
#define ID_STATUS_NEXT 2002
#define ID_STATUS_ACT 2003
#define IDB_STATUS_ACT 1000
#define IDB_STATUS_ACT_DISABLED 1001
#define IDB_STATUS_ACT_DOWN 1002
#define IDB_STATUS_PREVIOUS 1004
#define IDB_STATUS_PREVIOUS_DISABLED 1005
#define IDB_STATUS_PREVIOUS_DOWN 1006
#define IDB_STATUS_NEXT 1008
#define IDB_STATUS_NEXT_DISABLED 1009
#define IDB_STATUS_NEXT_DOWN 1010

// Tree options: the pictures of check boxes and radio buttons, 13 pixels wide each.
#define IDB_TREE_OPTIONS 1960

// The test dialog of the tree options control: the tree over its placeholder, the line telling
// the last change, and its text.
#define IDD_TREE_OPTIONS_TEST 1985
#define IDC_TREE_OPTIONS_PLACE 1986
#define IDC_TREE_OPTIONS_CHANGE 1987
#define IDS_TREE_OPTIONS_CHANGED 1988
