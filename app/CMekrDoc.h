#pragma once
// The project document: New, Open, Save and Save As of a project file (".kzn"), the working
// copy beside it in which the whole program works, and the header sheet "DataAkce$". The
// project file changes only at Save; a modified project is never dropped without a question.

#include "app/ProjectHeaderSheet.h"
#include "platform/frame/CDocument.h"

class CCmdUI;
class CData;

class CMekrDoc : public CDocument
{
    DECLARE_DYNCREATE(CMekrDoc)

public:
    // The project file as the user knows it: the chosen ".kzn", or the working copy of a new
    // project until it is first saved. Empty while no project is loaded.
    CString m_strDocPath;
    // The version mark of the project format read from the header ("1.1" current).
    CString m_strProgVer;
    RadiatorCatalogueChoice m_radiators;
    BOOL m_bBasicDataPending = FALSE;

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    BOOL IsModified() override;
    BOOL SaveModified() override;
    void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE) override;

    // The question before a modified project is dropped: Yes saves, No drops the changes;
    // FALSE for Cancel or a save that did not happen.
    BOOL SaveIfModified();
    // TRUE once when the first project of the run waits for its basic data (the main window was
    // not up to take the command).
    BOOL TakePendingBasicData();
    // The Save As proposal for a job name: characters a file name cannot hold become '_'.
    static CString ProposedFileName(const CString& jobName);

protected:
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateHasProject(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void PostBasicData();
    BOOL NewFromTemplate(CString& target);
    BOOL MakeWorkingCopy(const CString& docPath, CString& workingCopy);
    void ResetProject();
    BOOL LoadProject(const CString& docPath, bool userFile = true);
    BOOL SaveProject(const CString& docPath);
    void UpgradeProject();
    BOOL Save();
    BOOL SaveAs();
    BOOL IsNeverSaved() const;
    CString DialogFolder() const;
    BOOL WriteHeader(const CString& workbook);
    BOOL OpenHeader(CData& data, const CString& docPath, const CString& workingCopy);
    void WarnOfUnknownFormat(const CString& docPath, const CString& unknownColumns) const;
    void UseProject(const CString& docPath, const CString& workingCopy);
};
