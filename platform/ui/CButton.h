#pragma once
// Push buttons, check boxes, radio buttons and group boxes (class "BUTTON").

#include "platform/ui/CWnd.h"

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    UINT GetButtonStyle() const { return UINT(m_style & 0xFFFF); }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const { return m_hBitmap; }
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const { return m_hIconImage; }

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DWORD Type() const { return m_style & BS_TYPEMASK; }
    void OnQtClicked();
    void UncheckGroupSiblings();
    void ShowImage(HGDIOBJ image);

    HBITMAP m_hBitmap = nullptr;
    HICON m_hIconImage = nullptr;
    int m_checkBeforeClick = 0;
};
