#pragma once
// Settings shown as tree items: check boxes and radio buttons (the state lies in the item's
// image) and items whose text is a label, ": " and a value, edited in place in a drop-down list
// or an edit field (the editor's class lies in the item's data). The parent learns of each
// change through WM_NOTIFY.

#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CTreeCtrl.h"

#include <memory>

class CImageList;
class CTreeOptionsCtrl;

// The drop-down list of an item's value; a derived class fills the list with its choices.
class CTreeOptionsCombo : public CComboBox
{
    DECLARE_DYNCREATE(CTreeOptionsCombo)
public:
    static constexpr DWORD style = 0x50200003; // child, visible, vertical scroll, drop-down list
    virtual int Width() const { return 100; }
    virtual int DropHeight() const { return 100; }
    virtual void FillList() {}

    CTreeOptionsCtrl* tree = nullptr;
};

// The edit field of an item's value. A text that reads as a number puts it in numeric mode,
// where only digits, backspace and one decimal separator can be typed.
class CTreeOptionsEdit : public CEdit
{
    DECLARE_DYNCREATE(CTreeOptionsEdit)
public:
    static constexpr DWORD style = 0x50000080; // child, visible, automatic horizontal scroll
    virtual int Width() const { return 100; }

    CTreeOptionsCtrl* tree = nullptr;
    bool numeric = false;
    bool firstKey = true;
    CString startText;
    CString decimalSeparator;

    // The tree's parent learns of a text that differs from the one the editing began with.
    void NotifyChange();

protected:
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnChar(UINT character, UINT repeat, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWindow);
    DECLARE_MESSAGE_MAP()

private:
    bool IsNumber(const CString& text) const;
};

class CTreeOptionsCtrl : public CTreeCtrl
{
public:
    CTreeOptionsCtrl();
    ~CTreeOptionsCtrl() override;

    // Images: check box 0 off, 1 on, 4 and 5 the same disabled; radio button 2 off, 3 on, 6 and 7
    // the same disabled.
    enum Image
    {
        checkOff = 0,
        checkOn = 1,
        radioOff = 2,
        radioOn = 3,
        checkOffDisabled = 4,
        checkOnDisabled = 5,
        radioOffDisabled = 6,
        radioOnDisabled = 7
    };
    // Notification codes to the parent.
    enum Notification : UINT
    {
        editChanged = 1111,
        checkBoxChanged = 1112,
        selectionChanged = 1113,
        radioChanged = 1114
    };

    static bool IsCheckBox(int image) { return image == 0 || image == 1 || image == 4 || image == 5; }
    static bool IsRadioButton(int image) { return image == 2 || image == 3 || image == 6 || image == 7; }
    static bool IsEnabled(int image) { return image >= 0 && image < 4; }

    int Image(HTREEITEM item) const;
    void SetCheckBox(HTREEITEM item, bool checked);
    // The item becomes the one selected radio button of its siblings.
    void SelectRadioButton(HTREEITEM item);
    // The value after ": "; the item's text is left as the label and ": ".
    CString GetEditText(HTREEITEM item);
    void SetEditText(HTREEITEM item, const CString& value);

    // What a click or the space bar does to the item: toggles an enabled check box, selects an
    // enabled radio button that is not selected; false when it changed nothing.
    bool Act(HTREEITEM item);

    // The in-place editor of an item: a class derived from CTreeOptionsCombo or CTreeOptionsEdit
    // (null: none).
    void SetEditor(HTREEITEM item, const CRuntimeClass* editor);
    const CRuntimeClass* Editor(HTREEITEM item) const;
    // Opens the item's editor with its value (the item's text keeps the label and ": ").
    bool OpenEditor(HTREEITEM item);
    // Writes the open editor's text back as the value and destroys the editor.
    void CloseEditor();
    CTreeOptionsCombo* Combo() const { return m_combo.get(); }
    CTreeOptionsEdit* Edit() const { return m_edit.get(); }
    HTREEITEM EditedItem() const { return m_editItem; }

    // Where the item's picture and text are drawn, in the tree's coordinates.
    CRect LabelRect(HTREEITEM item) const;

    // The eight pictures of check boxes and radio buttons, in the order of the images above.
    void UseStandardImages();

    static constexpr UINT comboId = 100;
    static constexpr UINT editId = 101;

protected:
    void ConnectWidget() override;
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnChar(UINT character, UINT repeat, UINT flags);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void OnSelectionChanged();
    void Notify(UINT code, HTREEITEM item, HTREEITEM old = nullptr);

    std::unique_ptr<CTreeOptionsCombo> m_combo;
    std::unique_ptr<CTreeOptionsEdit> m_edit;
    HTREEITEM m_editItem = nullptr;
    HTREEITEM m_selected = nullptr;
    std::unique_ptr<CImageList> m_images;
};
