#pragma once
// Static text, frames and pictures (class "STATIC").

#include "platform/ui/CWnd.h"

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const { return m_hBitmap; }
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const { return m_hIconImage; }

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowImage(HGDIOBJ image);
    HBITMAP m_hBitmap = nullptr;
    HICON m_hIconImage = nullptr;
};
