#include "dataeditor/controls/CTreeOptionsCtrl.h"

#include "dataeditor/controls/ControlIds.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"
#include "platform/gdi/CImageList.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

namespace
{
const char* const valueSeparator = ": ";
}

IMPLEMENT_DYNCREATE(CTreeOptionsCombo, CComboBox)
IMPLEMENT_DYNCREATE(CTreeOptionsEdit, CEdit)

BEGIN_MESSAGE_MAP(CTreeOptionsCtrl, CTreeCtrl)
    ON_WM_LBUTTONDOWN()
    ON_WM_CHAR()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTreeOptionsEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CTreeOptionsCtrl::CTreeOptionsCtrl() = default;

CTreeOptionsCtrl::~CTreeOptionsCtrl() = default;

void CTreeOptionsCtrl::UseStandardImages()
{
    m_images = std::make_unique<CImageList>();
    if (m_images->Create(IDB_TREE_OPTIONS, 13, 0, RGB(255, 0, 255)))
        SetImageList(m_images.get(), TVSIL_NORMAL);
}

void CTreeOptionsCtrl::ConnectWidget()
{
    CTreeCtrl::ConnectWidget();
    auto* view = qobject_cast<QTreeWidget*>(GetWidget());
    if (!view)
        return;
    QObject::connect(view, &QTreeWidget::currentItemChanged, view, [this] { OnSelectionChanged(); });
    // An open editor does not follow the items when they scroll.
    QObject::connect(view->verticalScrollBar(), &QScrollBar::valueChanged, view, [this] { CloseEditor(); });
    QObject::connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, view, [this] { CloseEditor(); });
}

CRect CTreeOptionsCtrl::LabelRect(HTREEITEM item) const
{
    auto* view = qobject_cast<QTreeWidget*>(GetWidget());
    // The platform's item handles are the view's items.
    auto* entry = reinterpret_cast<QTreeWidgetItem*>(item);
    if (!view || !entry)
        return CRect();
    const QRect row = view->visualItemRect(entry);
    int icon = 0;
    if (!entry->icon(0).isNull())
        icon = (view->iconSize().isValid() ? view->iconSize().width()
                                           : view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view)) +
               4;
    const int text = QFontMetrics(view->font()).horizontalAdvance(entry->text(0)) + 6;
    const QPoint topLeft = view->viewport()->mapTo(view, row.topLeft());
    return CRect(topLeft.x(), topLeft.y(), topLeft.x() + icon + text, topLeft.y() + row.height());
}

void CTreeOptionsCtrl::SetEditor(HTREEITEM item, const CRuntimeClass* editor) { SetItemData(item, DWORD_PTR(editor)); }

const CRuntimeClass* CTreeOptionsCtrl::Editor(HTREEITEM item) const
{
    return item ? reinterpret_cast<const CRuntimeClass*>(GetItemData(item)) : nullptr;
}

bool CTreeOptionsCtrl::OpenEditor(HTREEITEM item)
{
    const CRuntimeClass* editor = Editor(item);
    if (!editor || m_editItem)
        return false;
    const bool combo = editor->IsDerivedFrom(RUNTIME_CLASS(CTreeOptionsCombo));
    if (!combo && !editor->IsDerivedFrom(RUNTIME_CLASS(CTreeOptionsEdit)))
        return false;
    const CString value = GetEditText(item);
    const CRect label = LabelRect(item);
    const int left = label.right + 2;
    m_editItem = item;
    if (combo)
    {
        m_combo.reset(static_cast<CTreeOptionsCombo*>(editor->CreateObject()));
        m_combo->tree = this;
        if (!m_combo->Create(CTreeOptionsCombo::style,
                             CRect(left, label.top, left + m_combo->Width(), label.top + m_combo->DropHeight()), this,
                             comboId))
        {
            m_combo.reset();
            m_editItem = nullptr;
            SetEditText(item, value);
            return false;
        }
        m_combo->SetFont(GetFont());
        m_combo->FillList();
        m_combo->SetCurSel(m_combo->FindStringExact(-1, value));
        return true;
    }
    m_edit.reset(static_cast<CTreeOptionsEdit*>(editor->CreateObject()));
    m_edit->tree = this;
    m_edit->decimalSeparator = CString(UserLocale::Current().decimalSeparator);
    if (!m_edit->Create(CTreeOptionsEdit::style, CRect(left, label.top, left + m_edit->Width(), label.bottom + 5),
                        this, editId))
    {
        m_edit.reset();
        m_editItem = nullptr;
        SetEditText(item, value);
        return false;
    }
    m_edit->SetWindowText(value);
    m_edit->SetFont(GetFont());
    return true;
}

