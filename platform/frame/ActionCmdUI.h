#pragma once
// The command-update state of one menu item or tool bar button, shown on its action.

#include "platform/ui/CCmdUI.h"

#include <QAction>
#include <QString>

class ActionCmdUI : public CCmdUI
{
public:
    // Tool bar buttons keep their pictures: only menu items take a new text.
    explicit ActionCmdUI(bool takesText) : m_takesText(takesText) {}

    QAction* action = nullptr;

    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        action->setEnabled(bOn);
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        action->setCheckable(true);
        action->setChecked(nCheck != 0);
    }
    void SetText(LPCTSTR lpszText) override
    {
        if (!m_takesText)
            return;
        CCmdUI::SetText(lpszText);
        action->setText(QString::fromUtf8(lpszText ? lpszText : ""));
    }

private:
    bool m_takesText;
};
