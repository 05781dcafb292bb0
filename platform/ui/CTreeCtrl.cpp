#include "platform/ui/CTreeCtrl.h"

#include "platform/gdi/CImageList.h"
#include "platform/ui/ControlSignals.h"
#include "platform/ui/QtText.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTreeWidget>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace
{
constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;
} // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "SysTreeView32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CTreeCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* view = new QTreeWidget(parent);
    view->setHeaderHidden(true);
    view->setColumnCount(1);
    view->setRootIsDecorated(cs.style & (TVS_LINESATROOT | TVS_HASBUTTONS));
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    return view;
}

void CTreeCtrl::ConnectWidget()
{
    QTreeWidget* view = View();
    ConnectControl<CTreeCtrl>(view, view, &QTreeWidget::currentItemChanged,
                              [](CTreeCtrl& self, QTreeWidgetItem* now, QTreeWidgetItem* before)
                              { self.OnCurrentItemChanged(now, before); });
}

void CTreeCtrl::OnCurrentItemChanged(QTreeWidgetItem* now, QTreeWidgetItem* before)
{
    if (now)
        ShowImage(now);
    if (before)
        ShowImage(before);
    if (m_silent)
        return;
    CWnd* parent = GetParent();
    if (!parent)
        return;
    NMTREEVIEW nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = m_nID;
    nm.hdr.code = TVN_SELCHANGED;
    nm.action = TVC_BYMOUSE;
    nm.itemOld.hItem = Handle(before);
    nm.itemOld.lParam = LPARAM(GetItemData(Handle(before)));
    nm.itemNew.hItem = Handle(now);
    nm.itemNew.lParam = LPARAM(GetItemData(Handle(now)));
    parent->SendMessage(WM_NOTIFY, WPARAM(m_nID), reinterpret_cast<LPARAM>(&nm));
}

QTreeWidget* CTreeCtrl::View() const
{
    return qobject_cast<QTreeWidget*>(GetWidget());
}
QTreeWidgetItem* CTreeCtrl::Item(HTREEITEM h)
{
    return reinterpret_cast<QTreeWidgetItem*>(h);
}
HTREEITEM CTreeCtrl::Handle(QTreeWidgetItem* item)
{
    return reinterpret_cast<HTREEITEM>(item);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(lpszItem, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    QTreeWidget* view = View();
    if (!view)
        return nullptr;
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(lpszItem));
    item->setData(0, kDataRole, QVariant::fromValue<qulonglong>(0));
    item->setData(0, kImageRole, nImage);
    item->setData(0, kSelectedImageRole, nSelectedImage);
    QTreeWidgetItem* parent = (hParent == TVI_ROOT || !hParent) ? view->invisibleRootItem() : Item(hParent);
    int at = parent->childCount();
    if (hInsertAfter == TVI_FIRST)
        at = 0;
    else if (hInsertAfter == TVI_SORT)
    {
        const CString text(lpszItem);
        at = 0;
        while (at < parent->childCount() && ToCString(parent->child(at)->text(0)).CollateNoCase(text) <= 0)
            ++at;
    }
    else if (hInsertAfter != TVI_LAST && hInsertAfter)
    {
        const int index = parent->indexOfChild(Item(hInsertAfter));
        at = index < 0 ? parent->childCount() : index + 1;
    }
    ++m_silent;
    parent->insertChild(at, item);
    --m_silent;
    ShowImage(item);
    return Handle(item);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    if (hItem == TVI_ROOT || !hItem)
        return DeleteAllItems();
    ++m_silent;
    delete Item(hItem);
    --m_silent;
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    ++m_silent;
    View()->clear();
    --m_silent;
    return TRUE;
}