void CTreeOptionsCtrl::CloseEditor()
{
    if (!m_editItem)
        return;
    CWnd* open = m_combo ? static_cast<CWnd*>(m_combo.get()) : m_edit.get();
    CString text;
    if (m_combo && m_combo->GetSafeHwnd())
    {
        const int chosen = m_combo->GetCurSel();
        if (chosen >= 0)
            m_combo->GetLBText(chosen, text);
    }
    else if (open && open->GetSafeHwnd())
        open->GetWindowText(text);
    const HTREEITEM item = m_editItem;
    m_editItem = nullptr;
    SetEditText(item, text);
    for (CWnd* editor : {static_cast<CWnd*>(m_combo.get()), static_cast<CWnd*>(m_edit.get())})
        if (editor && editor->GetSafeHwnd())
            editor->DestroyWindow();
    m_combo.reset();
    m_edit.reset();
    Invalidate();
}

void CTreeOptionsCtrl::OnSelectionChanged()
{
    const HTREEITEM old = m_selected;
    m_selected = GetSelectedItem();
    CloseEditor();
    if (Editor(m_selected))
        OpenEditor(m_selected);
    Notify(selectionChanged, m_selected, old);
}

void CTreeOptionsCtrl::OnDestroy()
{
    CloseEditor();
    CTreeCtrl::OnDestroy();
}

int CTreeOptionsCtrl::Image(HTREEITEM item) const
{
    int image = -1;
    int selected = -1;
    if (!item || !GetItemImage(item, image, selected))
        return -1;
    return image;
}

void CTreeOptionsCtrl::SetCheckBox(HTREEITEM item, bool checked)
{
    const int image = checked ? checkOn : checkOff;
    SetItemImage(item, image, image);
    Notify(checkBoxChanged, item);
}

void CTreeOptionsCtrl::SelectRadioButton(HTREEITEM item)
{
    const HTREEITEM parent = GetParentItem(item);
    SetRedraw(FALSE);
    for (HTREEITEM sibling = parent ? GetChildItem(parent) : GetRootItem(); sibling;
         sibling = GetNextSiblingItem(sibling))
    {
        const int old = Image(sibling);
        if (!IsRadioButton(old))
            continue;
        const int image = sibling == item ? radioOn : IsEnabled(old) ? radioOff : radioOffDisabled;
        SetItemImage(sibling, image, image);
    }
    SetRedraw(TRUE);
    Notify(radioChanged, item);
}

CString CTreeOptionsCtrl::GetEditText(HTREEITEM item)
{
    CString text = GetItemText(item);
    const int at = text.Find(valueSeparator);
    if (at < 0)
    {
        SetItemText(item, text + valueSeparator);
        return CString();
    }
    const int valueStart = at + int(std::char_traits<char>::length(valueSeparator));
    SetItemText(item, text.Left(valueStart));
    return text.Mid(valueStart);
}

void CTreeOptionsCtrl::SetEditText(HTREEITEM item, const CString& value)
{
    CString text = GetItemText(item);
    const int at = text.Find(valueSeparator);
    if (at < 0)
        text += valueSeparator;
    else
        text = text.Left(at + int(std::char_traits<char>::length(valueSeparator)));
    SetItemText(item, text + value);
}

bool CTreeOptionsCtrl::Act(HTREEITEM item)
{
    const int image = Image(item);
    if (!IsEnabled(image))
        return false;
    if (IsCheckBox(image))
    {
        SetCheckBox(item, image == checkOff);
        return true;
    }
    if (image == radioOff)
    {
        SelectRadioButton(item);
        return true;
    }
    return false;
}

void CTreeOptionsCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    UINT where = 0;
    const HTREEITEM item = HitTest(point, &where);
    if (item && (where & TVHT_ONITEM))
        Act(item);
    CTreeCtrl::OnLButtonDown(flags, point);
    if (item && (where & TVHT_ONITEM) && !m_editItem && Editor(item))
        OpenEditor(item);
}

