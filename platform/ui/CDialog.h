#pragma once
// Dialog boxes from templates: modal (DoModal, EndDialog with any code) and modeless (Create),
// OnInitDialog, OnOK, OnCancel and the dialog data exchange.

#include "platform/ui/CWnd.h"

class CDataExchange;
class QEventLoop;
struct DialogTemplate;

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Modeless: the window exists, OnInitDialog ran and, with WS_VISIBLE, it shows.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    // A child dialog (a property page) of a parent: the template's pop-up styles become child styles.
    BOOL CreateAsChild(CWnd* pParentWnd);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT m_nIDHelp = 0;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    // The template the dialog was made from, null before it exists.
    const DialogTemplate* GetTemplate() const { return m_template; }
    BOOL IsModalRunning() const { return m_loop != nullptr && !m_ended; }
    int GetModalResult() const { return m_nModalResult; }

protected:
    // Makes the window and its controls (from the template), then sends WM_INITDIALOG.
    virtual BOOL CreateDialogWindow(CWnd* pParentWnd, bool modal);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;

    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

    int m_nModalResult = -1;
    bool m_ended = false;
    UINT m_nDefID = 0;
    const DialogTemplate* m_template = nullptr;
    QEventLoop* m_loop = nullptr;
    double m_baseUnitX = 6;
    double m_baseUnitY = 13;

    friend class DialogBuilder;
};
