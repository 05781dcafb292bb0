#pragma once
// The program's logo at the right end of the tool bar area: its tooltip and status prompt come
// from string 61878, a click asks the main window to open the program's pages ("OnLogoClick").
// It hides while a tool bar covers its place.

#include "platform/ui/CBitmapButton.h"

class QObject;

class CLogo : public CBitmapButton
{
public:
    CLogo();
    ~CLogo() override;

    // Creates the logo in the frame with its bitmap; FALSE when it could not be made.
    BOOL CreateIn(CWnd* pFrame, UINT nIDBitmap);
    // Places the logo at the right end of the tool bar area, hidden when a bar covers it.
    void Reposition();

    // The registered message the logo sends to the main window when clicked.
    static UINT LogoClickMessage();

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    QObject* m_leaveWatcher = nullptr;
    CRect m_rectLast;
};
