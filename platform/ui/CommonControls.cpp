#include "platform/ui/CommonControls.h"

#include "platform/ui/ControlSignals.h"

#include "platform/ui/QtText.h"

#include <QBoxLayout>
#include <QProgressBar>
#include <QSlider>
#include <QToolButton>
#include <QWidget>

#include <cstdlib>
#include <functional>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace
{
// Two arrow buttons, up and down (or right and left).
class SpinWidget : public QWidget
{
public:
    SpinWidget(QWidget* parent, bool horizontal) : QWidget(parent)
    {
        QBoxLayout* layout =
            horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(this)) : new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        more = new QToolButton(this);
        less = new QToolButton(this);
        more->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
        less->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
        for (QToolButton* b : {more, less})
        {
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        }
        if (horizontal)
        {
            layout->addWidget(less);
            layout->addWidget(more);
        }
        else
        {
            layout->addWidget(more);
            layout->addWidget(less);
        }
    }
    QToolButton* more;
    QToolButton* less;
};

void SendScroll(CWnd* from, UINT message, UINT code, int pos)
{
    if (CWnd* parent = from->GetParent())
        parent->SendMessage(message, MAKEWPARAM(WORD(code), WORD(short(pos))),
                            reinterpret_cast<LPARAM>(from->m_hWnd));
}
} // namespace

// ---- up-down ---------------------------------------------------------------------------------------

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "msctls_updown32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CSpinButtonCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    return new SpinWidget(parent, cs.style & UDS_HORZ);
}

void CSpinButtonCtrl::ConnectWidget()
{
    auto* spin = static_cast<SpinWidget*>(GetWidget());
    ConnectControl<CSpinButtonCtrl>(spin, spin->more, &QToolButton::clicked,
                                    [](CSpinButtonCtrl& self, bool) { self.Step(+1); });
    ConnectControl<CSpinButtonCtrl>(spin, spin->less, &QToolButton::clicked,
                                    [](CSpinButtonCtrl& self, bool) { self.Step(-1); });
    if (m_style & UDS_AUTOBUDDY)
        SetBuddy(GetWindow(GW_HWNDPREV));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    m_lower = nLower;
    m_upper = nUpper;
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    lower = m_lower;
    upper = m_upper;
}

int CSpinButtonCtrl::SetPos(int nPos)
{
    const int old = m_pos;
    m_pos = std::clamp(nPos, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
    ShowInBuddy();
    return old;
}

int CSpinButtonCtrl::GetPos32(BOOL* lpbError) const
{
    int pos = m_pos;
    bool error = false;
    // With an integer buddy the buddy's text is the position.
    if (CWnd* buddy = GetBuddy(); buddy && (m_style & UDS_SETBUDDYINT))
    {
        CString text;
        buddy->GetWindowText(text);
        char* end = nullptr;
        const long value = std::strtol(text.GetString(), &end, 10);
        error = text.IsEmpty() || (end && *end) || value < std::min(m_lower, m_upper) ||
                value > std::max(m_lower, m_upper);
        if (!error)
            pos = int(value);
    }
    if (lpbError)
        *lpbError = error;
    return pos;
}

int CSpinButtonCtrl::GetPos() const
{
    BOOL error = FALSE;
    const int pos = GetPos32(&error);
    return int(MAKELONG(WORD(pos), WORD(error ? 1 : 0)));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    CWnd* old = GetBuddy();
    m_buddy = pWndBuddy ? pWndBuddy->m_hWnd : nullptr;
    if (pWndBuddy && (m_style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)))
    {
        // The arrows sit against the buddy's edge, inside its old width.
        CRect buddy, mine;
        pWndBuddy->GetWindowRect(&buddy);
        GetWindowRect(&mine);
        if (CWnd* parent = GetParent())
        {
            parent->ScreenToClient(&buddy);
            parent->ScreenToClient(&mine);
        }
        const int width = mine.Width();
        if (m_style & UDS_ALIGNRIGHT)
        {
            pWndBuddy->MoveWindow(buddy.left, buddy.top, buddy.Width() - width, buddy.Height());
            MoveWindow(buddy.right - width, buddy.top, width, buddy.Height());
        }
        else
        {
            pWndBuddy->MoveWindow(buddy.left + width, buddy.top, buddy.Width() - width, buddy.Height());
            MoveWindow(buddy.left, buddy.top, width, buddy.Height());
        }
    }
    ShowInBuddy();
    return old;
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle(m_buddy);
}

