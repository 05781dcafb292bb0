#include "platform/frame/CDocument.h"
#include "platform/frame/CDocTemplate.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CView.h"
#include "platform/frame/CWinApp.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameTexts.h"

#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument()
{
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    for (CView* view : m_viewList)
        if (CFrameWnd* frame = view->GetParentFrame())
            frame->OnUpdateFrameTitle(TRUE);
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = lpszPathName;
    CString title = m_strPathName;
    const int slash = title.ReverseFind('/');
    if (slash >= 0)
        title = title.Mid(slash + 1);
    SetTitle(title);
    if (bAddToMRU && AfxGetApp())
        AfxGetApp()->AddToRecentFileList(lpszPathName);
}

void CDocument::AddView(CView* pView)
{
    if (!pView || std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end())
        return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end())
        return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

// A position is the index of the next view plus one.
POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.empty() ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t(1));
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    const std::size_t index = reinterpret_cast<std::uintptr_t>(rPosition) - 1;
    if (!rPosition || index >= m_viewList.size())
    {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = index + 1 < m_viewList.size() ? reinterpret_cast<POSITION>(std::uintptr_t(index + 2)) : nullptr;
    return m_viewList[index];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (CView* view : std::vector<CView*>(m_viewList))
        if (view != pSender)
            view->OnUpdate(pSender, lHint, pHint);
}

void CDocument::OnChangedViewList()
{
    // A document whose last view went away closes itself.
    if (m_viewList.empty() && m_bAutoDelete)
        OnCloseDocument();
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException error;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &error))
    {
        AfxMessageBox(FrameTexts::Format(FrameTexts::CannotOpen, lpszPathName), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);
    try
    {
        CArchive archive(&file, CArchive::load);
        Serialize(archive);
        archive.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        DeleteContents();
        AfxMessageBox(FrameTexts::Format(FrameTexts::CannotRead, lpszPathName), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    // The old file stays until the new one is complete.
    const bool written = FileOps::ReplaceAtomically(lpszPathName, [this](const char* temporary) {
        CFile file;
        if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite))
            return false;
        try
        {
            CArchive archive(&file, CArchive::store);
            Serialize(archive);
            archive.Close();
            file.Close();
        }
        catch (CException* e)
        {
            e->Delete();
            return false;
        }
        return true;
    });
    if (!written)
    {
        AfxMessageBox(FrameTexts::Format(FrameTexts::CannotSave, lpszPathName), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE; // the frames below must not delete the document meanwhile
    while (!m_viewList.empty())
    {
        CView* view = m_viewList.front();
        CFrameWnd* frame = view->GetParentFrame();
        if (frame)
        {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        }
        if (!m_viewList.empty() && m_viewList.front() == view)
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    switch (AfxMessageBox(FrameTexts::Format(FrameTexts::AskToSave, name), MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Another frame still shows the document: closing this one loses nothing.
    for (CView* view : m_viewList)
        if (view->GetParentFrame() != pFrame)
            return TRUE;
    return SaveModified();
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString path = lpszPathName ? CString(lpszPathName) : CString();
    if (path.IsEmpty())
    {
        path = m_strPathName;
        if (path.IsEmpty() && bReplace)
        {
            path = m_strTitle.SpanExcluding(" #%;/\\");
            CString ext;
            if (m_pDocTemplate && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.IsEmpty())
                path += ext;
        }
        CWinApp* app = AfxGetApp();
        if (!app || !app->DoPromptFileName(path, bReplace ? FrameTexts::SaveFileTitleId : FrameTexts::SaveCopyTitleId,
                                           0, FALSE, m_pDocTemplate))
            return FALSE;
    }
    BeginWaitCursor();
    const BOOL saved = OnSaveDocument(path);
    EndWaitCursor();
    if (!saved)
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    if (m_strPathName.IsEmpty() || FileOps::IsReadOnly(m_strPathName))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
