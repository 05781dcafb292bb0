#pragma once
// The main frame's status bar: a progress bar over one pane, and a list of messages that the
// user steps through with small picture buttons over another pane (previous, next and a third
// one that acts on the current message), the current one shown in the first pane.

#include "dataeditor/controls/CPercentProgressCtrl.h"
#include "platform/frame/CStatusBar.h"
#include "platform/ui/CBitmapButton.h"

#include <vector>

class CSobrelStatusBar : public CStatusBar
{
public:
    enum Feature
    {
        messageButtons = 1,
        thirdButton = 2,
        progressBar = 4
    };
    static constexpr UINT progressId = 2004;

    // Creates the bar (when it has no window yet) with its progress bar over progressPane.
    BOOL Create(CWnd* parent, DWORD features, int progressPane, int buttonPane);

    // position -1 hides the bar; a total above 0 sets the range 0..total.
    void SetProgress(int position, int total);
    CPercentProgressCtrl* Progress() { return m_progress.GetSafeHwnd() ? &m_progress : nullptr; }
    void SetPaneTextNow(const CString& text, int pane);

    // Messages: the first one added becomes current; makeCurrent makes the new one current.
    void AddMessage(const CString& text, bool makeCurrent = false, bool refresh = true);
    // The first message becomes current when the removed one was.
    void RemoveMessage(int index);
    void ClearMessages(bool refresh = true);
    void Previous();
    void Next();
    bool CanGoPrevious() const { return m_current > 0; }
    bool CanGoNext() const { return m_current >= 0 && m_current + 1 < int(m_messages.size()); }
    bool HasCurrent() const { return m_current >= 0; }
    int Current() const { return m_current; }
    int MessageCount() const { return int(m_messages.size()); }
    // With message buttons: the current message (or the idle text) in the first pane, and the
    // buttons enabled as they can act.
    void Refresh(bool clear = false);
    // What the third button does with the current message (nothing here).
    virtual void ActOnCurrent() {}

    void Layout();
    // The buttons (null when the feature was not asked for).
    CBitmapButton* PreviousButton() { return m_previous.GetSafeHwnd() ? &m_previous : nullptr; }
    CBitmapButton* NextButton() { return m_next.GetSafeHwnd() ? &m_next : nullptr; }
    CBitmapButton* ThirdButton() { return m_third.GetSafeHwnd() ? &m_third : nullptr; }

    static constexpr int buttonHeight = 13;
    static constexpr int buttonGap = 2;
    static constexpr int buttonWidth = 14;

protected:
    BOOL CreateButtons();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnPrevious();
    afx_msg void OnNext();
    afx_msg void OnAct();
    afx_msg void OnUpdatePrevious(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNext(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAct(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    DWORD m_features = 0;
    int m_progressPane = -1;
    int m_buttonPane = -1;
    CPercentProgressCtrl m_progress;
    CBitmapButton m_previous;
    CBitmapButton m_next;
    CBitmapButton m_third;
    std::vector<CString> m_messages;
    int m_current = -1;
};