void CTreeOptionsCtrl::OnChar(UINT character, UINT repeat, UINT flags)
{
    const HTREEITEM caret = GetSelectedItem();
    if (caret && caret == m_editItem)
    {
        if (m_edit && character == ' ')
        {
            m_edit->SetFocus();
            m_edit->SendMessage(WM_KEYDOWN, VK_SPACE);
            return;
        }
        if (m_edit)
        {
            m_edit->SetFocus();
            m_edit->SetWindowText(CString::FromCodePoint(char32_t(character)));
            m_edit->SetSel(-1, -1);
            m_edit->firstKey = false;
            m_edit->NotifyChange();
            return;
        }
        if (m_combo)
        {
            m_combo->SetFocus();
            if (character != ' ')
                m_combo->SelectString(-1, CString::FromCodePoint(char32_t(character)));
            return;
        }
    }
    if (character == ' ' && Act(caret))
        return;
    CTreeCtrl::OnChar(character, repeat, flags);
}

void CTreeOptionsCtrl::Notify(UINT code, HTREEITEM item, HTREEITEM old)
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    NMTREEVIEW info{};
    info.hdr.hwndFrom = GetSafeHwnd();
    info.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    info.hdr.code = code;
    info.itemNew.hItem = item;
    info.itemOld.hItem = old;
    parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info));
}

bool CTreeOptionsEdit::IsNumber(const CString& text) const
{
    CString plain = text;
    if (!decimalSeparator.IsEmpty() && decimalSeparator != ".")
        plain.Replace(decimalSeparator, ".");
    double value = 0;
    return !plain.IsEmpty() && NumberText::Parse(plain.str(), value);
}

void CTreeOptionsEdit::NotifyChange()
{
    CString text;
    GetWindowText(text);
    if (text == startText || !tree)
        return;
    CWnd* parent = tree->GetParent();
    if (!parent)
        return;
    NMHDR header{};
    header.hwndFrom = GetSafeHwnd();
    header.idFrom = UINT_PTR(GetDlgCtrlID());
    header.code = CTreeOptionsCtrl::editChanged;
    parent->SendMessage(WM_NOTIFY, WPARAM(header.idFrom), LPARAM(&header));
}

void CTreeOptionsEdit::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    CString text;
    GetWindowText(text);
    if (firstKey)
        startText = text;
    // An empty field is judged by the key's own character.
    numeric = IsNumber(text.IsEmpty() ? CString::FromCodePoint(char32_t(key)) : text);
    if (key == VK_RETURN || key == VK_ESCAPE)
    {
        if (tree)
            tree->SetFocus();
        return;
    }
    if (key == VK_UP || key == VK_DOWN)
    {
        if (tree)
        {
            tree->SetFocus();
            tree->SendMessage(WM_KEYDOWN, key, 0);
        }
        return;
    }
    if (key == VK_SPACE)
    {
        if (firstKey)
        {
            SetSel(-1, -1);
            firstKey = false;
            return;
        }
        if (numeric && !decimalSeparator.IsEmpty() && text.Right(decimalSeparator.GetLength()) == decimalSeparator &&
            text.Find(decimalSeparator) == text.GetLength() - decimalSeparator.GetLength())
        {
            SetWindowText(text.Left(text.GetLength() - decimalSeparator.GetLength()));
            NotifyChange();
        }
        if (tree)
            tree->SetFocus();
        return;
    }
    firstKey = false;
    CEdit::OnKeyDown(key, repeat, flags);
    NotifyChange();
}

void CTreeOptionsEdit::OnChar(UINT character, UINT repeat, UINT flags)
{
    if (numeric)
    {
        CString text;
        GetWindowText(text);
        const CString typed = CString::FromCodePoint(char32_t(character));
        const bool digit = character >= '0' && character <= '9';
        const bool separator = typed == decimalSeparator && text.Find(decimalSeparator) < 0;
        if (!digit && character != VK_BACK && !separator)
            return;
    }
    CEdit::OnChar(character, repeat, flags);
    NotifyChange();
}

void CTreeOptionsEdit::OnKillFocus(CWnd* newWindow)
{
    firstKey = true;
    CEdit::OnKillFocus(newWindow);
}
