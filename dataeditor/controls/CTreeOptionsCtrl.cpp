#include "dataeditor/controls/CTreeOptionsCtrl.h"

namespace
{
const char* const valueSeparator = ": ";
}

BEGIN_MESSAGE_MAP(CTreeOptionsCtrl, CTreeCtrl)
    ON_WM_LBUTTONDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

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
}

void CTreeOptionsCtrl::OnChar(UINT character, UINT repeat, UINT flags)
{
    if (character == ' ' && Act(GetSelectedItem()))
        return;
    CTreeCtrl::OnChar(character, repeat, flags);
}

void CTreeOptionsCtrl::Notify(UINT code, HTREEITEM item)
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    NMTREEVIEW info{};
    info.hdr.hwndFrom = GetSafeHwnd();
    info.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    info.hdr.code = code;
    info.itemNew.hItem = item;
    parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info));
}
