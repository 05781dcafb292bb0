#pragma once
// The drop-down of a colour choice: 40 named colours in 8 columns, an optional "Automatic" box
// above them and an optional box below them that opens the colour dialog. It follows the mouse
// and the arrow keys, tells its owner every highlighted colour and ends with the chosen colour
// (Return, Space, a click) or the initial one (Escape, a click outside, another application).
// It lives on the heap and deletes itself when its window goes.

#include "platform/ui/CWnd.h"

class CColourPopup : public CWnd
{
public:
    // Messages to the owner; wParam the colour, lParam 0.
    static constexpr UINT selectionChange = WM_USER + 1001;
    static constexpr UINT dropDown = WM_USER + 1002;
    static constexpr UINT closeUp = WM_USER + 1003;
    static constexpr UINT endAccepted = WM_USER + 1004;
    static constexpr UINT endCancelled = WM_USER + 1005;

    static constexpr COLORREF automatic = 0xFF000000;
    static constexpr int colourCount = 40;
    static constexpr int columns = 8;
    static constexpr int rows = 5;
    // Box indexes beside the colours 0 to 39.
    static constexpr int noBox = -1;
    static constexpr int customBox = -2;
    static constexpr int defaultBox = -3;

    struct NamedColour
    {
        const char* name;
        COLORREF colour;
    };
    static const NamedColour table[colourCount];

    // Opens at point (screen), owned by owner; a null or empty text leaves its box out.
    BOOL Create(CPoint point, COLORREF initial, CWnd* owner, LPCTSTR defaultText, LPCTSTR customText);

    // The box a colour stands in.
    int ChosenBoxOf(COLORREF colour) const;
    // The box an arrow key leads to from a box.
    int NextBox(int box, UINT key) const;
    // The box under a client point; noBox for none.
    int BoxAt(CPoint point) const;
    CRect BoxRect(int box) const;
    int Margin() const { return m_margin; }
    int BoxSize() const { return m_boxSize; }
    int CurrentBox() const { return m_currentBox; }
    int ChosenBox() const { return m_chosenBox; }
    COLORREF CurrentColour() const { return m_currentColour; }

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnActivateApp(BOOL active, DWORD threadId);
    DECLARE_MESSAGE_MAP()

private:
    void Layout(CPoint point);
    void ChangeSelection(int box);
    void EndSelection(bool accepted);
    void DrawBox(CDC* dc, int box);

    int m_margin = 2;
    int m_boxSize = 18;
    int m_currentBox = noBox;
    int m_chosenBox = noBox;
    CString m_defaultText;
    CString m_customText;
    CRect m_defaultRect;
    CRect m_customRect;
    int m_colourTop = 0;
    COLORREF m_initialColour = automatic;
    COLORREF m_currentColour = automatic;
    bool m_colourDialogOpen = false;
    bool m_ended = false;
    CWnd* m_owner = nullptr;
};
