#pragma once
// An editable list of named items, each with a number of the caller's: a small bar of buttons
// above it (new, delete, move up, move down; Insert and Delete do the same from the keyboard)
// and labels edited in place (F2 or a double click). A new item starts with its label open
// for editing; left empty it goes away again. Derived lists react through the virtual
// operations; by default a change of the selection notifies the parent (LBN_SELCHANGE).

#include "platform/ui/CWnd.h"

class QListWidget;
class QListWidgetItem;

class CEditListBox : public CWnd
{
public:
    CEditListBox();
    ~CEditListBox() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Takes the place, size and id of a control of the parent (a placeholder), which goes.
    BOOL ReplaceDlgItem(CWnd* pParentWnd, UINT nID);
    // Shows the buttons new, delete, move up and move down.
    void SetStandardButtons();

    int AddItem(const CString& text, DWORD_PTR data = 0, int index = -1);
    // Asks OnBeforeRemoveItem first; false when it refused or the index is wrong.
    BOOL RemoveItem(int index);
    int GetCount() const;
    CString GetItemText(int index) const;
    void SetItemText(int index, const CString& text);
    DWORD_PTR GetItemData(int index) const;
    void SetItemData(int index, DWORD_PTR data);
    int GetSelItem() const;
    BOOL SelectItem(int index);
    // Opens the item's label for editing.
    BOOL EditItem(int index);
    bool IsEditing() const;

    // The buttons' actions.
    void CreateNewItem();
    void RemoveSelectedItem();
    void MoveSelectedItem(int step);

protected:
    virtual void OnSelectionChanged();
    virtual BOOL OnBeforeRemoveItem(int index);
    virtual void OnAfterAddItem(int index);
    virtual void OnAfterRenameItem(int index);
    virtual void OnAfterMoveItemUp(int index);
    virtual void OnAfterMoveItemDown(int index);

    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    QListWidget* List() const;
    QListWidgetItem* Item(int index) const;
    void LabelChanged(QListWidgetItem* item);
    void EditorClosed();

    int m_silent = 0;
    // The new item whose first label is being edited.
    QListWidgetItem* m_newItem = nullptr;
};
