#include "dataeditor/app/CEditListBox.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/ControlSignals.h"

#include <QAbstractItemDelegate>
#include <QBoxLayout>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QToolButton>

namespace
{
struct ButtonSpec
{
    const char* name;
    const char* symbol;
    UINT tip;
};
const ButtonSpec kButtons[] = {{"new", "+", IDS_LIST_NEW},
                               {"delete", "\xE2\x9C\x95", IDS_LIST_DELETE},
                               {"up", "\xE2\x86\x91", IDS_LIST_UP},
                               {"down", "\xE2\x86\x93", IDS_LIST_DOWN}};

} // namespace

CEditListBox::CEditListBox() = default;

CEditListBox::~CEditListBox() = default;

BOOL CEditListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "EditListBox", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CEditListBox::ReplaceDlgItem(CWnd* pParentWnd, UINT nID)
{
    CWnd* placeholder = pParentWnd ? pParentWnd->GetDlgItem(int(nID)) : nullptr;
    if (!placeholder)
        return FALSE;
    CRect rect;
    placeholder->GetWindowRect(&rect);
    pParentWnd->ScreenToClient(&rect);
    const DWORD style = WS_VISIBLE | WS_TABSTOP | (placeholder->GetStyle() & WS_DISABLED);
    placeholder->DestroyWindow();
    return Create(style, rect, pParentWnd, nID);
}

QWidget* CEditListBox::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    auto* bar = new QWidget(frame);
    bar->setObjectName(QStringLiteral("buttons"));
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(1);
    barLayout->addStretch();
    for (const ButtonSpec& spec : kButtons)
    {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setText(QString::fromUtf8(spec.symbol));
        CString tip;
        tip.LoadString(spec.tip);
        button->setToolTip(QString::fromUtf8(LPCTSTR(tip)));
        button->setAutoRaise(true);
        barLayout->addWidget(button);
    }
    bar->hide();
    layout->addWidget(bar);
    auto* list = new QListWidget(frame);
    list->setFrameShape(QFrame::NoFrame);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    layout->addWidget(list);
    frame->setFocusProxy(list);
    return frame;
}

void CEditListBox::ConnectWidget()
{
    QWidget* frame = GetWidget();
    QListWidget* list = List();
    ConnectControl<CEditListBox>(frame, list, &QListWidget::itemSelectionChanged, [](CEditListBox& self) {
        if (self.m_silent == 0)
            self.OnSelectionChanged();
    });
    ConnectControl<CEditListBox>(frame, list, &QListWidget::itemChanged, [](CEditListBox& self, QListWidgetItem* item) {
        if (self.m_silent == 0)
            self.LabelChanged(item);
    });
    ConnectControl<CEditListBox>(frame, list->itemDelegate(), &QAbstractItemDelegate::closeEditor,
                                 [](CEditListBox& self, QWidget*, QAbstractItemDelegate::EndEditHint) {
                                     self.EditorClosed();
                                 });
    using Action = void (*)(CEditListBox&);
    const std::pair<const char*, Action> actions[] = {
        {"new", [](CEditListBox& self) { self.CreateNewItem(); }},
        {"delete", [](CEditListBox& self) { self.RemoveSelectedItem(); }},
        {"up", [](CEditListBox& self) { self.MoveSelectedItem(-1); }},
        {"down", [](CEditListBox& self) { self.MoveSelectedItem(1); }}};
    for (const auto& [name, action] : actions)
    {
        auto* button = frame->findChild<QToolButton*>(QString::fromLatin1(name));
        ConnectControl<CEditListBox>(frame, button, &QToolButton::clicked, [action](CEditListBox& self, bool) {
            action(self);
        });
    }
    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), list, nullptr, nullptr, Qt::WidgetShortcut);
    ConnectControl<CEditListBox>(frame, insert, &QShortcut::activated, [](CEditListBox& self) { self.CreateNewItem(); });
    auto* remove = new QShortcut(QKeySequence(Qt::Key_Delete), list, nullptr, nullptr, Qt::WidgetShortcut);
    ConnectControl<CEditListBox>(frame, remove, &QShortcut::activated,
                                 [](CEditListBox& self) { self.RemoveSelectedItem(); });
}

void CEditListBox::SetStandardButtons()
{
    if (QWidget* frame = GetWidget())
        if (auto* bar = frame->findChild<QWidget*>(QStringLiteral("buttons")))
            bar->show();
}

QListWidget* CEditListBox::List() const
{
    QWidget* frame = GetWidget();
    return frame ? frame->findChild<QListWidget*>() : nullptr;
}

QListWidgetItem* CEditListBox::Item(int index) const
{
    QListWidget* list = List();
    return list && index >= 0 && index < list->count() ? list->item(index) : nullptr;
}

