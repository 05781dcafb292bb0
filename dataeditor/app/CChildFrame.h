#pragma once
// The frame of every document window: always shown maximised.

#include "platform/frame/CMDIChildWnd.h"

class CChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)

public:
    void ActivateFrame(int nCmdShow = -1) override;
};
