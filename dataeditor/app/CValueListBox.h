#pragma once
// An editable list of named values: each item's label is a name of its dialog's map of names
// to value texts. Selecting an item shows its value through the dialog and enables the
// dialog's button 1600 for items the user may change (item data -1); a new or renamed label
// that another item carries already is refused with a message and opened again; a removed item
// takes its name out of the map, and a rename drops the names no item carries any more.

#include "dataeditor/app/CEditListBox.h"

#include <map>

class CValueListBox : public CEditListBox
{
public:
    // What the list works on in its dialog.
    class Owner
    {
    public:
        virtual ~Owner() = default;
        virtual std::map<CString, CString>& Values() = 0;
        virtual bool EditingAllowed() const = 0;
        // The value a new name starts with.
        virtual CString NewValue() const = 0;
        virtual void ShowValue(const CString& name) = 0;
    };

    static constexpr UINT changeButtonId = 1600;

    // Orders the items by their data, then selects the first.
    void Sort();

    Owner* owner = nullptr;

protected:
    void OnSelectionChanged() override;
    BOOL OnBeforeRemoveItem(int index) override;
    void OnAfterAddItem(int index) override;
    void OnAfterRenameItem(int index) override;

private:
    // False (after the message, with the label open again) when another item has the name.
    bool TakeName(int index);
    void DropUnusedNames();
};
