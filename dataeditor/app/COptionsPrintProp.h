#pragma once
// The print page of the options: zoom, fills, row numbers, margins, printer and the print
// header/footer entries with their tokens.

#include "dataeditor/app/CSobrelOptions.h"
#include "platform/ui/CPropertyPage.h"

class COptionsPrintProp : public CPropertyPage
{
public:
    COptionsPrintProp();

    CSobrelOptions values;
    // The header/footer entry the six fields show.
    int entry = 0;

    void FromOptions(const CSobrelOptions& options);
    void ToOptions(CSobrelOptions& options) const;
    // The six fields back into the current entry.
    void StoreFields();
    void ShowEntry(int index);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnKillActive() override;
    afx_msg void OnAutoZoom();
    afx_msg void OnPagesChanged();
    afx_msg void OnEntryChanged();
    afx_msg void OnToken();
    afx_msg void OnFieldFocus(UINT id);
    afx_msg void OnPageSetup();
    afx_msg void OnPrintSetup();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateEnabling();
    int m_lastField = 0;
};
