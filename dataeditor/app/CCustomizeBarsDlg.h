#pragma once
// Customising the user's tool bars: create, rename and delete a bar; add, remove and order
// its commands (every command of the main menu is offered); the picture of a button (its
// command's own or one of the user's pictures); text labels on or off. Changes take effect at
// once.

#include "platform/ui/CDialog.h"

#include <vector>

class UserToolBars;
struct UserToolBarDefinition;

class CCustomizeBarsDlg : public CDialog
{
public:
    CCustomizeBarsDlg(UserToolBars& bars, CWnd* pParent = nullptr);

    // The commands offered, in menu order.
    std::vector<UINT> offered;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBarChanged();
    afx_msg void OnNewBar();
    afx_msg void OnRenameBar();
    afx_msg void OnDeleteBar();
    afx_msg void OnAddButton();
    afx_msg void OnRemoveButton();
    afx_msg void OnButtonUp();
    afx_msg void OnButtonDown();
    afx_msg void OnTextLabels();
    afx_msg void OnButtonChanged();
    afx_msg void OnButtonImage();
    DECLARE_MESSAGE_MAP()

private:
    int SelectedBar() const;
    void FillBars(int select);
    void FillButtons(int selectButton);
    void Apply(const UserToolBarDefinition& buttons, int selectButton);
    UserToolBarDefinition Current() const;
    int SelectedButton() const;
    void FillImages();
    void MoveButton(int step);

    UserToolBars& m_bars;
    // The bar slot of each entry of the bar list.
    std::vector<int> m_slots;
};
