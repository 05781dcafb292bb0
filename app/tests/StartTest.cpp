#include "MekrFixture.h"

#include "app/CMekrDoc.h"
#include "app/CMojeCommandLineInfo.h"
#include "app/LanguageLibraries.h"
#include "app/MekrIds.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/frame/FrameIds.h"
#include "common/AppSettings.h"
#include "platform/core/Profile.h"
#include "platform/core/Resources.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <functional>

namespace
{
struct ParameterCase
{
    const char* parameter;
    BOOL flag;
    const char* infoPath;
    const char* file;
};

TEST(CommandLineTest, ProjectInfoParameter)
{
    const ParameterCase cases[] = {
        {"orbeldocinfo.ini:C:\\x\\y.ini", TRUE, "C:\\x\\y.ini", ""},
        {"OrbelDocInfo.INI:/home/Novák/Info.ini", TRUE, "/home/Novák/Info.ini", ""},
        {"ORBELDOCINFO.INI:/srv/akce.ini", FALSE, "/srv/akce.ini", "ORBELDOCINFO.INI:/srv/akce.ini"},
        {"x", TRUE, "", ""},
        {"/data/Dům.kzn", FALSE, "", "/data/Dům.kzn"},
        {"moje orbeldocinfo.ini:a", FALSE, "", "moje orbeldocinfo.ini:a"},
    };
    for (const ParameterCase& c : cases)
    {
        CMojeCommandLineInfo info;
        info.ParseParam(c.parameter, c.flag, TRUE);
        EXPECT_EQ(info.m_strProjectInfoPath, c.infoPath) << c.parameter;
        EXPECT_EQ(info.m_strFileName, c.file) << c.parameter;
    }
}

TEST(HelpFileTest, HelpExtensionBecomesChm)
{
    const std::pair<const char*, const char*> cases[] = {{"/opt/kalvenrod/Mekr.HLP", "/opt/kalvenrod/Mekr.chm"},
                                                         {"/opt/Kalvenrod/Mekr.hlp", "/opt/Kalvenrod/Mekr.chm"},
                                                         {"/opt/kalvenrod/Mekr.Hlp", "/opt/kalvenrod/Mekr.chm"},
                                                         {"/opt/kalvenrod/Mekr", "/opt/kalvenrod/Mekr"},
                                                         {"", ""}};
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(CMekrApp::HelpFilePathOf(path), expected);
}

class StartTest : public MekrFixture
{
};

TEST_F(StartTest, CommandLineSetsTheProjectInfoPathAndIgnoresOtherFlags)
{
    ASSERT_TRUE(Start({"-x", "/orbeldocinfo.ini:C:\\x\\y.ini"}));
    EXPECT_EQ(AppSettings::Get().ProjectInfoPath, "C:\\x\\y.ini");
    EXPECT_TRUE(AppSettings::Get().CommandLineFile.IsEmpty());
}

TEST_F(StartTest, ProjectInfoFileSetsTheFolders)
{
    const QString info = m_folder.filePath("akce.ini");
    QFile file(info);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDir(m_folder.path()).mkpath("akce");
    const std::string project = FolderPath("akce") + "/Dům.XLS";
    file.write(("[PROJEKT]\nDbLegenda=" + project +
                "\n[SLOZKY]\nAll=/opt/sobrel/Sobrel\nData=/srv/ceníky/\nWork=/tmp/práce\n")
                   .c_str());
    file.close();
    ASSERT_TRUE(Start({CString("/ORBELDOCINFO.INI:") + info.toUtf8().constData()}));
    const AppSettings& settings = AppSettings::Get();
    EXPECT_EQ(settings.PathEdit, "/opt/sobrel/Sobrel");
    EXPECT_EQ(settings.PathList, "/srv/ceníky");
    EXPECT_EQ(settings.PathDump, "/tmp/práce");
    // The new project of the start is made in the folder of the project-info file's project.
    auto* doc = dynamic_cast<CMekrDoc*>(m_frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_strDocPath, CString(FolderPath("akce") + "/Nový.XLS"));
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(StartTest, MissingProjectInfoFileIsReportedAndChangesNothing)
{
    ASSERT_TRUE(Start({CString("/orbeldocinfo.ini:") + m_folder.filePath("chybí.ini").toUtf8().constData()}));
    // The start tells of it; the basic data that follow read the file again and tell it too.
    ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
    for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
        EXPECT_NE(box.text.Find("chybí.ini"), -1);
    EXPECT_EQ(AppSettings::Get().PathData, CString(FolderPath("data")));
}

TEST_F(StartTest, ProjectContentIsCheckedSilently)
{
    ASSERT_TRUE(Start());
    const struct
    {
        const char* variant;
        BOOL result;
    } cases[] = {{"úplný", TRUE}, {"bez-rozvodu", FALSE}};
    for (const auto& c : cases)
    {
        const std::string path = FolderPath("projekt.XLS");
        const std::string command = std::string("/usr/bin/python3 '") + KALVENROD_SOURCE_DIR +
                                    "/app/tests/make_project.py' '" + path + "' " + c.variant;
        ASSERT_EQ(std::system(command.c_str()), 0);
        AppSettings::Get().PathBase = path.c_str();
        ScriptedAnswers::ForgetShown();
        EXPECT_EQ(m_app->DetectProjectContent(), c.result) << c.variant;
        EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty()) << c.variant;
    }
}

TEST_F(StartTest, SettingsAreReadAtStartAndWrittenAtExit)
{
    Store("MaxDelkaOkruhu", "120,5");
    Store("KodSysPodl", "9005-0014");
    ASSERT_TRUE(Start());
    AppSettings& settings = AppSettings::Get();
    EXPECT_DOUBLE_EQ(settings.MaxDelkaOkruhu, 120.5);
    EXPECT_EQ(settings.KodSysPodl, "9001-0014");
    EXPECT_EQ(settings.ErrorCaption(), "kalvenrod - chyba");
    settings.StenovParapet = 899.9;
    Stop();
    EXPECT_EQ(Stored("StenovParapet"), "899");
    EXPECT_EQ(Stored("KodSysPodl"), "9001-0014");
    EXPECT_EQ(Stored("Language"), "Cz");
    EXPECT_EQ(Stored("UserFirm"), "Topení Novák s.r.o.");
}

// The program's first steps: without the owner data the settings sheet once the main window is
// up; a new project then goes on to its basic data; a project named on the command line does not.
TEST_F(StartTest, StartGoesOnToTheOwnerDataAndANewProjectsBasicData)
{
    const struct
    {
        const char* name;
        bool ownerMissing;
        bool projectOnCommandLine;
        std::vector<UINT> dialogs;
    } cases[] = {
        {"owner data present", false, false, {IDD_BASE}},
        {"owner data missing", true, false, {IDS_SETTINGS_TITLE, IDD_BASE}},
        {"project on the command line", false, true, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (c.ownerMissing)
            Store("UserBase", "");
        bool frameWasUp = false;
        ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog&) {
            frameWasUp = m_app->m_pMainWnd != nullptr && m_app->m_pMainWnd->IsWindowVisible();
            return IDCANCEL;
        });
        std::vector<CString> arguments;
        if (c.projectOnCommandLine)
        {
            const QString project = m_folder.filePath("Dům.kzn");
            ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", project));
            arguments.push_back(project.toUtf8().constData());
        }
        ASSERT_TRUE(Start(arguments));
        UiTest::ProcessEvents();
        EXPECT_EQ(ScriptedAnswers::ShownDialogs(), c.dialogs);
        EXPECT_EQ(frameWasUp, c.ownerMissing);
    }
}

