#pragma once
// Dialogs, controls, cursors and texts of the wall heating design.

#define IDD_NAVRH_STENOVKY 297
#define IDD_STENA 308

// The wall-heating room dialog.
#define IDC_STENA_NAME 1559
#define IDC_STENA_CIRCUIT 1560
#define IDC_STENA_HEAT_DEMAND 1561
#define IDC_STENA_CONNECTION 1564
#define IDC_STENA_OK 1565
#define IDC_STENA_NUMBER 1566
#define IDC_STENA_TI 1567
#define IDC_STENA_AVAILABLE 1568
#define IDC_STENA_SEGMENTS 1576
#define IDC_STENA_SEGMENT_AREA 1577
