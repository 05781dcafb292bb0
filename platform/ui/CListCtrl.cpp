#include "platform/ui/CListCtrl.h"

#include "platform/ui/ControlSignals.h"
#include "platform/ui/QtText.h"
#include "platform/ui/WindowRegistry.h"

#include <QHeaderView>
#include <QTreeWidget>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "SysListView32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CListCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* view = new QTreeWidget(parent);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setColumnCount(0);
    view->setHeaderHidden(cs.style & LVS_NOCOLUMNHEADER);
    view->header()->setSectionsClickable(!(cs.style & LVS_NOSORTHEADER));
    view->header()->setStretchLastSection(false);
    view->setSelectionMode((cs.style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                      : QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    return view;
}

void CListCtrl::ConnectWidget()
{
    QTreeWidget* view = View();
    AttachHeader();
    QObject::connect(view, &QTreeWidget::itemSelectionChanged, view,
                     [view]
                     {
                         CListCtrl* list = ControlOf<CListCtrl>(view);
                         if (list && list->m_silent == 0)
                             list->Notify(LVN_ITEMCHANGED, list->GetNextItem(-1, LVNI_SELECTED), LVIS_SELECTED, 0);
                     });
    QObject::connect(view, &QTreeWidget::itemClicked, view,
                     [view](QTreeWidgetItem* item)
                     {
                         if (CListCtrl* list = ControlOf<CListCtrl>(view))
                             list->Notify(NM_CLICK, view->indexOfTopLevelItem(item));
                     });
    QObject::connect(view, &QTreeWidget::itemDoubleClicked, view,
                     [view](QTreeWidgetItem* item)
                     {
                         if (CListCtrl* list = ControlOf<CListCtrl>(view))
                             list->Notify(NM_DBLCLK, view->indexOfTopLevelItem(item));
                     });
}

void CListCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    AttachHeader();
}

void CListCtrl::AttachHeader()
{
    QTreeWidget* view = View();
    if (!view || m_header.GetSafeHwnd())
        return;
    if (CWnd* previous = WindowRegistry::Find(view->header()))
        previous->UnsubclassWindow();
    m_header.AttachToView(view->header());
}

BOOL CListCtrl::DestroyWindow()
{
    m_header.DestroyWindow();
    return CWnd::DestroyWindow();
}

BOOL CListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!m_header.GetSafeHwnd() || hdr->hwndFrom != m_header.GetSafeHwnd())
        return CWnd::OnNotify(wParam, lParam, pResult);
    const auto* nm = reinterpret_cast<const NMHEADER*>(lParam);
    if (hdr->code == HDN_ITEMCLICK && (GetStyle() & LVS_NOSORTHEADER))
        return TRUE;
    CWnd* parent = GetParent();
    const LRESULT reply = parent ? parent->SendMessage(WM_NOTIFY, wParam, lParam) : 0;
    if (hdr->code == HDN_ITEMCLICK)
        Notify(LVN_COLUMNCLICK, -1, 0, 0, nm->iItem);
    else if (hdr->code == HDN_DIVIDERDBLCLICK && reply == 0)
        SetColumnWidth(nm->iItem, LVSCW_AUTOSIZE);
    if (pResult)
        *pResult = reply;
    return TRUE;
}

QTreeWidget* CListCtrl::View() const
{
    return qobject_cast<QTreeWidget*>(GetWidget());
}

void CListCtrl::Notify(UINT code, int item, UINT newState, UINT oldState, int subItem)
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    NMLISTVIEW nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = m_nID;
    nm.hdr.code = code;
    nm.iItem = item;
    nm.iSubItem = subItem;
    nm.uNewState = newState;
    nm.uOldState = oldState;
    nm.uChanged = newState != oldState ? LVIF_STATE : 0;
    nm.lParam = LPARAM(Valid(item) ? GetItemData(item) : 0);
    parent->SendMessage(WM_NOTIFY, WPARAM(m_nID), reinterpret_cast<LPARAM>(&nm));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int)
{
    QTreeWidget* view = View();
    if (!view || nCol < 0)
        return -1;
    const int count = view->columnCount();
    const int at = std::min(nCol, count);
    QStringList headings;
    for (int i = 0; i < count; ++i)
        headings << view->headerItem()->text(i);
    headings.insert(at, ToQString(lpszColumnHeading));
    view->setColumnCount(count + 1);
    // Existing texts move one column to the right from the new one on.
    for (int row = 0; row < view->topLevelItemCount(); ++row)
    {
        QTreeWidgetItem* item = view->topLevelItem(row);
        for (int c = count; c > at; --c)
            item->setText(c, item->text(c - 1));
        item->setText(at, QString());
    }
    view->setHeaderLabels(headings);
    const Qt::Alignment alignment = nFormat == LVCFMT_RIGHT    ? Qt::AlignRight
                                    : nFormat == LVCFMT_CENTER ? Qt::AlignHCenter
                                                               : Qt::AlignLeft;
    view->headerItem()->setTextAlignment(at, alignment | Qt::AlignVCenter);
    view->setProperty(("align" + std::to_string(at)).c_str(), int(alignment));
    if (nWidth >= 0)
        view->setColumnWidth(at, nWidth);
    return at;
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    QTreeWidget* view = View();
    if (!view || nCol < 0 || nCol >= view->columnCount())
        return FALSE;
    const int count = view->columnCount();
    QStringList headings;
    for (int i = 0; i < count; ++i)
        if (i != nCol)
            headings << view->headerItem()->text(i);
    for (int row = 0; row < view->topLevelItemCount(); ++row)
    {
        QTreeWidgetItem* item = view->topLevelItem(row);
        for (int c = nCol; c + 1 < count; ++c)
            item->setText(c, item->text(c + 1));
    }
    view->setColumnCount(count - 1);
    view->setHeaderLabels(headings);
    return TRUE;
}