int CSpinButtonCtrl::SetBase(int nBase)
{
    return nBase == 10 || nBase == 16 ? 10 : 0;
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    if (nAccel <= 0 || !pAccel)
        return FALSE;
    m_accel.assign(pAccel, pAccel + nAccel);
    return TRUE;
}

void CSpinButtonCtrl::ShowInBuddy()
{
    if (CWnd* buddy = GetBuddy(); buddy && (m_style & UDS_SETBUDDYINT))
        buddy->SetWindowText(std::to_string(m_pos).c_str());
}

void CSpinButtonCtrl::Step(int direction)
{
    m_pos = GetPos32();
    const int toward = m_upper >= m_lower ? 1 : -1;
    const int delta = direction * toward * int(m_accel.front().nInc);
    NMUPDOWN nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = m_nID;
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = m_pos;
    nm.iDelta = delta;
    CWnd* parent = GetParent();
    if (parent && parent->SendMessage(WM_NOTIFY, WPARAM(m_nID), reinterpret_cast<LPARAM>(&nm)) != 0)
        return;
    if (!m_hWnd)
        return;
    const int low = std::min(m_lower, m_upper), high = std::max(m_lower, m_upper);
    int next = m_pos + nm.iDelta;
    if (m_style & UDS_WRAP)
        next = next > high ? low : next < low ? high : next;
    next = std::clamp(next, low, high);
    m_pos = next;
    ShowInBuddy();
    const UINT message = (m_style & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    SendScroll(this, message, SB_THUMBPOSITION, m_pos);
    if (m_hWnd)
        SendScroll(this, message, SB_ENDSCROLL, m_pos);
}

// ---- slider -----------------------------------------------------------------------------------------

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "msctls_trackbar32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CSliderCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* slider = new QSlider((cs.style & TBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setSingleStep(1);
    slider->setPageStep(20);
    slider->setTickPosition((cs.style & TBS_NOTICKS) ? QSlider::NoTicks : QSlider::TicksBelow);
    return slider;
}

void CSliderCtrl::ConnectWidget()
{
    QSlider* slider = Slider();
    ConnectControl<CSliderCtrl>(slider, slider, &QAbstractSlider::actionTriggered,
                                [](CSliderCtrl& self, int action)
                                {
                                    if (self.m_silent)
                                        return;
                                    switch (action)
                                    {
                                    case QAbstractSlider::SliderSingleStepAdd:
                                        self.m_pendingCode = TB_LINEDOWN;
                                        break;
                                    case QAbstractSlider::SliderSingleStepSub:
                                        self.m_pendingCode = TB_LINEUP;
                                        break;
                                    case QAbstractSlider::SliderPageStepAdd:
                                        self.m_pendingCode = TB_PAGEDOWN;
                                        break;
                                    case QAbstractSlider::SliderPageStepSub:
                                        self.m_pendingCode = TB_PAGEUP;
                                        break;
                                    case QAbstractSlider::SliderToMinimum:
                                        self.m_pendingCode = TB_TOP;
                                        break;
                                    case QAbstractSlider::SliderToMaximum:
                                        self.m_pendingCode = TB_BOTTOM;
                                        break;
                                    case QAbstractSlider::SliderMove:
                                        self.m_pendingCode = TB_THUMBTRACK;
                                        break;
                                    default:
                                        break;
                                    }
                                });
    // The parent hears of a move once the slider stands at its new position.
    ConnectControl<CSliderCtrl>(slider, slider, &QAbstractSlider::valueChanged,
                                [](CSliderCtrl& self, int)
                                {
                                    if (self.m_silent || self.m_pendingCode < 0)
                                        return;
                                    const UINT code = UINT(self.m_pendingCode);
                                    self.m_pendingCode = -1;
                                    self.NotifyScroll(code);
                                    if (code != TB_THUMBTRACK && self.m_hWnd)
                                        self.NotifyScroll(TB_ENDTRACK);
                                });
    ConnectControl<CSliderCtrl>(slider, slider, &QAbstractSlider::sliderReleased,
                                [](CSliderCtrl& self)
                                {
                                    self.NotifyScroll(TB_THUMBPOSITION);
                                    if (self.m_hWnd)
                                        self.NotifyScroll(TB_ENDTRACK);
                                });
}

QSlider* CSliderCtrl::Slider() const
{
    return qobject_cast<QSlider*>(GetWidget());
}

