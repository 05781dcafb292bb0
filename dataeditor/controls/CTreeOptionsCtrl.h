#pragma once
// Settings shown as tree items: check boxes and radio buttons (the state lies in the item's
// image) and items whose text is a label, ": " and a value. The parent learns of each change
// through WM_NOTIFY.

#include "platform/ui/CTreeCtrl.h"

class CTreeOptionsCtrl : public CTreeCtrl
{
public:
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

protected:
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnChar(UINT character, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    void Notify(UINT code, HTREEITEM item);
};
