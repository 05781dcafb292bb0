#pragma once
// The data editor's application object: start-up and exit, the language packs, the options
// record, the single-instance protocol, the start script, the named row-format list, the
// table requested on the command line and the services the document, view and grid call
// (progress, number texts, the temporary folder).

#include "dataeditor/app/CSobrelOptions.h"
#include "dataeditor/app/ContextMenuManager.h"
#include "platform/frame/CWinApp.h"

#include <map>
#include <memory>

class CMainFrame;
class SingleInstance;

class CSobrelApp : public CWinApp
{
public:
    CSobrelApp();
    ~CSobrelApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Help pages lie in the folder "help" beside the program and open as addresses do.
    CString GetHelpFolder() const override;
    void OpenHelpPage(const CString& path) override;

    // Loads every pack Sobrel-<code>.so beside the program; the first that loads is the preset.
    void DiscoverLanguages();
    // Mode 1 (the language command) saves options, bars and formats first; 2 saves nothing;
    // a larger mode does nothing. True when the new language is in force.
    bool SwitchLanguage(const CString& code, int mode, const CString& extra);

    void ReportProgress(int position, int range, const CString& text, bool showPercent, bool start);
    int NormalizeNumberText(CString& text) const;
    bool IsNumberText(CString text) const;
    static CString FormatNumber(double value, int digits, char decimalChar, const CString& thousandSeparator);
    static CString GetTempFolder();

    void ReadOptions();
    void WriteOptions();
    CString GetNamedFormatWorkbookPath() const;
    // Loads the named row-format list from its workbook; false when the workbook or its table
    // does not open.
    bool LoadNamedFormats();
    void SaveNamedFormats();
    void ResetBars(bool onlyIfNoState);
    // The pack's resources and the texts taken from it.
    void UseLanguageTexts(const CString& code);
    // An open request of another instance (or of the command line): the file with its table.
    void OpenRequested(const CString& path);

    // Commands.
    void OpenTableFile();
    void About();
    void CheckVersion();
    // The options sheet on its general page and on its print page.
    void OnOptions();
    void OnPrintOptions();

    CString language;
    std::map<CString, HMODULE> languages;
    CString programFolder;
    CString dataFolder;
    CString excelConnect = "Excel 8.0";
    char decimalPoint = ',';
    CString thousandSeparator = " ";
    CString rowFormatColumnName;
    CString requestedTable;
    CString forwardedExtra;
    CString indexColumnName = "Věta";
    CSobrelOptions options;
    std::map<CString, CString> namedFormats;
    std::map<CString, int> namedFormatOrder;
    bool namedFormatsChanged = false;
    CString namedFormatWorkbook;
    bool firstInstance = true;
    bool startFailed = false;
    bool exiting = false;
    bool closing = false;
    // The open-another-table command runs, carrying its document's read-only state.
    bool openingAnotherTable = false;
    bool anotherTableReadOnly = false;
    std::unique_ptr<SingleInstance> instance;
    // The grid's context menu (1057), named in the language in force.
    ContextMenuManager contextMenus;

protected:
    DECLARE_MESSAGE_MAP()

private:
    bool StartUp();
    void RunStartScript();
    // With the main window, its menus and bars too.
    void UseLanguagePack(const CString& code);
    CString LanguageString(UINT id) const;
};

CSobrelApp* SobrelApp();
// The name of the row-format column in the current language.
CString SobrelFormatColumnName();
CMainFrame* SobrelMainFrame();
