#pragma once
// Dialog data exchange of a colour picker control and a colour member.

#include "platform/core/WinTypes.h"

class CDataExchange;

// Saving: the member takes the picker's colour; loading: the picker shows the member.
void DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& colour);
