#pragma once
// One document of the data editor: one table of a workbook (or a table imported from an
// Access, dBASE III or delimited-text file), held by a CData object.

#include "datalib/CData.h"
#include "platform/frame/CDocument.h"

class CSobrelView;

class CSobrelDoc : public CDocument
{
    DECLARE_DYNCREATE(CSobrelDoc)

public:
    CSobrelDoc();
    ~CSobrelDoc() override;

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;

    // Reads a table of another kind of file (databaseType says which) into this new document.
    BOOL ImportFile(const CString& path);
    CSobrelView* View() const;

    CData data;
    CString databaseType = "Excel 8.0";
    CString tableName;
    bool readOnly = false;

protected:
    DECLARE_MESSAGE_MAP()
};
