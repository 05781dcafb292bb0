#include "platform/ui/CScrollBar.h"

#include "platform/ui/ControlSignals.h"

#include <QScrollBar>
#include <QSizeGrip>

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "SCROLLBAR", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CScrollBar::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    if (cs.style & SBS_SIZEGRIP)
        return new QSizeGrip(parent);
    return new QScrollBar((cs.style & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
}

void CScrollBar::ConnectWidget()
{
    QScrollBar* bar = Bar();
    if (!bar)
        return;
    const UINT message = bar->orientation() == Qt::Vertical ? WM_VSCROLL : WM_HSCROLL;
    auto send = [bar, message](UINT code, int pos)
    {
        CScrollBar* self = ControlOf<CScrollBar>(bar);
        if (CWnd* parent = self ? self->GetParent() : nullptr)
            parent->SendMessage(message, MAKEWPARAM(WORD(code), WORD(short(pos))),
                                reinterpret_cast<LPARAM>(self->m_hWnd));
    };
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar,
                     [bar, send](int action)
                     {
                         // The parent moves the thumb itself.
                         const int pos = bar->sliderPosition();
                         bar->setSliderPosition(bar->value());
                         switch (action)
                         {
                         case QAbstractSlider::SliderSingleStepAdd:
                             send(SB_LINEDOWN, 0);
                             break;
                         case QAbstractSlider::SliderSingleStepSub:
                             send(SB_LINEUP, 0);
                             break;
                         case QAbstractSlider::SliderPageStepAdd:
                             send(SB_PAGEDOWN, 0);
                             break;
                         case QAbstractSlider::SliderPageStepSub:
                             send(SB_PAGEUP, 0);
                             break;
                         case QAbstractSlider::SliderToMinimum:
                             send(SB_TOP, 0);
                             break;
                         case QAbstractSlider::SliderToMaximum:
                             send(SB_BOTTOM, 0);
                             break;
                         case QAbstractSlider::SliderMove:
                             send(SB_THUMBTRACK, pos);
                             break;
                         default:
                             break;
                         }
                     });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar,
                     [bar, send]
                     {
                         send(SB_THUMBPOSITION, bar->sliderPosition());
                         send(SB_ENDSCROLL, 0);
                     });
}

QScrollBar* CScrollBar::Bar() const
{
    return qobject_cast<QScrollBar*>(GetWidget());
}

int CScrollBar::GetScrollPos() const
{
    return Bar() ? Bar()->value() : 0;
}

int CScrollBar::SetScrollPos(int nPos, BOOL)
{
    if (!Bar())
        return 0;
    const QSignalBlocker block(Bar());
    const int old = Bar()->value();
    Bar()->setValue(nPos);
    return old;
}

void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
{
    if (lpMinPos)
        *lpMinPos = Bar() ? Bar()->minimum() : 0;
    if (lpMaxPos)
        *lpMaxPos = Bar() ? Bar()->maximum() + std::max(0, Bar()->pageStep() - 1) : 0;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL)
{
    if (Bar())
    {
        const QSignalBlocker block(Bar());
        Bar()->setRange(nMinPos, std::max(nMinPos, nMaxPos - std::max(0, Bar()->pageStep() - 1)));
    }
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL)
{
    if (!Bar() || !info)
        return FALSE;
    const QSignalBlocker block(Bar());
    if (info->fMask & SIF_PAGE)
        Bar()->setPageStep(int(std::max<UINT>(1, info->nPage)));
    if (info->fMask & SIF_RANGE)
        Bar()->setRange(info->nMin, std::max(info->nMin, info->nMax - std::max(0, int(info->nPage) - 1)));
    if (info->fMask & SIF_POS)
        Bar()->setValue(info->nPos);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT nMask)
{
    if (!Bar() || !info)
        return FALSE;
    info->fMask = nMask;
    info->nMin = Bar()->minimum();
    info->nMax = Bar()->maximum() + std::max(0, Bar()->pageStep() - 1);
    info->nPage = UINT(Bar()->pageStep());
    info->nPos = Bar()->value();
    info->nTrackPos = Bar()->sliderPosition();
    return TRUE;
}
