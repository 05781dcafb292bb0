#pragma once
// The search dialog of the table window: what to look for (a text, a number or a date), how
// to show what was found (marked with a colour, the other rows hidden) and what to replace it
// with.

#include "dataeditor/controls/CColourPicker.h"
#include "platform/core/COleDateTime.h"
#include "platform/ui/CDialog.h"

class CSearchDlg : public CDialog
{
public:
    explicit CSearchDlg(CWnd* pParent = nullptr);

    enum Mode
    {
        textMode = 0,
        numberMode = 1,
        dateMode = 2
    };
    enum NumberMode
    {
        numberRange = 0,
        numberEqual = 1,
        numberMinimum = 2,
        numberMaximum = 3
    };
    enum DateMode
    {
        dateRange = 0,
        dateOne = 1
    };

    // What the search offers: number and date modes only with such columns in its scope,
    // replacing only in a table that may be edited.
    bool numbersAvailable = true;
    bool datesAvailable = true;
    bool editable = true;

    CString text;
    int wholeCell = 0;
    int caseSensitive = 0;
    int mode = textMode;
    double lower = 0;
    double upper = 0;
    int numberType = numberRange;
    COleDateTime from;
    COleDateTime to;
    int dateType = dateRange;
    int mark = 1;
    COLORREF colour;
    int hide = 0;
    int replace = 0;
    CString replacement;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnModeClicked();
    afx_msg void OnNumberTypeClicked();
    afx_msg void OnDateTypeClicked();
    afx_msg void OnNumberLeft();
    DECLARE_MESSAGE_MAP()

private:
    void EnableControls();
    int CheckedMode();
    CColourPicker m_picker;
};
