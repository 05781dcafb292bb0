#pragma once
// Common controls: up-down (spin) buttons with a buddy, sliders, progress bars and tool tips.

#include "platform/ui/CWnd.h"

#include <vector>

class QSlider;
class QProgressBar;

// Up-down control.
constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_ALIGNLEFT = 0x0008;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_HORZ = 0x0040;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;
constexpr UINT UDN_DELTAPOS = UINT(-722);

struct NMUPDOWN
{
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};
using LPNMUPDOWN = NMUPDOWN*;

struct UDACCEL
{
    UINT nSec;
    UINT nInc;
};

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
    void SetRange32(int nLower, int nUpper);
    DWORD GetRange() const { return MAKELONG(WORD(m_upper), WORD(m_lower)); }
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const { GetRange(lower, upper); }
    int SetPos(int nPos);
    int GetPos() const;
    int SetPos32(int nPos) { return SetPos(nPos); }
    int GetPos32(BOOL* lpbError = nullptr) const;
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    int SetBase(int nBase);
    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
    // A step as the arrows make it: +1 is the up (right) arrow.
    void Step(int direction);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;

private:
    void ShowInBuddy();
    int m_lower = 100;
    int m_upper = 0;
    int m_pos = 0;
    HWND m_buddy = nullptr;
    std::vector<UDACCEL> m_accel{{0, 1}};
};

// Slider (track bar).
constexpr DWORD TBS_AUTOTICKS = 0x0001;
constexpr DWORD TBS_VERT = 0x0002;
constexpr DWORD TBS_NOTICKS = 0x0010;
constexpr UINT TB_LINEUP = 0;
constexpr UINT TB_LINEDOWN = 1;
constexpr UINT TB_PAGEUP = 2;
constexpr UINT TB_PAGEDOWN = 3;
constexpr UINT TB_THUMBPOSITION = 4;
constexpr UINT TB_THUMBTRACK = 5;
constexpr UINT TB_TOP = 6;
constexpr UINT TB_BOTTOM = 7;
constexpr UINT TB_ENDTRACK = 8;

class CSliderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
    void GetRange(int& nMin, int& nMax) const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetPos(int nPos);
    int GetPos() const;
    void SetTicFreq(int nFreq);
    BOOL SetTic(int nTic);
    void ClearTics(BOOL bRedraw = FALSE);
    int SetLineSize(int nSize);
    int GetLineSize() const;
    int SetPageSize(int nSize);
    int GetPageSize() const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;

private:
    QSlider* Slider() const;
    void NotifyScroll(UINT code);
    int m_silent = 0;
    int m_pendingCode = -1;
};

// Progress bar.
class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int SetPos(int nPos);
    int GetPos() const;
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    int StepIt();

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;

private:
    QProgressBar* Bar() const;
    int m_step = 10;
};

// Tool tips: the texts show as the tool windows' tips.
constexpr UINT TTS_ALWAYSTIP = 0x01;
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_SUBCLASS = 0x0010;

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void Activate(BOOL bActivate);
    void RelayEvent(LPMSG) {}
    void SetDelayTime(UINT) {}
    int SetMaxTipWidth(int iWidth) { return iWidth; }
    CString GetToolText(CWnd* pWnd) const;

private:
    struct Tool
    {
        HWND hwnd;
        CString text;
    };
    void Show(const Tool& tool);
    std::vector<Tool> m_tools;
    BOOL m_active = TRUE;
};
