#pragma once
// Dialogs and controls of the floor and wall heating design.

#define IDD_NAZEV_SKLADBY 298
#define IDC_NAZEV_SKLADBY 1498