UINT CTreeCtrl::GetCount() const
{
    UINT count = 0;
    for (QTreeWidgetItemIterator it(View()); *it; ++it)
        ++count;
    return count;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    return Handle(View()->topLevelItem(0));
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
    QTreeWidgetItem* item = (hItem == TVI_ROOT || !hItem) ? View()->invisibleRootItem() : Item(hItem);
    return Handle(item->child(0));
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
    QTreeWidgetItem* item = Item(hItem);
    if (!item)
        return nullptr;
    QTreeWidgetItem* parent = item->parent() ? item->parent() : View()->invisibleRootItem();
    return Handle(parent->child(parent->indexOfChild(item) + 1));
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const
{
    QTreeWidgetItem* item = Item(hItem);
    if (!item)
        return nullptr;
    QTreeWidgetItem* parent = item->parent() ? item->parent() : View()->invisibleRootItem();
    const int index = parent->indexOfChild(item);
    return index > 0 ? Handle(parent->child(index - 1)) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
    return Item(hItem) ? Handle(Item(hItem)->parent()) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    switch (nCode)
    {
    case TVGN_ROOT:
        return GetRootItem();
    case TVGN_NEXT:
        return GetNextSiblingItem(hItem);
    case TVGN_PREVIOUS:
        return GetPrevSiblingItem(hItem);
    case TVGN_PARENT:
        return GetParentItem(hItem);
    case TVGN_CHILD:
        return GetChildItem(hItem);
    case TVGN_CARET:
        return GetSelectedItem();
    default:
        return nullptr;
    }
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    return Handle(View()->currentItem());
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
    ++m_silent;
    View()->setCurrentItem(Item(hItem));
    --m_silent;
    return TRUE;
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    QTreeWidgetItem* item = Item(hItem);
    if (!item)
        return FALSE;
    const bool expand = nCode == TVE_EXPAND || (nCode == TVE_TOGGLE && !item->isExpanded());
    item->setExpanded(expand);
    return TRUE;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    return Item(hItem) && Item(hItem)->childCount() > 0;
}
CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    return Item(hItem) ? ToCString(Item(hItem)->text(0)) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
    if (!Item(hItem))
        return FALSE;
    Item(hItem)->setText(0, ToQString(lpszItem));
    return TRUE;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    if (!Item(hItem))
        return FALSE;
    Item(hItem)->setData(0, kDataRole, QVariant::fromValue<qulonglong>(dwData));
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    return Item(hItem) ? DWORD_PTR(Item(hItem)->data(0, kDataRole).toULongLong()) : 0;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    if (!Item(hItem))
        return FALSE;
    Item(hItem)->setData(0, kImageRole, nImage);
    Item(hItem)->setData(0, kSelectedImageRole, nSelectedImage);
    ShowImage(Item(hItem));
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    if (!Item(hItem))
        return FALSE;
    nImage = Item(hItem)->data(0, kImageRole).toInt();
    nSelectedImage = Item(hItem)->data(0, kSelectedImageRole).toInt();
    return TRUE;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    QTreeWidgetItem* item = Item(hItem);
    if (!item)
        return FALSE;
    if (nStateMask & TVIS_SELECTED && nState & TVIS_SELECTED)
        SelectItem(hItem);
    if (nStateMask & TVIS_EXPANDED)
        item->setExpanded(nState & TVIS_EXPANDED);
    if (nStateMask & TVIS_BOLD)
    {
        QFont font = item->font(0);
        font.setBold(nState & TVIS_BOLD);
        item->setFont(0, font);
    }
    return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    QTreeWidgetItem* item = Item(hItem);
    if (!item)
        return 0;
    UINT state = 0;
    if (View()->currentItem() == item)
        state |= TVIS_SELECTED;
    if (item->isExpanded())
        state |= TVIS_EXPANDED;
    if (item->font(0).bold())
        state |= TVIS_BOLD;
    return state & nStateMask;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL) const
{
    if (!Item(hItem) || !lpRect)
        return FALSE;
    const QRect r = View()->visualItemRect(Item(hItem));
    if (r.isEmpty())
        return FALSE;
    *lpRect = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    QTreeWidgetItem* item = View()->itemAt(QPoint(pt.x, pt.y));
    if (pFlags)
        *pFlags = item ? TVHT_ONITEMLABEL : TVHT_NOWHERE;
    return Handle(item);
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    if (!Item(hItem))
        return FALSE;
    View()->scrollToItem(Item(hItem));
    return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    CImageList*& slot = nImageListType == TVSIL_STATE ? m_stateImages : m_images;
    CImageList* old = slot;
    slot = pImageList;
    for (QTreeWidgetItemIterator it(View()); *it; ++it)
        ShowImage(*it);
    return old;
}

CImageList* CTreeCtrl::GetImageList(int nImageListType) const
{
    return nImageListType == TVSIL_STATE ? m_stateImages : m_images;
}

void CTreeCtrl::ShowImage(QTreeWidgetItem* item) const
{
    if (!m_images || !item)
        return;
    const bool selected = View() && View()->currentItem() == item;
    const int index = item->data(0, selected ? kSelectedImageRole : kImageRole).toInt();
    const QImage image = m_images->Image(index);
    item->setIcon(0, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
}
