#include "MekrFixture.h"

#include "app/CMekrDoc.h"
#include "common/AppSettings.h"
#include "common/ProjectFiles.h"
#include "datalib/CData.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "app/MekrIds.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"
#include "platform/dao/tests/DebianPython.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "platform/frame/CRecentFileList.h"
#include "platform/frame/FrameIds.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest-spi.h>

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <map>
#include <string>

namespace
{
using Values = std::map<std::string, std::string>;

class DocumentTest : public MekrFixture
{
public:
    // Stop, for a check of what it reports.
    void EndProgram() { Stop(); }

protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        QDir(m_folder.path()).mkpath("akce");
        ASSERT_TRUE(Start());
    }

    CMekrDoc* Doc() const { return dynamic_cast<CMekrDoc*>(m_frame->GetActiveDocument()); }
    static AppSettings& Settings() { return AppSettings::Get(); }
    static ProjectHeader& Header() { return ProjectModel::Instance().Header; }
    CString Akce(const char* name) const { return CString(FolderPath("akce") + "/" + name); }
    static bool Exists(const CString& path) { return QFile::exists(QString::fromStdString(path.str())); }
    static QByteArray Bytes(const CString& path)
    {
        QFile file(QString::fromStdString(path.str()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const CString& path, const char* bytes)
    {
        QFile file(QString::fromStdString(path.str()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A project file made from the template with these header values in row 0.
    CString MakeProject(const char* name, const Values& header = {})
    {
        const CString path = Akce(name);
        QFile::remove(QString::fromStdString(path.str()));
        EXPECT_TRUE(QFile::copy(QString::fromStdString(FolderPath("data") + "/MekrOrig.xls"),
                                QString::fromStdString(path.str())));
        CData data;
        EXPECT_TRUE(data.Open(path, "Excel 8.0", 0, 0) && data.OpenTable("DataAkce$", "", 0));
        for (const auto& [column, value] : header)
            EXPECT_TRUE(data.SetStringValue(column.c_str(), value.c_str(), 0, 0)) << column;
        data.Close();
        return path;
    }
    static CString HeaderValue(const CString& path, const char* column, int row = 0)
    {
        CData data;
        CString value = "<none>";
        if (data.Open(path, "Excel 8.0", 0, 0) && data.OpenTable("DataAkce$", "", 0) && row < data.m_nRecordCount)
            data.GetStringValue(column, value, row, -1, 0);
        return value;
    }
    static int HeaderRows(const CString& path)
    {
        CData data;
        return data.Open(path, "Excel 8.0", 0, 0) && data.OpenTable("DataAkce$", "", 0) ? data.m_nRecordCount : -1;
    }
    // A dialog's OK: a value written into the project's working copy.
    static void ChangeWorkingCopy(const char* jobName)
    {
        CData data;
        ASSERT_TRUE(data.Open(Settings().CurrentProjectPath(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamV$", "", 0));
        ASSERT_TRUE(data.AddRow());
        ASSERT_TRUE(data.SetStringValue(0, jobName, data.m_nRecordCount - 1));
        data.Close();
        Settings().Modified[AppSettings::InputData] = 1;
    }
    void Open(const CString& path)
    {
        ScriptedAnswers::AnswerCommonDialog(IDOK, path);
        Command(ID_FILE_OPEN);
    }
    void SaveAs(const CString& path)
    {
        ScriptedAnswers::AnswerCommonDialog(IDOK, path);
        Command(ID_FILE_SAVE_AS);
    }
    std::vector<CString> BoxTexts() const
    {
        std::vector<CString> texts;
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            texts.push_back(box.text);
        return texts;
    }
    void Restart(const std::vector<CString>& arguments)
    {
        Stop();
        delete m_app;
        m_app = new CMekrApp;
        m_app->m_strLanguageFolder = m_noPacks.path().toUtf8().constData();
        ASSERT_TRUE(Start(arguments));
    }
};

TEST_F(DocumentTest, StartMakesANewProjectFromTheTemplate)
{
    const CString working = CString(FolderPath("data") + "/Nový.XLS");
    EXPECT_EQ(Doc()->m_strDocPath, working);
    EXPECT_EQ(Settings().CurrentProjectPath(), working);
    EXPECT_EQ(Doc()->GetTitle(), working);
    EXPECT_EQ(Doc()->m_strProgVer, "1.1");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    // A clean exit takes the working copy of this run with it.
    Stop();
    EXPECT_FALSE(Exists(working));
}

TEST_F(DocumentTest, OpenWorksInACopyAndTheProjectFileChangesOnlyAtSave)
{
    const CString project = MakeProject("Dum.kzn", {{"Název zakázky", "Rodinný dům"}});
    const QByteArray before = Bytes(project);
    Open(project);
    EXPECT_EQ(Doc()->m_strDocPath, project);
    EXPECT_EQ(Doc()->GetTitle(), project);
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Dum.XLS"));
    EXPECT_EQ(Header().investor1, "Rodinný dům");
    EXPECT_FALSE(Exists(CString(FolderPath("data") + "/Nový.XLS")));

    // A dialog's OK after a save writes the working copy at once; the project file waits.
    Command(ID_FILE_SAVE);
    const QByteArray saved = Bytes(project);
    const QByteArray workingBefore = Bytes(Akce("Dum.XLS"));
    ChangeWorkingCopy("Kuchyně");
    EXPECT_NE(Bytes(Akce("Dum.XLS")), workingBefore);
    EXPECT_EQ(Bytes(project), saved);
    EXPECT_TRUE(Doc()->IsModified());
    Command(ID_FILE_SAVE);
    EXPECT_NE(Bytes(project), saved);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Dum.XLS"));
    EXPECT_NE(before, Bytes(project));
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(DocumentTest, AnOpenedWorkbookOfItsOwnIsWorkedInDirectly)
{
    const CString project = MakeProject("Dum.XLS");
    Open(project);
    EXPECT_EQ(Settings().CurrentProjectPath(), project);
    EXPECT_EQ(QDir(QString::fromStdString(FolderPath("akce"))).entryList(QDir::Files), QStringList{"Dum.XLS"});
    Stop();
    EXPECT_TRUE(Exists(project));
}

// A project that cannot be read is named as the user chose it, never by the working copy made
// of it; the project in use stays.
TEST_F(DocumentTest, AFailedOpenNamesTheProjectFileTheUserChose)
{
    const CString previous = MakeProject("Dum.kzn", {{"Název zakázky", "Dům"}});
    Open(previous);
    const struct
    {
        const char* name;
        const char* content; // null: a workbook without the header sheet
        const char* message;
    } cases[] = {
        {"Text.kzn", "toto není sešit", "Problémy při práci se souborem "},
        {"Prázdný.kzn", "", "Problémy při práci se souborem "},
        {"BezZáhlaví.kzn", nullptr, "Problémy při práci v tabulce DataAkce$"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CString project = Akce(c.name);
        if (c.content)
            Write(project, c.content);
        else
        {
            workbook::Workbook book;
            book.AddSheet("SeznamV").SetText(0, 0, "Název");
            workbook::WriteWorkbook(book, project.str());
        }
        ScriptedAnswers::ForgetShown();
        Open(project);
        const std::vector<CString> texts = BoxTexts();
        ASSERT_EQ(texts.size(), 1u);
        const CString expected = c.content ? CString(c.message) + project : CString(c.message);
        EXPECT_EQ(texts[0], expected);
        EXPECT_EQ(texts[0].Find(".XLS"), -1);
        EXPECT_EQ(Doc()->m_strDocPath, previous);
        EXPECT_EQ(Header().investor1, "Dům");
        EXPECT_FALSE(Exists(ProjectFiles::WorkingCopyOf(project)));
    }
}

// A project another program version may have saved opens with one warning that names what this
// program does not know; its unknown header columns stay in the file at save.
TEST_F(DocumentTest, AProjectOfAnUnknownFormatWarnsOnce)
{
    const struct
    {
        const char* version;
        const char* column; // an extra header column, or null
        std::vector<const char*> warnings;
    } cases[] = {
        {"1.1", nullptr, {}},
        {"", nullptr, {}},
        {"9.9", nullptr, {"nese označení formátu „9.9“, které tento program nezná"}},
        {"1.1", "Tepelné čerpadlo", {"má sloupce, které tento program nezná: Tepelné čerpadlo."}},
        {"9.9", "Tepelné čerpadlo", {"„9.9“", "nezná: Tepelné čerpadlo."}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.version) + (c.column ? c.column : ""));
        workbook::Workbook book = workbook::ReadWorkbook(std::string(KALVENROD_BIN_DIR) + "/MekrOrig.xls");
        workbook::Worksheet& header = book.Sheet(book.SheetIndex("DataAkce"));
        header.SetText(1, 0, c.version);
        header.SetText(1, 1, "Dům s čerpadlem");
        if (c.column)
        {
            header.SetText(0, header.ColumnEnd(), c.column);
            header.SetText(1, header.ColumnEnd() - 1, "země-voda");
        }
        const CString project = Akce("Cizí.kzn");
        workbook::WriteWorkbook(book, project.str());
        ScriptedAnswers::ForgetShown();
        Open(project);
        EXPECT_EQ(Doc()->m_strDocPath, project);
        EXPECT_EQ(Header().investor1, "Dům s čerpadlem");
        const std::vector<CString> texts = BoxTexts();
        ASSERT_EQ(texts.size(), c.warnings.empty() ? 0u : 1u);
        for (const char* part : c.warnings)
            EXPECT_NE(texts[0].Find(part), -1) << texts[0];
        if (!c.warnings.empty())
        {
            EXPECT_NE(texts[0].Find(project), -1) << texts[0];
            EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - upozornění");
        }
        Settings().Modified[AppSettings::BasicData] = 1;
        Command(ID_FILE_SAVE);
        EXPECT_EQ(HeaderValue(project, "PROG_VER"), c.version);
        if (c.column)
            EXPECT_EQ(HeaderValue(project, c.column), "země-voda");
    }
}

// A working copy the user then opens as the project is the user's file from then on.
TEST_F(DocumentTest, AWorkingCopyOpenedAsTheProjectStaysAtExit)
{
    const CString project = MakeProject("Dum.kzn");
    Open(project);
    Open(Akce("Dum.XLS"));
    EXPECT_EQ(Doc()->m_strDocPath, Akce("Dum.XLS"));
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Dum.XLS"));
    Header().investor1 = "Uloženo v XLS";
    Settings().Modified[AppSettings::BasicData] = 1;
    Command(ID_FILE_SAVE);
    Stop();
    EXPECT_EQ(HeaderValue(Akce("Dum.XLS"), "Název zakázky"), "Uloženo v XLS");
}

TEST_F(DocumentTest, AWorkingCopyThisRunDidNotMakeIsReplacedOnlyWhenTheUserSaysSo)
{
    const struct
    {
        const char* project;
        int answer;
        const char* kept;
    } cases[] = {{"Dum.kzn", IDYES, nullptr}, {"Chata.kzn", IDNO, "Chata (1).XLS"}};
    for (const auto& c : cases)
    {
        const CString project = MakeProject(c.project, {{"Název zakázky", "Nový dům"}});
        const CString working = ProjectFiles::WorkingCopyOf(project);
        Write(working, "práce z minula");
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(c.answer);
        Open(project);
        ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty()) << c.project;
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
                  "Soubor " + working + " už existuje (může obsahovat neuloženou práci). Přepsat?");
        EXPECT_EQ(Doc()->m_strDocPath, project);
        EXPECT_EQ(Header().investor1, "Nový dům");
        if (c.kept)
            EXPECT_EQ(Bytes(Akce(c.kept)), QByteArray("práce z minula"));
        EXPECT_EQ(QDir(QString::fromStdString(FolderPath("akce"))).entryList(QDir::Files).size(),
                  c.kept ? 4 : 2);
    }
}

TEST_F(DocumentTest, FailedSaveKeepsTheProjectFileFlagsAndTitle)
{
    const CString project = MakeProject("Dum.kzn");
    Open(project);
    ChangeWorkingCopy("Pokoj");
    const QByteArray before = Bytes(project);
    // A project file that cannot be replaced, and a folder that does not exist.
    QFile::setPermissions(QString::fromStdString(project.str()), QFile::ReadOwner);
    ScriptedAnswers::ForgetShown();
    Command(ID_FILE_SAVE);
    EXPECT_EQ(BoxTexts(), std::vector<CString>{"Problémy při kopírování souboru " + project});
    EXPECT_EQ(Bytes(project), before);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Doc()->GetTitle(), project);

    const CString nowhere = Akce("chybí/Dum.kzn");
    ScriptedAnswers::ForgetShown();
    SaveAs(nowhere);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Doc()->m_strDocPath, project);
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Dum.XLS"));
    QFile::setPermissions(QString::fromStdString(project.str()), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(DocumentTest, SaveAsProposesTheJobNameAsAFileName)
{
    EXPECT_EQ(CMekrDoc::ProposedFileName("A/B: dům"), "A_B_ dům");
    EXPECT_EQ(CMekrDoc::ProposedFileName("x*?\"<>|\\\ty"), "x________y");
    EXPECT_EQ(CMekrDoc::ProposedFileName(""), "Nový");
    Header().investor1 = "A/B: dům";
    Command(ID_FILE_SAVE);
    ASSERT_EQ(ScriptedAnswers::ShownCommonDialogs().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].kind, "save");
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].initial, "A_B_ dům.kzn");
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].filter, "Vstupní data (*.kzn);;Všechny soubory (*)");
}

TEST_F(DocumentTest, HeaderValuesAreReadAsTheModelHoldsThemAndWrittenBack)
{
    const std::string sixty = "Příliš žluťoučký kůň úpěl ďábelské ódy nad útesem 1234567890";
    ASSERT_EQ(CString(sixty.c_str()).GetLength(), 60);
    const struct
    {
        const char* altitude;
        const char* drop;
        double supply;
        double returnTemperature;
        const char* savedAltitude;
    } cases[] = {{"200", "0#0", 50.0, 45.0, "200"},
                 {"250", "55", 55.0, 55.0, "250"},
                 {"200,50", "50#", 50.0, 38.0, "200,5"},
                 {"200.0", "60#50", 60.0, 50.0, "200"}};
    for (const auto& c : cases)
    {
        Settings().DesignReturnTemperature = 38.0;
        const CString project = MakeProject("Dum.kzn", {{"Název zakázky", sixty},
                                                        {"NadmVýška", c.altitude},
                                                        {"Intenzita větrů", "ano, velmi silný"},
                                                        {"Teplotní spád", c.drop},
                                                        {"Typ budovy", "2"},
                                                        {"Venkovní teplota", "-15"},
                                                        {"ZakladSigma", "6"}});
        Open(project);
        EXPECT_EQ(Header().investor1, CString(sixty.c_str()).Left(49)) << c.altitude;
        EXPECT_EQ(Header().altitude, c.savedAltitude);
        EXPECT_EQ(Header().windyLandscape, "ano, velm");
        EXPECT_EQ(Header().buildingType, 2);
        EXPECT_EQ(Header().buildingTypeText, "Administrativní budova");
        EXPECT_EQ(Header().Te, -15);
        EXPECT_DOUBLE_EQ(Settings().DesignFlowTemperature, c.supply) << c.drop;
        EXPECT_DOUBLE_EQ(Settings().DesignReturnTemperature, c.returnTemperature) << c.drop;
        EXPECT_DOUBLE_EQ(Settings().ZakladSigma, 6.0);
        ASSERT_EQ(HeaderRows(project), 1);
        Command(ID_FILE_SAVE);
        EXPECT_EQ(HeaderValue(project, "NadmVýška"), c.savedAltitude);
        EXPECT_EQ(HeaderValue(project, "Teplotní spád"), c.drop);
        EXPECT_EQ(HeaderValue(project, "Název zakázky"), CString(sixty.c_str()).Left(49));
        // The header sheet gets its second row, holding the minimum spreading difference.
        ASSERT_EQ(HeaderRows(project), 2);
        EXPECT_EQ(HeaderValue(project, "ZakladSigma", 1), "3.");
        EXPECT_EQ(HeaderValue(project, "Název zakázky", 1), "");
    }
}

TEST_F(DocumentTest, AMissingRecentProjectLeavesTheProjectInUse)
{
    const CString project = MakeProject("Dum.kzn", {{"Název zakázky", "Dům"}});
    Open(project);
    ChangeWorkingCopy("Pokoj");
    const CString missing = Akce("Chybí.kzn");
    m_app->m_pRecentFileList->Add(missing);
    ScriptedAnswers::ForgetShown();
    ScriptedAnswers::AnswerBox(IDCANCEL);
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ((*m_app->m_pRecentFileList)[0], missing);
    ScriptedAnswers::ForgetShown();
    Settings().Modified.fill(0);
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(BoxTexts(), std::vector<CString>{"Problémy při práci se souborem " + missing});
    EXPECT_EQ(Doc()->GetTitle(), project);
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Dum.XLS"));
    EXPECT_EQ(Header().investor1, "Dům");
    EXPECT_NE((*m_app->m_pRecentFileList)[0], missing);
}

TEST_F(DocumentTest, NewWithoutTheTemplateChangesNothing)
{
    const CString project = MakeProject("Dum.kzn", {{"Název zakázky", "Dům"}});
    Open(project);
    ChangeWorkingCopy("Pokoj");
    Settings().Modified.fill(0);
    Settings().Modified[AppSettings::BasicData] = 1;
    QFile::remove(QString::fromStdString(FolderPath("data") + "/MekrOrig.xls"));
    ScriptedAnswers::ForgetShown();
    ScriptedAnswers::AnswerBox(IDNO);
    Command(ID_FILE_NEW);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 2u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[1].text,
              CString("Problémy při práci se souborem " + FolderPath("data") + "/MekrOrig.xls"));
    EXPECT_EQ(Doc()->m_strDocPath, project);
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Dum.XLS"));
    EXPECT_EQ(Header().investor1, "Dům");
}

// New, Open, a recent file and closing the window each ask about a modified project.
TEST_F(DocumentTest, EveryWayOutAsksAboutAModifiedProject)
{
    const CString project = MakeProject("Dum.kzn", {{"Název zakázky", "Dům"}});
    const CString other = MakeProject("Jiny.kzn", {{"Název zakázky", "Jiný"}});
    const std::function<void()> commands[] = {
        [&] { Command(ID_FILE_NEW); },
        [&] {
            ScriptedAnswers::AnswerCommonDialog(IDOK, other);
            Command(ID_FILE_OPEN);
        },
        [&] {
            m_app->m_pRecentFileList->Add(other);
            Command(ID_FILE_MRU_FILE1);
        },
        [&] { m_frame->SendMessage(WM_CLOSE); }};
    const char* names[] = {"new", "open", "recent", "close"};
    for (int i = 0; i < 4; ++i)
        for (int answer : {IDCANCEL, IDNO, IDYES})
        {
            SCOPED_TRACE(std::string(names[i]) + " " + std::to_string(answer));
            if (!m_frame)
                Restart({});
            // A cancelled command leaves its file dialog's answer unused.
            ScriptedAnswers::Reset();
            Open(project);
            const QByteArray before = Bytes(project);
            ChangeWorkingCopy("Pokoj");
            Header().investor1 = "Dům po změně";
            ScriptedAnswers::ForgetShown();
            ScriptedAnswers::AnswerBox(answer);
            commands[i]();
            ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
            EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Projekt " + project + " byl změněn. Uložit změny?");
            EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - dotaz");
            const bool closed = !m_app->m_pMainWnd;
            if (answer == IDCANCEL)
            {
                EXPECT_FALSE(closed);
                EXPECT_TRUE(Doc()->IsModified());
                EXPECT_EQ(Doc()->m_strDocPath, project);
                EXPECT_EQ(Header().investor1, "Dům po změně");
            }
            else
            {
                EXPECT_EQ(closed, i == 3);
                EXPECT_EQ(Bytes(project) == before, answer == IDNO);
                if (answer == IDYES)
                    EXPECT_EQ(HeaderValue(project, "Název zakázky"), "Dům po změně");
            }
            if (closed)
            {
                m_frame = nullptr;
                Restart({});
            }
        }
}

// "SeznamM$" of a "1.0" project: fewer columns than the template's, a building row, room 1.01
// with a radiator, a floor circuit and a wall circuit, room 1.02 bare; with a radiator row first
// when stopped.
void WriteOldResultSheet(const CString& project, bool stopped)
{
    CData data;
    ASSERT_TRUE(data.Open(project, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.DeleteTable("SeznamM$"));
    const char* columns[] = {"Číslo                Místnosti", "NázevM", "TeplotaM", "ZtrátaM", "TYP_ZAZNAMU",
                             "ZTRATA_PODL", "ZTRATA_STEN", "PočetT", "VětaT", "Vytápění", "Délka Topení", "Format"};
    for (const char* column : columns)
        data.AddColBeforeCreateTable(column, 10, 255, 0);
    ASSERT_TRUE(data.CreateTable("SeznamM"));
    data.Close();
    ASSERT_TRUE(data.Open(project, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    using Row = std::vector<std::pair<const char*, const char*>>;
    std::vector<Row> rows = {
        {{"NázevM", "objekt"}, {"TYP_ZAZNAMU", "1"}},
        {{"Číslo                Místnosti", "1.01"}, {"NázevM", "Pokoj"}, {"TYP_ZAZNAMU", "2"}, {"TeplotaM", "20"},
         {"ZtrátaM", "1500"}, {"ZTRATA_PODL", "400"}, {"ZTRATA_STEN", "950"}},
        {{"Číslo                Místnosti", "1.01"}, {"TYP_ZAZNAMU", "3"}, {"PočetT", "1"}, {"VětaT", "9005-0012"},
         {"Vytápění", "150"}},
        {{"Číslo                Místnosti", "1.01/A"}, {"TYP_ZAZNAMU", "4"}, {"Délka Topení", "55"}},
        {{"Číslo                Místnosti", "1.01/1"}, {"TYP_ZAZNAMU", "5"}, {"Délka Topení", "68"}},
        {{"Číslo                Místnosti", "1.02"}, {"NázevM", "Sklad"}, {"TYP_ZAZNAMU", "2"}}};
    if (stopped)
        rows.insert(rows.begin() + 1, Row{{"TYP_ZAZNAMU", "3"}});
    for (const auto& row : rows)
    {
        ASSERT_TRUE(data.AddRow());
        for (const auto& [column, text] : row)
            ASSERT_TRUE(data.SetStringValue(column, text, -1, 0));
    }
    data.CloseTable();
    data.Close();
}

// The columns and the kinds and labels of "SeznamM$" as xlrd reads them.
std::string ResultSheetAsXlrdReadsIt(const CString& workbook)
{
    return RunPython(R"(
import sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name("SeznamM")
names = [c.value for c in sheet.row(0)]
print(len(names))
kind, label = names.index("TYP_ZAZNAMU"), names.index("Číslo                Místnosti")
print(";".join(sheet.cell_value(r, kind) + ":" + sheet.cell_value(r, label) for r in range(1, sheet.nrows)))
)",
                     QStringList{QString::fromStdString(workbook.str())});
}

TEST_F(DocumentTest, OldFormatTakesTheTemplatesResultSheetWithEveryRoomAndCircuit)
{
    const CString project = MakeProject("Stary.kzn", {{"PROG_VER", "1.0"}});
    WriteOldResultSheet(project, false);
    const std::string templateSheet = ResultSheetAsXlrdReadsIt(CString(FolderPath("data") + "/MekrOrig.xls"));
    const std::string templateColumns = templateSheet.substr(0, templateSheet.find('\n'));
    Open(project);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(Doc()->m_strProgVer, "1.1");
    EXPECT_EQ(ResultSheetAsXlrdReadsIt(Settings().CurrentProjectPath()),
              templateColumns + "\n1:;2:1.01;3:1.01;4:1.01/A;5:1.01/1;2:1.02\n");
    Settings().Modified[AppSettings::General] = 1;
    Command(ID_FILE_SAVE);
    EXPECT_EQ(HeaderValue(project, "PROG_VER"), "1.1");
}

TEST_F(DocumentTest, OldFormatThatCannotBeReadWholeStaysAsItWas)
{
    const CString project = MakeProject("Stary.kzn", {{"PROG_VER", "1.0"}});
    WriteOldResultSheet(project, true);
    const std::string before = ResultSheetAsXlrdReadsIt(project);
    Open(project);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    // The box names the row that stands before the first room.
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
              "Řádek 3 listu \"SeznamM$\" nelze načíst: otopné těleso stojí před první místností listu.\n"
              "Návrh se neuloží, dokud řádek nebude patřit pod místnost.");
    EXPECT_EQ(Doc()->m_strProgVer, "1.0");
    EXPECT_EQ(ResultSheetAsXlrdReadsIt(Settings().CurrentProjectPath()), before);
}

// Start, fill the header, Save As, close, start with the project on the command line.
TEST_F(DocumentTest, TheWholeRoad)
{
    Header().investor1 = "Rodinný dům Novák";
    Header().altitude = "310";
    Header().buildingType = 1;
    Settings().Modified[AppSettings::BasicData] = 1;
    const CString project = Akce("Dum.kzn");
    SaveAs(project);
    EXPECT_EQ(Doc()->m_strDocPath, project);
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Dum.XLS"));
    EXPECT_FALSE(Doc()->IsModified());
    ScriptedAnswers::ForgetShown();
    Stop();
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_FALSE(Exists(Akce("Dum.XLS")));
    EXPECT_FALSE(Exists(CString(FolderPath("data") + "/Nový.XLS")));

    const std::string command = std::string("/usr/bin/python3 -c \"import xlrd,sys; b=xlrd.open_workbook(sys.argv[1]); "
                                            "s=b.sheet_by_name('DataAkce'); h=s.row_values(0); "
                                            "assert s.nrows==3 and len(h)>=27, (s.nrows,len(h)); "
                                            "assert s.cell_value(1,h.index('Název zakázky'))=='Rodinný dům Novák'; "
                                            "assert s.cell_value(2,h.index('ZakladSigma'))!=''\" '") +
                                project.str() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);

    ProjectModel::Instance().Reset("");
    Restart({project});
    EXPECT_EQ(Doc()->m_strDocPath, project);
    EXPECT_EQ(Header().investor1, "Rodinný dům Novák");
    EXPECT_EQ(Header().altitude, "310");
    const QByteArray saved = Bytes(project);
    Header().investor1 = "Jiný";
    Settings().Modified[AppSettings::BasicData] = 1;
    ScriptedAnswers::AnswerBox(IDCANCEL);
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_NE(m_app->m_pMainWnd, nullptr);
    ScriptedAnswers::AnswerBox(IDNO);
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(Bytes(project), saved);
}

// The basic data on the whole road: command 32772 with Te, B, p2 and the building type from
// their pickers, the order number and the author typed, the heat losses chosen, OK; the header
// holds them, the heat-loss input follows, and after a save the header sheet holds them too.
TEST_F(DocumentTest, BasicDataFromThePickersReachTheSavedHeader)
{
    ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrData.xls",
                            QString::fromStdString(FolderPath("data") + "/MekrData.xls")));
    const auto click = [](CDialog& d, int id) {
        CWnd* control = d.GetDlgItem(id);
        UiTest::MouseDown(control, CPoint(5, 5));
        UiTest::MouseUp(control, CPoint(5, 5));
    };
    ScriptedAnswers::OnDialog(IDD_BASE, [&](CDialog& d) {
        click(d, IDC_BASE_HEAT_LOSS);
        ScriptedAnswers::OnDialog(IDD_BASE_TE, [&](CDialog& t) {
            auto* places = static_cast<CComboBox*>(t.GetDlgItem(IDC_TE_PLACES));
            places->SetCurSel(places->FindStringExact(-1, "Brno"));
            t.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TE_PLACES, CBN_CLOSEUP), 0);
            click(t, IDOK);
            return IDCANCEL;
        });
        click(d, IDC_BASE_CHOOSE_TE);
        ScriptedAnswers::OnDialog(IDD_BASE_B, [&](CDialog& b) {
            click(b, IDC_B_TERRACED);
            click(b, IDC_B_NORMAL_UNPROTECTED);
            click(b, IDOK);
            return IDCANCEL;
        });
        click(d, IDC_BASE_CHOOSE_B);
        ScriptedAnswers::OnDialog(IDD_BASE_P2, [&](CDialog& p) {
            click(p, IDC_P2_SHORT);
            click(p, IDOK);
            return IDCANCEL;
        });
        click(d, IDC_BASE_CHOOSE_P2);
        ScriptedAnswers::OnDialog(IDD_BASE_TYP, [&](CDialog& t) {
            click(t, IDC_TYPE_3);
            click(t, IDOK);
            return IDCANCEL;
        });
        click(d, IDC_BASE_CHOOSE_TYPE);
        d.SetDlgItemText(IDC_BASE_ORDER, "Z-2026-7");
        d.SetDlgItemText(IDC_BASE_AUTHOR, "Ing. Dvořák");
        click(d, IDC_BASE_OK);
        return IDCANCEL;
    });
    ScriptedAnswers::ForgetShown();
    Command(ID_BASIC_DATA);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), (std::vector<UINT>{IDD_BASE, IDD_BASE_TE, IDD_BASE_B, IDD_BASE_P2,
                                                                  IDD_BASE_TYP, IDD_DATA_GRID}));
    const ProjectHeader& header = Header();
    EXPECT_EQ(header.Te, -12);
    EXPECT_EQ(header.temperatureRegion, "Brno");
    EXPECT_EQ(header.B, 6);
    EXPECT_DOUBLE_EQ(header.p2, 0.2);
    EXPECT_EQ(header.buildingType, 3);
    EXPECT_EQ(header.orderNumber, "Z-2026-7");
    EXPECT_EQ(header.author, "Ing. Dvořák");
    EXPECT_TRUE(Doc()->IsModified());

    const CString project = Akce("Skola.kzn");
    SaveAs(project);
    const Values expected = {{"Venkovní teplota", "-12"},       {"ChČ budovy", "6"},
                             {"Typ budovy", "3"},               {"Zakázkové číslo", "Z-2026-7"},
                             {"Vypracoval", "Ing. Dvořák"}, {"Teplotní oblast", "Brno"}};
    for (const auto& [column, value] : expected)
        EXPECT_EQ(HeaderValue(project, column.c_str()), value.c_str()) << column;
    CString p2 = HeaderValue(project, "Přirážka na UZ");
    p2.Replace(",", ".");
    EXPECT_DOUBLE_EQ(std::atof(p2.GetString()), 0.2);
}

