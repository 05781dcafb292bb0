#pragma once
// A tool bar over QToolBar: one button a command, pictures cut from a strip bitmap, the tooltip
// and the status prompt from the command's string ("prompt\ntip"); a click sends the command
// to the frame, and the frame's update handlers enable and check the buttons when idle.

#include "platform/frame/CControlBar.h"

#include <QIcon>
#include <QImage>

#include <vector>

class QAction;

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)

public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    // The TOOLBAR resource of an id with its bitmap of the same id.
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // Command ids in order; ID_SEPARATOR makes a separator.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const override { return int(m_buttons.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    QAction* GetButtonAction(int nIndex) const;

    // A strip whose top-left pixel's colour is made transparent, and the picture of an index
    // of such a strip (null when the strip is too short).
    static QImage TransparentStrip(const QImage& strip);
    static QIcon StripPicture(const QImage& strip, int index, int width);

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;

private:
    struct Button
    {
        UINT id = 0;
        UINT style = TBBS_BUTTON;
        int image = -1;
        QAction* action = nullptr;
    };

    void Rebuild();
    void ApplyImages();
    void SendCommand(UINT id);

    std::vector<Button> m_buttons;
    QImage m_images;
    QSize m_imageSize{16, 15};
};
