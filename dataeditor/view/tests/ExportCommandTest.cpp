#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/app/CVersionCheck.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/frame/CMDIFrameWnd.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CommonDialogs.h"

#include <QFile>

namespace
{
// The export command on the xlwt catalogue: cells holding separators, quotes and line breaks.
class ExportCommand : public DocumentFixture
{
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        CVersionCheck::SetUrlOpener([this](const CString& url) { m_opened.push_back(url); });
    }
    void TearDown() override
    {
        CVersionCheck::SetUrlOpener({});
        DocumentFixture::TearDown();
    }
    CSobrelDoc* OpenCatalogue()
    {
        CSobrelDoc* document = Open("A$");
        if (!document)
            return nullptr;
        CGridCtrl& grid = Grid(document);
        grid.SetItemText(1, 1, "Kotel; \"plynový\"");
        grid.SetItemText(2, 3, "dvě\nřádky");
        grid.SetItemText(3, 1, "tab\there");
        return document;
    }
    // Runs the command: the save dialog answered with path (null: Cancel), the separator dialog
    // with separator (null: Cancel) when it shows.
    void Export(CSobrelDoc* document, const QString* path, const char* separator = nullptr)
    {
        if (path)
            CommonDialogScript::AnswerNext(IDOK, path->toUtf8().constData());
        else
            CommonDialogScript::AnswerNext(IDCANCEL);
        DialogScript::OnNext(IDD_SEPARATOR, [separator](CDialog& dialog) {
            if (!separator)
            {
                dialog.SendMessage(WM_COMMAND, IDCANCEL);
                return IDCANCEL;
            }
            dialog.SetDlgItemText(IDC_SEPARATOR, separator);
            dialog.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        document->View()->SendMessage(WM_COMMAND, ID_EXPORT);
        DialogScript::Clear();
    }
    // Every cell and each column's type and decimals.
    static std::vector<std::string> Content(CSobrelDoc* document)
    {
        std::vector<std::string> lines;
        CGridCtrl& grid = Grid(document);
        for (int c = 1; c < grid.GetColumnCount(); ++c)
        {
            const auto info = document->View()->ColumnInfo(c);
            lines.push_back("type " + std::to_string(info->type) + " " + std::to_string(info->decimals));
        }
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 1; c < grid.GetColumnCount(); ++c)
                lines.push_back(std::string(grid.GetItemText(r, c)));
        return lines;
    }
    static bool Enabled(CSobrelDoc* document, UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(document->View(), TRUE);
        return state.m_bEnabled;
    }

    std::vector<CString> m_opened;
};
} // namespace

TEST_F(ExportCommand, TextExportThenImportGivesTheSameGrid)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = OpenCatalogue();
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(Enabled(document, ID_EXPORT));
    const std::vector<std::string> before = Content(document);
    struct Case
    {
        const char* file;
        const char* separator;
    };
    for (const Case& c : {Case{"ceny.csv", ";"}, Case{"ceny-tab.txt", "Tabulátor"}, Case{"ceny-carka.csv", ","}})
    {
        const QString path = Folder(c.file);
        m_opened.clear();
        Export(document, &path, c.separator);
        ASSERT_EQ(document->View()->exportedFiles.size(), 1u) << c.file;
        // The written file is opened afterwards.
        ASSERT_EQ(m_opened.size(), 1u);
        EXPECT_TRUE(m_opened[0].Find(c.file) >= 0);
        const QByteArray bytes = Bytes(path);
        EXPECT_TRUE(bytes.startsWith("\"N\xe1zev@dbText\"") || bytes.startsWith("N\xe1zev@dbText")) << c.file;
        CSobrelDoc* imported = ImportFile(path, c.separator);
        ASSERT_NE(imported, nullptr) << c.file;
        EXPECT_EQ(Content(imported), before) << c.file;
        imported->OnCloseDocument();
    }
    // Only what needs it is quoted, the header field with the type's ";" included.
    const QByteArray semicolons = Bytes(Folder("ceny.csv"));
    EXPECT_TRUE(semicolons.contains("\"Kotel; \"\"plynov\xfd\"\"\"")) << semicolons.toStdString();
    EXPECT_TRUE(semicolons.contains(";\"Cena@dbDouble;2\";")) << semicolons.toStdString();
    EXPECT_TRUE(semicolons.contains("\"dv\xec\r\n\xf8\xe1\x64ky\"")) << semicolons.toStdString();
    // A number written as it shows (a rounded one with the digits it was read with).
    EXPECT_TRUE(semicolons.endsWith(QByteArray("\r\ntab\there;99") + m_app->decimalPoint + "00;\r\n"))
        << semicolons.toStdString();
    EXPECT_TRUE(semicolons.contains(QByteArray("Trubka;0") + m_app->decimalPoint + "1234567891;"))
        << semicolons.toStdString();
}

TEST_F(ExportCommand, CancelWritesNothingAndOpensNothing)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = OpenCatalogue();
    ASSERT_NE(document, nullptr);
    const QString path = Folder("zruseno.csv");
    Export(document, &path, nullptr);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(document->View()->exportedFiles.empty());
    Export(document, nullptr);
    EXPECT_TRUE(m_opened.empty());

    // An existing page or text is replaced only when the user says so.
    const QString page = Folder("stranka.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("stará");
    file.close();
    ScriptedAnswers::AnswerBox(IDNO);
    Export(document, &page);
    EXPECT_EQ(Bytes(page), QByteArray("stará"));
    ScriptedAnswers::AnswerBox(IDYES);
    Export(document, &page);
    EXPECT_TRUE(Bytes(page).startsWith("<html>"));
    EXPECT_TRUE(m_opened.size() == 1 && m_opened[0].Find("stranka.html") >= 0);
}

TEST_F(ExportCommand, TextOutsideCodePage1250IsWrittenAsUtf8AndReadsBack)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = OpenCatalogue();
    ASSERT_NE(document, nullptr);
    Grid(document).SetItemText(1, 3, "Ωμ žluť");
    const std::vector<std::string> before = Content(document);
    const QString path = Folder("recky.csv");
    Export(document, &path, ";");
    EXPECT_TRUE(Bytes(path).startsWith("\xEF\xBB\xBF"));
    CSobrelDoc* imported = ImportFile(path, ";");
    ASSERT_NE(imported, nullptr);
    EXPECT_EQ(Content(imported), before);
}

TEST_F(ExportCommand, WorkbookExportAddsTheSheetBesideTheOthers)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = OpenCatalogue();
    ASSERT_NE(document, nullptr);
    const QString path = Folder("vystup.xls");
    Export(document, &path);
    EXPECT_EQ(Xlrd(path), "A|'Název'|'Cena'|'Poznámka'\n"
                          "A|'Kotel; \"plynový\"'|1234.5|'krátká'\n"
                          "A|'Trubka'|0.1234567891|'dvě\\nřádky'\n"
                          "A|'tab\\there'|99.0|''\n");
    // Cancel at the sheet question writes nothing; the file is not opened.
    const QByteArray written = Bytes(path);
    m_opened.clear();
    ScriptedAnswers::AnswerBox(IDCANCEL);
    Export(document, &path);
    EXPECT_EQ(Bytes(path), written);
    EXPECT_TRUE(m_opened.empty());
    EXPECT_TRUE(document->View()->exportedFiles.empty());
}

TEST_F(ExportCommand, NoColumnsNoExport)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = Open("A$");
    ASSERT_NE(document, nullptr);
    CSobrelView* view = document->View();
    while (view->columnCount > 0)
        view->DeleteColumn(view->fixedColumns);
    EXPECT_FALSE(Enabled(document, ID_EXPORT));
}