void CSliderCtrl::NotifyScroll(UINT code)
{
    SendScroll(this, (m_style & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL, code, GetPos());
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL)
{
    ++m_silent;
    Slider()->setRange(nMin, nMax);
    --m_silent;
}

void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw)
{
    SetRange(nMin, GetRangeMax(), bRedraw);
}
void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw)
{
    SetRange(GetRangeMin(), nMax, bRedraw);
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const
{
    nMin = GetRangeMin();
    nMax = GetRangeMax();
}

int CSliderCtrl::GetRangeMin() const
{
    return Slider() ? Slider()->minimum() : 0;
}
int CSliderCtrl::GetRangeMax() const
{
    return Slider() ? Slider()->maximum() : 0;
}

void CSliderCtrl::SetPos(int nPos)
{
    ++m_silent;
    Slider()->setValue(nPos);
    --m_silent;
}

int CSliderCtrl::GetPos() const
{
    return Slider() ? Slider()->value() : 0;
}
void CSliderCtrl::SetTicFreq(int nFreq)
{
    Slider()->setTickInterval(nFreq);
}
BOOL CSliderCtrl::SetTic(int)
{
    return TRUE;
}
void CSliderCtrl::ClearTics(BOOL)
{
    Slider()->setTickInterval(0);
}

int CSliderCtrl::SetLineSize(int nSize)
{
    const int old = Slider()->singleStep();
    Slider()->setSingleStep(nSize);
    return old;
}

int CSliderCtrl::GetLineSize() const
{
    return Slider()->singleStep();
}

int CSliderCtrl::SetPageSize(int nSize)
{
    const int old = Slider()->pageStep();
    Slider()->setPageStep(nSize);
    return old;
}

int CSliderCtrl::GetPageSize() const
{
    return Slider()->pageStep();
}

// ---- progress bar ---------------------------------------------------------------------------------------

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "msctls_progress32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CProgressCtrl::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}

QProgressBar* CProgressCtrl::Bar() const
{
    return qobject_cast<QProgressBar*>(GetWidget());
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    Bar()->setRange(nLower, std::max(nLower, nUpper));
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    nLower = Bar()->minimum();
    nUpper = Bar()->maximum();
}

int CProgressCtrl::SetPos(int nPos)
{
    const int old = GetPos();
    Bar()->setValue(std::clamp(nPos, Bar()->minimum(), Bar()->maximum()));
    return old;
}

int CProgressCtrl::GetPos() const
{
    return std::max(Bar()->value(), Bar()->minimum());
}
int CProgressCtrl::OffsetPos(int nPos)
{
    return SetPos(GetPos() + nPos);
}

int CProgressCtrl::SetStep(int nStep)
{
    const int old = m_step;
    m_step = nStep;
    return old;
}

int CProgressCtrl::StepIt()
{
    // Past the end the bar starts again from the beginning.
    const int old = GetPos();
    int next = old + m_step;
    if (next > Bar()->maximum())
        next = Bar()->minimum() + (next - Bar()->maximum());
    Bar()->setValue(std::clamp(next, Bar()->minimum(), Bar()->maximum()));
    return old;
}

// ---- tool tips
// ----------------------------------------------------------------------------------------------

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD)
{
    m_pOwner = pParentWnd;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT, UINT_PTR)
{
    if (!pWnd || !pWnd->m_hWnd)
        return FALSE;
    DelTool(pWnd);
    m_tools.push_back({pWnd->m_hWnd, lpszText ? lpszText : ""});
    Show(m_tools.back());
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString text;
    text.LoadString(nIDText);
    return AddTool(pWnd, text, lpRectTool, nIDTool);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR)
{
    for (Tool& tool : m_tools)
        if (pWnd && tool.hwnd == pWnd->m_hWnd)
        {
            tool.text = lpszText ? lpszText : "";
            Show(tool);
        }
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR)
{
    for (auto it = m_tools.begin(); it != m_tools.end();)
        if (pWnd && it->hwnd == pWnd->m_hWnd)
        {
            if (QWidget* w = CWnd::WidgetOf(it->hwnd); w && CWnd::FromHandle(it->hwnd))
                w->setToolTip(QString());
            it = m_tools.erase(it);
        }
        else
        {
            ++it;
        }
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    m_active = bActivate;
    for (const Tool& tool : m_tools)
        Show(tool);
}

CString CToolTipCtrl::GetToolText(CWnd* pWnd) const
{
    for (const Tool& tool : m_tools)
        if (pWnd && tool.hwnd == pWnd->m_hWnd)
            return tool.text;
    return CString();
}

void CToolTipCtrl::Show(const Tool& tool)
{
    if (!CWnd::FromHandle(tool.hwnd))
        return;
    CWnd::WidgetOf(tool.hwnd)->setToolTip(m_active ? ToQString(tool.text) : QString());
}
