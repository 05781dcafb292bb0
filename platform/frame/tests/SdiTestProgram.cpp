#include "SdiTestProgram.h"

#include "platform/core/CArchive.h"
#include "platform/ui/CCmdUI.h"
#include "platform/frame/CSingleDocTemplate.h"


std::vector<std::string> TestDoc::s_calls;

IMPLEMENT_DYNCREATE(TestDoc, CDocument)
IMPLEMENT_DYNCREATE(TestView, CView)
IMPLEMENT_DYNCREATE(TestFrame, CFrameWnd)

BOOL TestDoc::OnNewDocument()
{
    s_calls.push_back("new");
    return CDocument::OnNewDocument();
}

BOOL TestDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    s_calls.push_back("open");
    return CDocument::OnOpenDocument(lpszPathName);
}

BOOL TestDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    s_calls.push_back("save");
    return CDocument::OnSaveDocument(lpszPathName);
}

void TestDoc::DeleteContents()
{
    s_calls.push_back("delete contents");
    m_text.Empty();
}

void TestDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_text;
    else
        ar >> m_text;
}

BEGIN_MESSAGE_MAP(TestView, CView)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

void TestView::OnDraw(CDC* pDC)
{
    pDC->TextOut(10, 10, GetDocument() ? GetDocument()->m_text : CString());
}

BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_CALCULATE, OnCalculate)
    ON_UPDATE_COMMAND_UI(ID_CALCULATE, OnUpdateCalculate)
END_MESSAGE_MAP()

int TestFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY) ||
        !m_wndToolBar.LoadToolBar(IDR_SDI_TEST))
        return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 3))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return 0;
}

void TestFrame::OnCalculate() { ++m_calculations; }

void TestFrame::OnUpdateCalculate(CCmdUI* pCmdUI)
{
    auto* doc = dynamic_cast<TestDoc*>(GetActiveDocument());
    pCmdUI->Enable(doc && !doc->m_text.IsEmpty());
}

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

BOOL TestApp::InitInstance()
{
    SetRegistryKey("Kolp");
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_SDI_TEST, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestFrame),
                                          RUNTIME_CLASS(TestView)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    return ProcessShellCommand(cmdInfo);
}
