#pragma once
// The floor calculation settings as the program runs them, for the main window's command and
// the floor design dialog alike.

// Fills an empty spacing-series list with the two default series; with the skip flag set
// returns IDOK without a dialog. Otherwise fills dialog 230 from the settings, runs it and on
// OK copies the settings back (the design flow and return temperatures only without the
// temperature lock) with the dialog's series as the list's content. The dialog's result.
int RunFloorCalculationSettings(int temperatureLock);