int CListCtrl::GetColumnCount() const
{
    return View() ? View()->columnCount() : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    QTreeWidget* view = View();
    if (!view || nCol < 0 || nCol >= view->columnCount())
        return FALSE;
    if (cx == LVSCW_AUTOSIZE)
    {
        view->resizeColumnToContents(nCol);
    }
    else if (cx == LVSCW_AUTOSIZE_USEHEADER)
    {
        // The last column fills what is left; others fit their contents and heading.
        if (nCol == view->columnCount() - 1)
        {
            int used = 0;
            for (int c = 0; c < nCol; ++c)
                used += view->columnWidth(c);
            view->setColumnWidth(
                nCol, std::max(view->viewport()->width() - used, view->header()->sectionSizeHint(nCol)));
        }
        else
        {
            view->resizeColumnToContents(nCol);
            view->setColumnWidth(nCol,
                                 std::max(view->columnWidth(nCol), view->header()->sectionSizeHint(nCol)));
        }
    }
    else
    {
        view->setColumnWidth(nCol, cx);
    }
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return View() ? View()->columnWidth(nCol) : 0;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    QTreeWidget* view = View();
    if (!view || nItem < 0)
        return -1;
    const int at = std::min(nItem, view->topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(lpszItem));
    for (int c = 0; c < view->columnCount(); ++c)
        item->setTextAlignment(c,
                               Qt::Alignment(view->property(("align" + std::to_string(c)).c_str()).toInt()) |
                                   Qt::AlignVCenter);
    item->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(0));
    ++m_silent;
    view->insertTopLevelItem(at, item);
    --m_silent;
    return at;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int)
{
    return InsertItem(nItem, lpszItem);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    if (!Valid(nItem) || nSubItem < 0 || nSubItem >= std::max(1, GetColumnCount()))
        return FALSE;
    View()->topLevelItem(nItem)->setText(nSubItem, ToQString(lpszText));
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    return Valid(nItem) ? ToCString(View()->topLevelItem(nItem)->text(nSubItem)) : CString();
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    if (!Valid(nItem))
        return FALSE;
    ++m_silent;
    delete View()->takeTopLevelItem(nItem);
    --m_silent;
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    if (!View())
        return FALSE;
    ++m_silent;
    View()->clear();
    --m_silent;
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    return View() ? View()->topLevelItemCount() : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    if (!Valid(nItem))
        return FALSE;
    View()->topLevelItem(nItem)->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(dwData));
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    return Valid(nItem) ? DWORD_PTR(View()->topLevelItem(nItem)->data(0, Qt::UserRole).toULongLong()) : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    if (!Valid(nItem))
        return FALSE;
    QTreeWidgetItem* item = View()->topLevelItem(nItem);
    ++m_silent;
    if (nMask & LVIS_SELECTED)
        item->setSelected(nState & LVIS_SELECTED);
    if ((nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED))
        View()->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    --m_silent;
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    if (!Valid(nItem))
        return 0;
    QTreeWidgetItem* item = View()->topLevelItem(nItem);
    UINT state = 0;
    if (item->isSelected())
        state |= LVIS_SELECTED;
    if (View()->currentItem() == item)
        state |= LVIS_FOCUSED;
    return state & nMask;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    for (int i = std::max(0, nItem + 1); i < GetItemCount(); ++i)
    {
        if (nFlags == int(LVNI_ALL))
            return i;
        if (GetItemState(i, UINT(nFlags)) == UINT(nFlags))
            return i;
    }
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    return View() ? UINT(View()->selectedItems().size()) : 0;
}

int CListCtrl::GetSelectionMark() const
{
    return View() && View()->currentItem() ? View()->indexOfTopLevelItem(View()->currentItem()) : -1;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    const int first = GetNextItem(-1, LVNI_SELECTED);
    return first < 0 ? nullptr : reinterpret_cast<POSITION>(UINT_PTR(first + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    const int current = int(reinterpret_cast<UINT_PTR>(pos)) - 1;
    const int next = GetNextItem(current, LVNI_SELECTED);
    pos = next < 0 ? nullptr : reinterpret_cast<POSITION>(UINT_PTR(next + 1));
    return current;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL)
{
    if (!Valid(nItem))
        return FALSE;
    View()->scrollToItem(View()->topLevelItem(nItem));
    return TRUE;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    const DWORD old = m_extended;
    m_extended = dwNewStyle;
    if (QTreeWidget* view = View())
    {
        view->setAllColumnsShowFocus(dwNewStyle & LVS_EX_FULLROWSELECT);
        view->setStyleSheet((dwNewStyle & LVS_EX_GRIDLINES) ? "QTreeView::item { border: 1px solid #d0d0d0; }"
                                                            : "");
    }
    return old;
}