// New goes on to the basic data once the command has ended; a New that made nothing, Open and
// Save do not.
TEST_F(StartTest, NewPostsTheBasicDataCommand)
{
    ASSERT_TRUE(Start());
    UiTest::ProcessEvents();
    const QString project = m_folder.filePath("Dům.kzn");
    ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", project));
    const struct
    {
        const char* name;
        std::function<void()> act;
        std::vector<UINT> dialogs;
    } cases[] = {
        {"New", [&] { Command(ID_FILE_NEW); }, {IDD_BASE}},
        {"Open",
         [&] {
             ScriptedAnswers::AnswerCommonDialog(IDOK, project.toUtf8().constData());
             Command(ID_FILE_OPEN);
         },
         {}},
        {"New without the template",
         [&] {
             QFile::remove(m_folder.filePath("data/MekrOrig.xls"));
             Command(ID_FILE_NEW);
         },
         {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScriptedAnswers::ForgetShown();
        bool commandEnded = false;
        ScriptedAnswers::OnDialog(IDD_BASE, [&](CDialog&) {
            EXPECT_TRUE(commandEnded);
            return IDCANCEL;
        });
        c.act();
        commandEnded = true;
        EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty());
        UiTest::ProcessEvents();
        EXPECT_EQ(ScriptedAnswers::ShownDialogs(), c.dialogs);
    }
    ScriptedAnswers::Reset();
}

// Language packs "Mekr_De.so" and "Mekr_En.so" lie in the packs folder of the tests.
struct LanguageCase
{
    const char* stored; // null: none stored
    bool packs;
    const char* language;
    const char* idleText;
};

class LanguageTest : public MekrFixture
{
};

TEST_F(LanguageTest, StoredLanguageWithItsPackOrTheBuiltInOne)
{
    const LanguageCase cases[] = {
        {nullptr, false, "Cz", "Připraven"}, {"Cz", true, "Cz", "Připraven"},  {nullptr, true, "De", "Bereit"},
        {"En", false, "Cz", "Připraven"},   {"En", true, "En", "Ready"},       {"Xy", true, "Cz", "Připraven"},
    };
    for (const LanguageCase& c : cases)
    {
        if (c.stored)
            Store("Language", c.stored);
        else
            Profile::WriteString("Settings", "Language", nullptr);
        CMekrApp app;
        app.m_strLanguageFolder = c.packs ? KALVENROD_MEKR_PACK_DIR : m_noPacks.path().toUtf8().constData();
        app.SelectLanguageResources();
        EXPECT_EQ(AppSettings::Get().Language, c.language) << (c.stored ? c.stored : "none");
        CString idle;
        idle.LoadString(IDS_IDLE);
        EXPECT_EQ(idle, c.idleText) << (c.stored ? c.stored : "none");
        AfxSetResourceHandle(AfxGetInstanceHandle());
    }
}

TEST_F(LanguageTest, FirstPackInNameOrderIsWrittenAtExit)
{
    m_app->m_strLanguageFolder = KALVENROD_MEKR_PACK_DIR;
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_app->m_languages.Modules().size(), 2u);
    Stop();
    EXPECT_EQ(Stored("Language"), "De");
}

TEST(LanguageLibrariesTest, FilesOfOtherProgramsAndBrokenPacksAreSkipped)
{
    QTemporaryDir folder;
    QFile::copy(QString(KALVENROD_MEKR_PACK_DIR) + "/Mekr_En.so", folder.filePath("Mekr_En.so"));
    QFile::copy(QString(KALVENROD_MEKR_PACK_DIR) + "/Mekr_En.so", folder.filePath("Sobrel_De.so"));
    QFile broken(folder.filePath("Mekr_Aa.so"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    LanguageLibraries languages;
    languages.Load(folder.path().toStdString(), "Mekr");
    ASSERT_EQ(languages.Modules().size(), 1u);
    EXPECT_EQ(languages.Choose(""), "En");
    EXPECT_EQ(languages.ModuleOf("Cz"), nullptr);
}
} // namespace
