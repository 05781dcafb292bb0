#include "dataeditor/app/CChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

void CChildFrame::ActivateFrame(int) { CMDIChildWnd::ActivateFrame(SW_SHOWMAXIMIZED); }
