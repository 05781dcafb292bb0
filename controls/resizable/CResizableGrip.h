#pragma once
// The triangular size grip in the bottom-right corner of a resizable window. A mix-in: the window
// class it is mixed into supplies the window. The grip is disabled (and shows nothing) while the
// window is maximised.

#include "controls/resizable/CSizeGrip.h"

class CWnd;

class CResizableGrip
{
public:
    CResizableGrip();
    virtual ~CResizableGrip();

    // Creates and shows the grip; FALSE when it cannot be created.
    BOOL CreateGripWindow();
    // Moves the grip to the bottom-right corner of the client area, below every other control.
    void PlaceGrip();
    void ShowGrip(BOOL bShow);

    CSize GetGripSize() const { return m_sizeGrip; }
    CWnd* GetGripWindow() { return &m_wndGrip; }

protected:
    virtual CWnd* GetLayoutWindow() = 0;

private:
    CSize m_sizeGrip;
    CSizeGrip m_wndGrip;
};
