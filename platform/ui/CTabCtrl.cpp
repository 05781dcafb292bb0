#include "platform/ui/CTabCtrl.h"

#include "platform/ui/ControlSignals.h"
#include "platform/ui/QtText.h"

#include <QTabBar>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "SysTabControl32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CTabCtrl::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    auto* bar = new QTabBar(parent);
    bar->setDrawBase(true);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(true);
    return bar;
}

void CTabCtrl::ConnectWidget()
{
    QTabBar* bar = Bar();
    ConnectControl<CTabCtrl>(bar, bar, &QTabBar::currentChanged,
                             [](CTabCtrl& self, int index)
                             {
                                 if (self.m_silent == 0)
                                     self.OnUserChange(index);
                             });
}

QTabBar* CTabCtrl::Bar() const
{
    return qobject_cast<QTabBar*>(GetWidget());
}

LRESULT CTabCtrl::Notify(UINT code)
{
    CWnd* owner = GetOwner();
    if (!owner)
        return 0;
    NMHDR hdr;
    hdr.hwndFrom = m_hWnd;
    hdr.idFrom = m_nID;
    hdr.code = code;
    return owner->SendMessage(WM_NOTIFY, WPARAM(m_nID), reinterpret_cast<LPARAM>(&hdr));
}

void CTabCtrl::OnUserChange(int index)
{
    // The owner hears of the change while the old tab is still the current one, and may keep it.
    const int wanted = index;
    ++m_silent;
    Bar()->setCurrentIndex(m_current);
    --m_silent;
    if (Notify(TCN_SELCHANGING) != 0)
        return;
    ++m_silent;
    Bar()->setCurrentIndex(wanted);
    --m_silent;
    m_current = wanted;
    Notify(TCN_SELCHANGE);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    QTabBar* bar = Bar();
    if (!bar || nItem < 0)
        return -1;
    ++m_silent;
    const int at = bar->insertTab(std::min(nItem, bar->count()), WithoutMnemonics(ToQString(lpszItem)));
    if (m_current < 0 || bar->count() == 1)
        m_current = bar->currentIndex();
    else if (at <= m_current)
        ++m_current;
    bar->setCurrentIndex(m_current);
    --m_silent;
    return at;
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pItem)
{
    const LONG at = InsertItem(nItem, (pItem && (pItem->mask & TCIF_TEXT)) ? pItem->pszText : "");
    if (at >= 0 && pItem && (pItem->mask & TCIF_PARAM))
        Bar()->setTabData(at, QVariant::fromValue<qlonglong>(pItem->lParam));
    return at;
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* pItem)
{
    QTabBar* bar = Bar();
    if (!bar || !pItem || nItem < 0 || nItem >= bar->count())
        return FALSE;
    if (pItem->mask & TCIF_TEXT)
        bar->setTabText(nItem, WithoutMnemonics(ToQString(pItem->pszText)));
    if (pItem->mask & TCIF_PARAM)
        bar->setTabData(nItem, QVariant::fromValue<qlonglong>(pItem->lParam));
    return TRUE;
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pItem) const
{
    QTabBar* bar = Bar();
    if (!bar || !pItem || nItem < 0 || nItem >= bar->count())
        return FALSE;
    if ((pItem->mask & TCIF_TEXT) && pItem->pszText)
        CopyText(ToCString(bar->tabText(nItem)), pItem->pszText, pItem->cchTextMax);
    if (pItem->mask & TCIF_PARAM)
        pItem->lParam = LPARAM(bar->tabData(nItem).toLongLong());
    return TRUE;
}

BOOL CTabCtrl::DeleteItem(int nItem)
{
    QTabBar* bar = Bar();
    if (!bar || nItem < 0 || nItem >= bar->count())
        return FALSE;
    ++m_silent;
    bar->removeTab(nItem);
    m_current = bar->currentIndex();
    --m_silent;
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    while (GetItemCount() > 0)
        DeleteItem(0);
    m_current = -1;
    return TRUE;
}

int CTabCtrl::GetItemCount() const
{
    return Bar() ? Bar()->count() : 0;
}
int CTabCtrl::GetCurSel() const
{
    return m_current;
}

int CTabCtrl::SetCurSel(int nItem)
{
    QTabBar* bar = Bar();
    if (!bar || nItem < 0 || nItem >= bar->count())
        return -1;
    const int old = m_current;
    ++m_silent;
    bar->setCurrentIndex(nItem);
    --m_silent;
    m_current = nItem;
    return old;
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    QTabBar* bar = Bar();
    if (!bar || !lpRect || nItem < 0 || nItem >= bar->count())
        return FALSE;
    const QRect r = bar->tabRect(nItem);
    *lpRect = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    return TRUE;
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    const int tabs = Bar() ? Bar()->sizeHint().height() : 20;
    if (bLarger)
        lpRect->top -= tabs;
    else
        lpRect->top += tabs;
}

LRESULT CTabCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE)
        return DLGC_WANTARROWS;
    return CWnd::DefWindowProc(message, wParam, lParam);
}
