#pragma once
// A small single-document program: a document with one text saved to its file, a view that
// draws it, a frame with a tool bar of two buttons and a status bar, and the application.

#include "platform/frame/CDocument.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CStatusBar.h"
#include "platform/frame/CToolBar.h"
#include "platform/frame/CView.h"
#include "platform/frame/CWinApp.h"

#include "resources/sdi_test_ids.h"

#include <string>
#include <vector>

class TestDoc : public CDocument
{
    DECLARE_DYNCREATE(TestDoc)

public:
    CString m_text;
    static std::vector<std::string> s_calls;

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    void DeleteContents() override;
    void Serialize(CArchive& ar) override;
};

class TestView : public CView
{
    DECLARE_DYNCREATE(TestView)

public:
    TestDoc* GetDocument() const { return static_cast<TestDoc*>(CView::GetDocument()); }
    void OnDraw(CDC* pDC) override;

protected:
    DECLARE_MESSAGE_MAP()
};

class TestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(TestFrame)

public:
    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    int m_calculations = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnCalculate();
    afx_msg void OnUpdateCalculate(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class TestApp : public CWinApp
{
public:
    TestApp() : CWinApp("Zkouska") {}
    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
