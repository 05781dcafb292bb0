#pragma once
// A colour choice control: a box showing the current colour (the text colour over the fill
// colour) with a drop-down arrow; a click opens the colour drop-down under it. It tells its
// parent what happens with the drop-down's messages, lParam its control id.

#include "platform/ui/CWnd.h"

class CColourPicker : public CWnd
{
    DECLARE_DYNAMIC(CColourPicker)
public:
    CColourPicker();

    // The picker in the place of a dialog's control of that id, which it hides and whose id
    // it takes.
    BOOL CreateOver(CWnd* dialog, UINT id);

    // Mode 1 edits the text colour, 2 the fill colour.
    COLORREF GetColour() const { return selectionMode == 1 ? textColour : backColour; }
    void SetColour(COLORREF colour);
    void SetBkColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    void SetDefaultText(LPCTSTR text) { defaultText = text ? text : ""; }
    void SetCustomText(LPCTSTR text) { customText = text ? text : ""; }

    // Opens the drop-down (as a click does).
    void OpenPopup();
    // The colours it draws with: automatic as the button face and black text.
    COLORREF DrawnBackColour() const;
    COLORREF DrawnTextColour() const;
    CRect ArrowRect() const;

    // The open drop-down, null when none.
    class CColourPopup* popup = nullptr;
    bool active = false;
    bool trackSelection = false;
    COLORREF backColour;
    COLORREF textColour;
    int selectionMode = 2;
    CString defaultText = "Automatic";
    CString customText = "More Colours...";

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg LRESULT OnSelectionChange(WPARAM colour, LPARAM);
    afx_msg LRESULT OnEndAccepted(WPARAM colour, LPARAM);
    afx_msg LRESULT OnEndCancelled(WPARAM colour, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void Notify(UINT message, COLORREF colour);
    int ArrowSide() const;
};
