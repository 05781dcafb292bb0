#pragma once
// The tree options control at work: a few settings of each kind (check boxes, a disabled one, a
// group of radio buttons, a value chosen from a list and a number typed in place), and a line
// that tells the last change the tree reported.

#include "dataeditor/controls/CTreeOptionsCtrl.h"
#include "platform/ui/CDialog.h"

// The line styles offered by the test dialog's drop-down item.
class CTreeOptionsTestCombo : public CTreeOptionsCombo
{
    DECLARE_DYNCREATE(CTreeOptionsTestCombo)
public:
    void FillList() override;
};

class CTreeOptionsTestDlg : public CDialog
{
public:
    explicit CTreeOptionsTestDlg(CWnd* pParent = nullptr);

    CTreeOptionsCtrl tree;
    HTREEITEM backup = nullptr;
    HTREEITEM oneWindow = nullptr;
    HTREEITEM locked = nullptr;
    HTREEITEM direction = nullptr;
    HTREEITEM right = nullptr;
    HTREEITEM down = nullptr;
    HTREEITEM line = nullptr;
    HTREEITEM breakWidth = nullptr;

protected:
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void ShowChange(const CString& what);
};
