#pragma once
// Buttons that show bitmaps of the resources instead of text: up, down, focused and disabled
// images (only the up image is required).

#include "platform/ui/CButton.h"

class CBitmapButton : public CButton
{
    DECLARE_DYNAMIC(CBitmapButton)
public:
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0, UINT nIDBitmapResourceFocus = 0,
                     UINT nIDBitmapResourceDisabled = 0);
    BOOL LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel = nullptr,
                     LPCTSTR lpszBitmapResourceFocus = nullptr, LPCTSTR lpszBitmapResourceDisabled = nullptr);
    // Takes over the dialog's button of that id; its bitmaps come from LoadBitmaps.
    BOOL AutoLoad(UINT nID, CWnd* pParent);
    void SizeToContent();

protected:
    void PreSubclassWindow() override;
    int m_width = 0;
    int m_height = 0;
    HBITMAP m_images[4] = {nullptr, nullptr, nullptr, nullptr};

private:
    void Show();
};
