#include "app/CSplashWnd.h"

#include "app/MekrIds.h"
#include "platform/frame/CWinApp.h"
#include "platform/ui/CPaintDC.h"

CSplashWnd* CSplashWnd::c_pSplashWnd = nullptr;
BOOL CSplashWnd::c_bShowSplashWnd = TRUE;

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CSplashWnd::~CSplashWnd()
{
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
}

void CSplashWnd::EnableSplashScreen(BOOL bEnable)
{
    c_bShowSplashWnd = bEnable;
}

void CSplashWnd::ShowSplashScreen(CWnd* pParentWnd)
{
    if (!c_bShowSplashWnd || c_pSplashWnd)
        return;
    auto* picture = new CSplashWnd;
    if (!picture->Create(pParentWnd))
    {
        delete picture;
        return;
    }
    c_pSplashWnd = picture;
    picture->UpdateWindow();
}

void CSplashWnd::HideSplashScreen()
{
    if (!c_pSplashWnd)
        return;
    c_pSplashWnd->DestroyWindow();
    if (CWnd* main = AfxGetMainWnd())
        main->UpdateWindow();
}

BOOL CSplashWnd::Create(CWnd* pParentWnd)
{
    if (!m_bitmap.LoadBitmap(IDB_SPLASH))
        return FALSE;
    BITMAP bm;
    m_bitmap.GetBitmap(&bm);
    return CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, bm.bmWidth, bm.bmHeight), pParentWnd, 0);
}

void CSplashWnd::PostNcDestroy()
{
    delete this;
}

int CSplashWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CenterWindow();
    return 0;
}

void CSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    BITMAP bm;
    m_bitmap.GetBitmap(&bm);
    CBitmap* old = memory.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CSplashWnd::OnTimer(UINT_PTR /*nIDEvent*/)
{
    HideSplashScreen();
}
