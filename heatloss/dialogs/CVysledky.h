#pragma once
// The results of the heat-loss calculation room by room with the project's totals (dialog
// 138); "Uložit" writes the building and room rows of the results sheet "SeznamM$".

#include "platform/ui/CDialog.h"

class CListCtrl;

class CVysledky : public CDialog
{
public:
    explicit CVysledky(CWnd* pParent = nullptr);

    // The list's column count and the columns hidden until the user drags them open.
    static constexpr int kColumns = 14;

    CListCtrl& List();

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSave();
    DECLARE_MESSAGE_MAP()

private:
    void InsertColumns();
    void InsertRooms();
    void ShowTotals();
    // True when "SeznamM$" holds a design: a "TlakZtráta" greater than 0.
    bool SheetHoldsDesign();
    // False when the sheet could not be stored (the failure was shown).
    bool WriteSheet();
};
