#pragma once
// The project document. It names the project's file; reading and writing projects comes with
// the project model, until then Save and Save As change nothing and say so.

#include "platform/frame/CDocument.h"

class CMekrDoc : public CDocument
{
    DECLARE_DYNCREATE(CMekrDoc)

public:
    // The project file (".kzn") the document stands for.
    CString m_strDocPath;

    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;

protected:
    afx_msg void OnNotAvailable();
    DECLARE_MESSAGE_MAP()
};
