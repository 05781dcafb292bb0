#pragma once
// The windows dialog: every document window of the main frame; activate or close them.

#include "platform/ui/CDialog.h"

#include <vector>

class CMDIChildWnd;
class CMDIFrameWnd;

class CWindowsDlg : public CDialog
{
public:
    explicit CWindowsDlg(CMDIFrameWnd* frame);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnCloseWindows();
    DECLARE_MESSAGE_MAP()

private:
    void Fill();
    CMDIFrameWnd* m_frame;
    std::vector<CMDIChildWnd*> m_children;
};
