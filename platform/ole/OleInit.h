#pragma once
// The program's start of automation: VARIANTs then free and copy their arrays and objects for as
// long as the program runs (a program or library that calls it keeps the automation part loaded).

#include "platform/core/WinTypes.h"

BOOL AfxOleInit();
