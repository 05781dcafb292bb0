#pragma once
// The view of the project: it draws nothing on screen (the start picture stands over the frame);
// printing the reports comes with the printing frame.

#include "platform/frame/CView.h"

class CMekrView : public CView
{
    DECLARE_DYNCREATE(CMekrView)

public:
    void OnDraw(CDC* pDC) override;

protected:
    afx_msg void OnNotAvailable();
    DECLARE_MESSAGE_MAP()
};