int CEditListBox::AddItem(const CString& text, DWORD_PTR data, int index)
{
    QListWidget* list = List();
    if (!list)
        return -1;
    const int at = index < 0 || index > list->count() ? list->count() : index;
    ++m_silent;
    auto* item = new QListWidgetItem(QString::fromUtf8(LPCTSTR(text)));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
    list->insertItem(at, item);
    --m_silent;
    return at;
}

BOOL CEditListBox::RemoveItem(int index)
{
    QListWidgetItem* item = Item(index);
    if (!item || !OnBeforeRemoveItem(index))
        return FALSE;
    if (item == m_newItem)
        m_newItem = nullptr;
    delete List()->takeItem(index);
    return TRUE;
}

int CEditListBox::GetCount() const { return List() ? List()->count() : 0; }

CString CEditListBox::GetItemText(int index) const
{
    QListWidgetItem* item = Item(index);
    return item ? CString(item->text().toUtf8().constData()) : CString();
}

void CEditListBox::SetItemText(int index, const CString& text)
{
    if (QListWidgetItem* item = Item(index))
    {
        ++m_silent;
        item->setText(QString::fromUtf8(LPCTSTR(text)));
        --m_silent;
    }
}

DWORD_PTR CEditListBox::GetItemData(int index) const
{
    QListWidgetItem* item = Item(index);
    return item ? DWORD_PTR(item->data(Qt::UserRole).toULongLong()) : 0;
}

void CEditListBox::SetItemData(int index, DWORD_PTR data)
{
    if (QListWidgetItem* item = Item(index))
    {
        ++m_silent;
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
        --m_silent;
    }
}

int CEditListBox::GetSelItem() const
{
    QListWidget* list = List();
    if (!list)
        return -1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

BOOL CEditListBox::SelectItem(int index)
{
    QListWidgetItem* item = Item(index);
    if (!item)
        return FALSE;
    List()->setCurrentItem(item);
    item->setSelected(true);
    return TRUE;
}

BOOL CEditListBox::EditItem(int index)
{
    QListWidgetItem* item = Item(index);
    if (!item)
        return FALSE;
    QListWidget* list = List();
    SelectItem(index);
    // Once an editor that is closing has gone.
    QMetaObject::invokeMethod(
        list, [list, item] { list->editItem(item); }, Qt::QueuedConnection);
    return TRUE;
}

void CEditListBox::CreateNewItem()
{
    const int selected = GetSelItem();
    const int at = AddItem("", 0, selected < 0 ? -1 : selected + 1);
    if (at < 0)
        return;
    m_newItem = Item(at);
    EditItem(at);
}

void CEditListBox::RemoveSelectedItem()
{
    const int selected = GetSelItem();
    if (selected < 0 || !RemoveItem(selected))
        return;
    if (GetCount() > 0)
        SelectItem(std::min(selected, GetCount() - 1));
}

void CEditListBox::MoveSelectedItem(int step)
{
    const int from = GetSelItem();
    const int to = from + step;
    QListWidget* list = List();
    if (from < 0 || to < 0 || to >= GetCount())
        return;
    ++m_silent;
    QListWidgetItem* item = list->takeItem(from);
    list->insertItem(to, item);
    --m_silent;
    SelectItem(to);
    if (step < 0)
        OnAfterMoveItemUp(to);
    else
        OnAfterMoveItemDown(to);
}

void CEditListBox::LabelChanged(QListWidgetItem* item)
{
    const int index = List()->row(item);
    if (item == m_newItem)
    {
        if (item->text().isEmpty())
            return;
        m_newItem = nullptr;
        OnAfterAddItem(index);
        return;
    }
    OnAfterRenameItem(index);
}

void CEditListBox::EditorClosed()
{
    // A new item whose label stayed empty was never added.
    if (!m_newItem || !m_newItem->text().isEmpty())
        return;
    QListWidget* list = List();
    ++m_silent;
    delete list->takeItem(list->row(m_newItem));
    --m_silent;
    m_newItem = nullptr;
}

bool CEditListBox::IsEditing() const
{
    QListWidget* list = List();
    if (!list)
        return false;
    for (const QLineEdit* editor : list->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return true;
    return false;
}

LRESULT CEditListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // While a label is edited, Return and Escape end the edit, not the dialog.
    if (message == WM_GETDLGCODE && IsEditing())
        return DLGC_WANTALLKEYS;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CEditListBox::OnSelectionChanged() { NotifyParent(LBN_SELCHANGE); }

BOOL CEditListBox::OnBeforeRemoveItem(int) { return TRUE; }

void CEditListBox::OnAfterAddItem(int) {}

void CEditListBox::OnAfterRenameItem(int) {}

void CEditListBox::OnAfterMoveItemUp(int) {}

void CEditListBox::OnAfterMoveItemDown(int) {}
