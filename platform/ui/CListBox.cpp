#include "platform/ui/CListBox.h"

#include "platform/ui/ControlSignals.h"
#include "platform/ui/QtText.h"

#include <QListWidget>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "LISTBOX", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CListBox::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    if (cs.style & LBS_EXTENDEDSEL)
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    else if (cs.style & LBS_MULTIPLESEL)
        list->setSelectionMode(QAbstractItemView::MultiSelection);
    else
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFrameShape((cs.style & WS_BORDER) || (cs.dwExStyle & WS_EX_CLIENTEDGE) ? QFrame::StyledPanel
                                                                                    : QFrame::NoFrame);
    list->setUniformItemSizes(true);
    return list;
}

void CListBox::ConnectWidget()
{
    QListWidget* list = List();
    ConnectControl<CListBox>(list, list, &QListWidget::itemSelectionChanged,
                             [](CListBox& self)
                             {
                                 if (self.m_silent == 0 && (self.m_style & LBS_NOTIFY))
                                     self.NotifyParent(LBN_SELCHANGE);
                             });
    ConnectControl<CListBox>(list, list, &QListWidget::itemDoubleClicked,
                             [](CListBox& self, QListWidgetItem*)
                             {
                                 if (self.m_style & LBS_NOTIFY)
                                     self.NotifyParent(LBN_DBLCLK);
                             });
}

QListWidget* CListBox::List() const
{
    return qobject_cast<QListWidget*>(GetWidget());
}

int CListBox::GetCount() const
{
    return List() ? List()->count() : 0;
}

int CListBox::GetCurSel() const
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    if (list->selectionMode() == QAbstractItemView::SingleSelection)
    {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? LB_ERR : list->row(selected.front());
    }
    return list->currentRow();
}

int CListBox::SetCurSel(int nSelect)
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    ++m_silent;
    if (Valid(nSelect))
    {
        list->setCurrentRow(nSelect, QItemSelectionModel::ClearAndSelect);
    }
    else
    {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
    --m_silent;
    return Valid(nSelect) ? nSelect : LB_ERR;
}

int CListBox::GetSel(int nIndex) const
{
    return Valid(nIndex) ? (List()->item(nIndex)->isSelected() ? 1 : 0) : LB_ERR;
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    ++m_silent;
    for (int i = 0; i < list->count(); ++i)
        if (nIndex == -1 || i == nIndex)
            list->item(i)->setSelected(bSelect);
    --m_silent;
    return (nIndex == -1 || Valid(nIndex)) ? 0 : LB_ERR;
}

int CListBox::GetSelCount() const
{
    return List() ? int(List()->selectedItems().size()) : LB_ERR;
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    int n = 0;
    for (int i = 0; i < GetCount() && n < nMaxItems; ++i)
        if (List()->item(i)->isSelected())
            rgIndex[n++] = i;
    return n;
}

int CListBox::AddString(LPCTSTR lpszItem)
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    int at = list->count();
    if (m_style & LBS_SORT)
    {
        const CString value(lpszItem);
        at = 0;
        while (at < list->count() && ToCString(list->item(at)->text()).CollateNoCase(value) <= 0)
            ++at;
    }
    return InsertString(at, lpszItem);
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    QListWidget* list = List();
    if (!list || nIndex > list->count())
        return LB_ERR;
    const int at = nIndex < 0 ? list->count() : nIndex;
    ++m_silent;
    auto* item = new QListWidgetItem(ToQString(lpszItem));
    item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(0));
    list->insertItem(at, item);
    --m_silent;
    return at;
}

int CListBox::DeleteString(UINT nIndex)
{
    if (!Valid(int(nIndex)))
        return LB_ERR;
    ++m_silent;
    delete List()->takeItem(int(nIndex));
    --m_silent;
    return GetCount();
}

void CListBox::ResetContent()
{
    if (QListWidget* list = List())
    {
        ++m_silent;
        list->clear();
        --m_silent;
    }
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    if (!Valid(nIndex))
        return LB_ERR;
    const QByteArray text = List()->item(nIndex)->text().toUtf8();
    std::copy(text.constData(), text.constData() + text.size() + 1, lpszBuffer);
    return int(text.size());
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    rString = Valid(nIndex) ? ToCString(List()->item(nIndex)->text()) : CString();
}

int CListBox::GetTextLen(int nIndex) const
{
    return Valid(nIndex) ? int(List()->item(nIndex)->text().toUtf8().size()) : LB_ERR;
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    const int n = GetCount();
    const QString prefix = ToQString(lpszItem);
    for (int step = 1; step <= n; ++step)
    {
        const int i = ((nStartAfter < 0 ? -1 : nStartAfter) + step) % n;
        if (List()->item(i)->text().startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return LB_ERR;
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    const int n = GetCount();
    const QString text = ToQString(lpszFind);
    for (int step = 1; step <= n; ++step)
    {
        const int i = ((nIndexStart < 0 ? -1 : nIndexStart) + step) % n;
        if (List()->item(i)->text().compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return LB_ERR;
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    const int found = FindString(nStartAfter, lpszItem);
    if (found != LB_ERR)
        SetCurSel(found);
    return found;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    if (!Valid(nIndex))
        return LB_ERR;
    List()->item(nIndex)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(dwItemData));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return Valid(nIndex) ? DWORD_PTR(List()->item(nIndex)->data(Qt::UserRole).toULongLong())
                         : DWORD_PTR(LB_ERR);
}

int CListBox::GetTopIndex() const
{
    QListWidget* list = List();
    if (!list || list->count() == 0)
        return 0;
    QListWidgetItem* top = list->itemAt(2, 2);
    return top ? list->row(top) : 0;
}

int CListBox::SetTopIndex(int nIndex)
{
    if (!Valid(nIndex))
        return LB_ERR;
    List()->scrollToItem(List()->item(nIndex), QAbstractItemView::PositionAtTop);
    return 0;
}

LRESULT CListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case LB_ADDSTRING:
        return AddString(reinterpret_cast<LPCTSTR>(lParam));
    case LB_INSERTSTRING:
        return InsertString(int(wParam), reinterpret_cast<LPCTSTR>(lParam));
    case LB_DELETESTRING:
        return DeleteString(UINT(wParam));
    case LB_RESETCONTENT:
        ResetContent();
        return 0;
    case LB_GETCOUNT:
        return GetCount();
    case LB_GETCURSEL:
        return GetCurSel();
    case LB_SETCURSEL:
        return SetCurSel(int(wParam));
    case LB_GETTEXT:
        return GetText(int(wParam), reinterpret_cast<LPTSTR>(lParam));
    case LB_FINDSTRINGEXACT:
        return FindStringExact(int(wParam), reinterpret_cast<LPCTSTR>(lParam));
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        CWnd::DefWindowProc(message, wParam, lParam);
        if (m_style & LBS_NOTIFY)
            NotifyParent(LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        CWnd::DefWindowProc(message, wParam, lParam);
        if (m_style & LBS_NOTIFY)
            NotifyParent(LBN_KILLFOCUS);
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
