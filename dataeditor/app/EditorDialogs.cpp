#include "dataeditor/app/EditorDialogs.h"

#include "dataeditor/app/CAboutDlg.h"
#include "dataeditor/app/CCustomizeBarsDlg.h"
#include "dataeditor/app/CLanguageDlg.h"
#include "dataeditor/app/CMarginsDlg.h"
#include "dataeditor/app/COptionsGeneralProp.h"
#include "dataeditor/app/COptionsPrintProp.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/app/UserToolBars.h"
#include "dataeditor/controls/CCalculatorDlg.h"
#include "dataeditor/controls/CTransferOptionsDlg.h"
#include "dataeditor/controls/CTreeOptionsTestDlg.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CColumnDlg.h"
#include "dataeditor/document/CJournalDlg.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "dataeditor/document/CSeparatorDlg.h"
#include "dataeditor/document/CTableChoiceDlg.h"
#include "dataeditor/document/CTableNameDlg.h"
#include "dataeditor/document/CTextPromptDlg.h"
#include "dataeditor/document/CTwoColumnListDlg.h"
#include "dataeditor/view/CMoveColumnDlg.h"
#include "dataeditor/view/CSearchDlg.h"
#include "dataeditor/view/SearchIds.h"
#include "dataeditor/view/WindowIds.h"
#include "platform/ui/DialogShot.h"

#include <QCoreApplication>
#include <QImage>

#include <cstring>
#include <memory>

namespace
{
const char* const kPictureLanguage = "CZ";

void RegisterDialogs(CSobrelApp& app)
{
    DialogShot::RegisterClass(IDD_ABOUT, [] { return std::make_unique<CAboutDlg>(); });
    DialogShot::RegisterClass(IDD_LANGUAGE, [] { return std::make_unique<CLanguageDlg>(); });
    DialogShot::RegisterClass(IDD_OPTIONS_GENERAL, [&app] {
        auto page = std::make_unique<COptionsGeneralProp>();
        page->FromOptions(app.options);
        return page;
    });
    DialogShot::RegisterClass(IDD_OPTIONS_PRINT, [&app] {
        auto page = std::make_unique<COptionsPrintProp>();
        page->FromOptions(app.options);
        return page;
    });
    DialogShot::RegisterClass(IDD_CUSTOMIZE_BARS, [] {
        static UserToolBars noBars(nullptr, QImage(), {});
        return std::make_unique<CCustomizeBarsDlg>(noBars);
    });
    DialogShot::RegisterClass(IDD_MARGINS, [] {
        static const int margins[4] = {20, 15, 15, 15};
        static const int minimum[4] = {5, 5, 5, 5};
        return std::make_unique<CMarginsDlg>(margins, minimum);
    });
    DialogShot::RegisterClass(IDD_COLUMN, [] {
        auto dialog = std::make_unique<CColumnDlg>();
        dialog->name = "Cena";
        dialog->initialType = 7;
        dialog->decimals = 2;
        return dialog;
    });
    DialogShot::RegisterClass(IDD_ROW_FORMAT, [&app] {
        auto dialog = std::make_unique<CRowFormatDlg>();
        dialog->formats = app.namedFormats;
        dialog->positions = app.namedFormatOrder;
        return dialog;
    });
    DialogShot::RegisterClass(IDD_JOURNAL, [] {
        static const std::vector<CString> steps = {"Začátek", "Vložen řádek 4", "Změněna buňka C4",
                                                   "Seřazeno podle sloupce 2", "Vložen sloupec 3 Cena"};
        auto dialog = std::make_unique<CJournalDlg>();
        dialog->steps = &steps;
        dialog->current = 4;
        dialog->callerText = "Zpět";
        return dialog;
    });
    DialogShot::RegisterClass(IDD_TEXT_PROMPT, [] {
        auto dialog = std::make_unique<CTextPromptDlg>();
        dialog->text = "Katalog";
        return dialog;
    });
    DialogShot::RegisterClass(IDD_TWO_COLUMN_LIST, [] {
        auto dialog = std::make_unique<CTwoColumnListDlg>();
        dialog->firstColumn = {"Věta", "Název", "Cena"};
        dialog->secondColumn = {"dbLong", "dbText", "dbDouble;2"};
        return dialog;
    });
    DialogShot::RegisterClass(IDD_TABLE_NAME, [] { return std::make_unique<CTableNameDlg>("Ceník", false); });
    DialogShot::RegisterClass(IDD_TABLE_CHOICE, [] {
        return std::make_unique<CTableChoiceDlg>(std::vector<CString>{"A$", "B$ (otevřena)", "Ceník$"},
                                                 "Soubor obsahuje 3 tabulky. Kterou otevřít?", " (otevřena)");
    });
    DialogShot::RegisterClass(IDD_SEPARATOR, [] { return std::make_unique<CSeparatorDlg>(); });
    DialogShot::RegisterClass(IDD_MOVE_COLUMN, [] {
        auto dialog = std::make_unique<CMoveColumnDlg>();
        dialog->entries = {"Název", "Cena", "Poznámka", "Výrobce"};
        dialog->index = 1;
        return dialog;
    });
    DialogShot::RegisterClass(IDD_SEARCH, [] {
        auto dialog = std::make_unique<CSearchDlg>();
        dialog->text = "abc";
        dialog->from = dialog->to = COleDateTime::GetCurrentTime();
        return dialog;
    });
    DialogShot::RegisterClass(IDD_CALCULATOR, [] { return std::make_unique<CCalculatorDlg>(); });
    DialogShot::RegisterClass(IDD_TRANSFER_OPTIONS, [] { return std::make_unique<CTransferOptionsDlg>(7, true); });
    DialogShot::RegisterClass(IDD_TREE_OPTIONS_TEST, [] { return std::make_unique<CTreeOptionsTestDlg>(); });
}
} // namespace

bool PrepareDialogPictures(CSobrelApp& app)
{
    if (app.programFolder.IsEmpty())
    {
        app.programFolder = (QCoreApplication::applicationDirPath() + u'/').toUtf8().constData();
        app.dataFolder = app.programFolder;
    }
    if (!app.m_pszAppName)
        app.m_pszAppName = strdup("Sobrel");
    app.DiscoverLanguages();
    if (app.languages.empty())
        return false;
    if (app.languages.count(kPictureLanguage))
        app.language = kPictureLanguage;
    app.UseLanguageTexts(app.language);
    app.LoadNamedFormats();
    RegisterDialogs(app);
    return true;
}
