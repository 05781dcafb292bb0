#pragma once
// The general page of the options: editing, grid lines, numbers, line breaking, colours, font.

#include "dataeditor/app/CSobrelOptions.h"
#include "platform/ui/CPropertyPage.h"

class COptionsGeneralProp : public CPropertyPage
{
public:
    COptionsGeneralProp();

    // The values the page edits (copied from and to the options record by the sheet).
    CSobrelOptions values;
    // The record whose grid font a chosen font replaces at once (kept when the sheet is cancelled).
    CSobrelOptions* target = nullptr;

    void FromOptions(const CSobrelOptions& options);
    void ToOptions(CSobrelOptions& options) const;
    void ShowColours();
    void ShowFont();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnAddRowOnEnd();
    afx_msg void OnBreakText();
    afx_msg void OnColour(UINT id);
    afx_msg void OnFont();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateEnabling();
    COLORREF* ColourOf(UINT id);
};