// The project of a project-info file ("DbLegenda"): at the start its folder takes the new
// project's working copy; in the basic data an open project of another folder moves there
// through its working copy, as at the start. The program never works in the host's file, and
// the basic data leaves the other areas' change flags as they were.
TEST_F(DocumentTest, ProjectInfoFilePlacesTheProjectThroughItsWorkingCopy)
{
    const CString host = MakeProject("Hostitel.kzn", {{"Název zakázky", "Hostitel"}});
    const QByteArray hostBytes = Bytes(host);
    const CString info = CString(FolderPath("akce.ini"));
    Write(info, ("[PROJEKT]\nNazev1=Škola\nDbLegenda=" + host.str() + "\n[ZAKAZKA]\nNazev1=Město\nZC=Z-9\n").c_str());
    Restart({CString("/ORBELDOCINFO.INI:") + info});
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Nový.XLS"));

    // An earlier project of another folder, without an order number yet.
    const CString other = CString(FolderPath("data") + "/Jiny.kzn");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(FolderPath("data") + "/MekrOrig.xls"),
                            QString::fromStdString(other.str())));
    Open(other);
    ASSERT_EQ(Settings().CurrentProjectPath(), CString(FolderPath("data") + "/Jiny.XLS"));
    Settings().Modified[AppSettings::InputData] = 1;
    ScriptedAnswers::OnDialog(IDD_BASE, [&](CDialog& d) {
        CWnd* pipes = d.GetDlgItem(IDC_BASE_PIPES);
        UiTest::MouseDown(pipes, CPoint(5, 5));
        UiTest::MouseUp(pipes, CPoint(5, 5));
        d.SetDlgItemText(IDC_BASE_AUTHOR, "Ing. Dvořák");
        UiTest::Click(d.GetDlgItem(IDC_BASE_OK));
        return IDCANCEL;
    });
    Command(ID_BASIC_DATA);
    EXPECT_EQ(Header().orderNumber, "Z-9");
    EXPECT_EQ(Header().building1, "Škola");
    EXPECT_EQ(Settings().CurrentProjectPath(), Akce("Jiny.XLS"));
    EXPECT_EQ(Doc()->m_strDocPath, Akce("Jiny.kzn"));
    EXPECT_TRUE(Exists(Akce("Jiny.XLS")));
    EXPECT_EQ(Bytes(host), hostBytes);
    EXPECT_EQ(Settings().Modified[AppSettings::InputData], 1);
    EXPECT_EQ(Settings().Modified[AppSettings::BasicData], 1);
    Settings().Modified.fill(0);
}

// The question at the end about a changed new project: Yes with a name saves it there and the
// program ends; left unanswered (Yes, then a cancelled Save As keeps the program open) the
// test is told at once and the program still ends, instead of waiting for ever.
TEST_F(DocumentTest, TheQuestionAtTheEndOfAChangedNewProject)
{
    Header().investor1 = "Nový investor";
    Settings().Modified[AppSettings::BasicData] = 1;
    const CString project = Akce("Novy.kzn");
    ScriptedAnswers::AnswerBox(IDYES);
    ScriptedAnswers::AnswerCommonDialog(IDOK, project);
    Stop();
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(HeaderValue(project, "Název zakázky"), "Nový investor");

    Restart({});
    Settings().Modified[AppSettings::BasicData] = 1;
    static DocumentTest* test;
    test = this;
    EXPECT_NONFATAL_FAILURE(test->EndProgram(), "the program did not end");
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
}
} // namespace
