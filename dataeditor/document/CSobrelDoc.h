#pragma once
// One document of the data editor: one table of a workbook (or a table imported from an
// Access, dBASE III or delimited-text file). The document chooses the table, keeps one
// document per file and table, protects its file against other writers (write bits off, the
// file listed under "WritingFiles"), saves by rebuilding the table in a copy of the workbook
// that then replaces it, deletes and renames its table and builds the window title.

#include "datalib/CData.h"
#include "platform/frame/CDocument.h"

#include <sys/types.h>

#include <vector>

class CSobrelOptions;
class CSobrelView;

class CSobrelDoc : public CDocument
{
    DECLARE_DYNCREATE(CSobrelDoc)

public:
    CSobrelDoc();
    // A workbook sheet holds at most this many columns.
    static constexpr int kMaxSheetColumns = 256;
    ~CSobrelDoc() override;

    void SetTitle(LPCTSTR lpszTitle) override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    void OnCloseDocument() override;
    BOOL SaveModified() override;
    BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE) override;

    // Reads a file of another kind (connectType says which) into this new document.
    BOOL ImportFile(const CString& path);
    BOOL ChooseTable();
    void BuildTableList();
    // The table count of another document of this template with the same file (0: none);
    // takes over its read-only state and, with activate, brings its window up.
    int FindOtherDocument(const CString& path, bool activate);
    void AddToWritingFiles();
    void RemoveFromWritingFiles();
    void ProtectFile(bool on);
    static CString WithSheetSuffix(const CString& name);
    static CString WithoutSheetSuffix(const CString& name);
    void RefreshTitle();
    // The view loaded the table: the file gets its protection.
    void LoadingEnded();
    // A table name set back or again by the journal: previous is the name it replaces.
    void ApplyTableName(const CString& name, const CString& previous);
    CSobrelView* View() const;
    // The name under which the other documents of the file see this one's table.
    CString ShownTableName() const;

    // Commands.
    void OnOpenAnotherTable();
    void OnDeleteTable();
    void OnRenameTable();

    CString tableName;
    CString storedTableName;
    CString markerTableName;
    int readOnly = 0;
    CData data;
    CString filePath;
    CString connectType = "Excel 8.0";
    int nameChanged = 0;
    int fileBacked = 0;
    std::vector<CString> tableList;
    int tableCount = 0;
    int sheetCount = 0;
    CString openMarker;
    CSobrelOptions* options = nullptr;
    // The import ended with nothing more to report: the user cancelled it, or was told why
    // the file could not be read.
    bool importReported = false;

protected:
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);
    afx_msg void OnUpdateOpenAnotherTable(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDeleteTable(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRenameTable(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    bool SaveFailed(UINT message, const CString& argument, const CString& temporary);
    bool WriteTable(const CString& temporary);
    bool ReplaceFile(const CString& temporary, const CString& path);
    // Asks for a new table name and records the rename; false when the user cancels.
    bool AskNewTableName();
    // The save was refused for the table's name: tells why and offers a rename.
    bool OfferRenameOfRefusedName();
    void WriteColumnTypes(CSobrelView& view);
    BOOL LoadImported(bool loaded);
    BOOL ImportText(const CString& path);
    bool ReadImportedText(const CString& path, std::string& text);
    void ActivateDocumentShowing(const CString& entry);
    std::vector<CSobrelDoc*> OtherDocuments(const CString& path) const;

    // The file's mode before protection took its write bits (0: not protected by us).
    mode_t m_modeBeforeProtection = 0;
    // Why the last save could not make the table under its name (empty: it was not that).
    CString m_refusedNameReason;
};
