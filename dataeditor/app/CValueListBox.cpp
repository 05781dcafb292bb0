#include "dataeditor/app/CValueListBox.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

void CValueListBox::Sort()
{
    std::vector<std::pair<DWORD_PTR, CString>> items;
    for (int i = 0; i < GetCount(); ++i)
        items.emplace_back(GetItemData(i), GetItemText(i));
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 0; i < int(items.size()); ++i)
    {
        SetItemText(i, items[std::size_t(i)].second);
        SetItemData(i, items[std::size_t(i)].first);
    }
    if (GetCount() > 0)
    {
        SelectItem(0);
        OnSelectionChanged();
    }
}

void CValueListBox::OnSelectionChanged()
{
    const int selected = GetSelItem();
    if (!owner || selected < 0)
        return;
    const CString name = GetItemText(selected);
    if (owner->Values().count(name) == 0)
        return;
    if (CWnd* parent = GetParent())
        if (CWnd* button = parent->GetDlgItem(changeButtonId))
            button->EnableWindow(owner->EditingAllowed() && GetItemData(selected) == DWORD_PTR(-1));
    owner->ShowValue(name);
}

BOOL CValueListBox::OnBeforeRemoveItem(int index)
{
    if (owner)
        owner->Values().erase(GetItemText(index));
    return TRUE;
}

bool CValueListBox::TakeName(int index)
{
    const CString name = GetItemText(index);
    std::map<CString, CString>& values = owner->Values();
    bool carriedElsewhere = false;
    for (int i = 0; i < GetCount(); ++i)
        carriedElsewhere = carriedElsewhere || (i != index && GetItemText(i) == name);
    if (values.count(name) > 0 && carriedElsewhere)
    {
        CString text;
        text.LoadString(IDS_VALUE_NAME_TAKEN);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        EditItem(index);
        return false;
    }
    if (values.count(name) == 0)
        values[name] = owner->NewValue();
    return true;
}

void CValueListBox::DropUnusedNames()
{
    std::set<CString> carried;
    for (int i = 0; i < GetCount(); ++i)
        carried.insert(GetItemText(i));
    std::map<CString, CString>& values = owner->Values();
    for (auto entry = values.begin(); entry != values.end();)
        entry = carried.count(entry->first) ? std::next(entry) : values.erase(entry);
}

void CValueListBox::OnAfterAddItem(int index)
{
    if (owner)
        TakeName(index);
}

void CValueListBox::OnAfterRenameItem(int index)
{
    if (!owner)
        return;
    if (TakeName(index))
        DropUnusedNames();
}
