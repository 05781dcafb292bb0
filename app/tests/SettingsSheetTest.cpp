#include "MekrFixture.h"

#include "app/CMekrDoc.h"
#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CPropertySheet.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <cstdlib>

namespace
{
CPropertySheet& SheetOf(CDialog& dialog)
{
    return static_cast<CPropertySheet&>(dialog);
}

CString TextOf(CWnd* page, int id)
{
    CString text;
    page->GetDlgItemText(id, text);
    return text;
}

void Ok(CDialog& dialog)
{
    UiTest::Click(dialog.GetDlgItem(IDOK));
}

class SettingsSheetTest : public MekrFixture
{
protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        // The start makes the working copy "Nový.XLS" of a new project in the data folder (and
        // shows its basic data, cancelled).
        ASSERT_TRUE(Start());
        ScriptedAnswers::ForgetShown();
    }
};

TEST_F(SettingsSheetTest, OkTakesTheEntriesOverAndWritesThemAtOnce)
{
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [](CDialog& dialog) {
        CPropertySheet& sheet = SheetOf(dialog);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(sheet.GetPageCount(), 4);
        sheet.GetPage(0)->SetDlgItemText(IDC_PATH_LIST, "/srv/ceníky");
        EXPECT_TRUE(sheet.SetActivePage(1));
        sheet.GetPage(1)->CheckDlgButton(IDC_CHECK_WALLS, 1);
        sheet.GetPage(1)->CheckDlgButton(IDC_FLOOR_WITH_SETTINGS, 0);
        EXPECT_TRUE(sheet.SetActivePage(3));
        EXPECT_EQ(TextOf(sheet.GetPage(3), IDC_USER_FIRM), "Topení Novák s.r.o.");
        sheet.GetPage(3)->SetDlgItemText(IDC_USER_FIRM, "   ");
        EXPECT_FALSE(sheet.SetActivePage(0));
        EXPECT_EQ(sheet.GetActiveIndex(), 3);
        sheet.GetPage(3)->SetDlgItemText(IDC_USER_FIRM, "Teplo Brno a.s.  ");
        sheet.GetPage(3)->SetDlgItemText(IDC_USER_NAME, "Dvořák");
        Ok(dialog);
        return -1;
    });
    Command(ID_SETTINGS);
    AppSettings& settings = AppSettings::Get();
    EXPECT_EQ(settings.PathList, "/srv/ceníky");
    EXPECT_EQ(settings.CheckWalls, 1);
    EXPECT_EQ(settings.StartFloorWithSettings, 0);
    EXPECT_EQ(settings.UserFirm, "Teplo Brno a.s.");
    EXPECT_EQ(Stored("PathList"), "/srv/ceníky");
    EXPECT_EQ(Stored("UserFirm"), "Teplo Brno a.s.");
    EXPECT_EQ(Stored("UserName"), "Dvořák");

    Stop();
    delete m_app;
    m_app = new CMekrApp;
    m_app->m_strLanguageFolder = m_noPacks.path().toUtf8().constData();
    ASSERT_TRUE(Start());
    EXPECT_EQ(AppSettings::Get().PathList, "/srv/ceníky");
    EXPECT_EQ(AppSettings::Get().UserName, "Dvořák");
}

// One row of buttons: the sheet's OK and Storno act; the pages' own pair stays hidden.
TEST_F(SettingsSheetTest, OnlyTheSheetsOwnButtonsShow)
{
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [](CDialog& dialog) {
        CPropertySheet& sheet = SheetOf(dialog);
        CString caption;
        dialog.GetDlgItem(IDOK)->GetWindowText(caption);
        EXPECT_EQ(caption, "OK");
        dialog.GetDlgItem(IDCANCEL)->GetWindowText(caption);
        EXPECT_EQ(caption, "Storno");
        for (int page = 0; page < sheet.GetPageCount(); ++page)
        {
            EXPECT_TRUE(sheet.SetActivePage(page));
            for (const int id : {IDOK, IDCANCEL})
                if (CWnd* own = sheet.GetPage(page)->GetDlgItem(id))
                    EXPECT_FALSE(own->IsWindowVisible()) << page << " " << id;
        }
        return IDCANCEL;
    });
    Command(ID_SETTINGS);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDS_SETTINGS_TITLE});
}

TEST_F(SettingsSheetTest, EmptyOrganisationOpensOnTheOwnerPageAndCancelChangesNothing)
{
    AppSettings::Get().UserFirm.Empty();
    const CString before = Stored("PathList");
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [](CDialog& dialog) {
        CPropertySheet& sheet = SheetOf(dialog);
        EXPECT_EQ(sheet.GetActiveIndex(), 3);
        sheet.GetPage(3)->SetDlgItemText(IDC_USER_FIRM, "Nová firma");
        EXPECT_TRUE(sheet.SetActivePage(0));
        sheet.GetPage(0)->SetDlgItemText(IDC_PATH_LIST, "/jinam");
        return IDCANCEL;
    });
    m_app->OnCmdMsg(ID_APP_SETTINGS, 0, nullptr, nullptr);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDS_SETTINGS_TITLE});
    EXPECT_TRUE(AppSettings::Get().UserFirm.IsEmpty());
    EXPECT_EQ(Stored("PathList"), before);
}

TEST_F(SettingsSheetTest, NewWorkingFolderReceivesTheWorkingCopy)
{
    QDir(m_folder.path()).mkpath("práce");
    const std::string work = FolderPath("práce");
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        CPropertySheet& sheet = SheetOf(dialog);
        EXPECT_EQ(TextOf(sheet.GetPage(0), IDC_PATH_WORK), CString(FolderPath("data")));
        sheet.GetPage(0)->SetDlgItemText(IDC_PATH_WORK, (work + "/").c_str());
        Ok(dialog);
        return -1;
    });
    Command(ID_SETTINGS);
    EXPECT_EQ(AppSettings::Get().PathBase, CString(work + "/Nový.XLS"));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(work + "/Nový.XLS")));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(FolderPath("data") + "/Nový.XLS")));
    auto* doc = dynamic_cast<CMekrDoc*>(m_frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_strDocPath, CString(work + "/Nový.kzn"));
    EXPECT_EQ(doc->GetTitle(), doc->m_strDocPath);
    EXPECT_EQ(Stored("PathBase"), CString(work + "/Nový.XLS"));
}

TEST_F(SettingsSheetTest, AFileOfTheUserInTheNewFolderIsAskedAboutAndKept)
{
    QDir(m_folder.path()).mkpath("práce");
    const std::string work = FolderPath("práce");
    QFile mine(QString::fromStdString(work + "/Nový.XLS"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("rozpracovaný projekt");
    mine.close();
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        SheetOf(dialog).GetPage(0)->SetDlgItemText(IDC_PATH_WORK, work.c_str());
        Ok(dialog);
        return -1;
    });
    ScriptedAnswers::AnswerBox(IDNO);
    Command(ID_SETTINGS);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 2u); // the question, then where the file is kept
    QFile kept(QString::fromStdString(work + "/Nový (1).XLS"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("rozpracovaný projekt"));
    EXPECT_EQ(AppSettings::Get().PathBase, CString(work + "/Nový.XLS"));
    EXPECT_NE(QFileInfo(QString::fromStdString(work + "/Nový.XLS")).size(), kept.size());
}

// The open project takes its name into the new working-data folder; another project of that
// name there is asked about: replaced at the next save (Yes), left alone under a free name (No),
// or the sheet comes back (Storno).
TEST_F(SettingsSheetTest, AnotherProjectOfTheNameInTheNewFolderIsNeverReplacedSilently)
{
    const struct
    {
        int answer;
        const char* projectFile; // the open project's file afterwards, in the new folder
        bool otherReplaced;
    } cases[] = {{IDYES, "Dum.kzn", true}, {IDNO, "Dum (1).kzn", false}, {IDCANCEL, nullptr, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.answer);
        const std::string akce = "akce-" + std::to_string(c.answer);
        const std::string work = FolderPath(("práce-" + std::to_string(c.answer)).c_str());
        QDir().mkpath(QString::fromStdString(FolderPath(akce.c_str())));
        QDir().mkpath(QString::fromStdString(work));
        const QString project = QString::fromStdString(FolderPath(akce.c_str()) + "/Dum.kzn");
        ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", project));
        const QString other = QString::fromStdString(work + "/Dum.kzn");
        QFile otherFile(other);
        ASSERT_TRUE(otherFile.open(QIODevice::WriteOnly));
        otherFile.write("jiný projekt");
        otherFile.close();
        ScriptedAnswers::AnswerCommonDialog(IDOK, project.toUtf8().constData());
        Command(ID_FILE_OPEN);
        auto* doc = dynamic_cast<CMekrDoc*>(m_frame->GetActiveDocument());
        ASSERT_NE(doc, nullptr);
        ASSERT_EQ(doc->m_strDocPath, CString(project.toStdString()));

        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
            SheetOf(dialog).GetPage(0)->SetDlgItemText(IDC_PATH_WORK, work.c_str());
            Ok(dialog);
            return -1;
        });
        if (c.answer == IDCANCEL)
            ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [](CDialog&) { return IDCANCEL; });
        ScriptedAnswers::AnswerBox(c.answer);
        Command(ID_SETTINGS);
        ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
                  CString("Ve složce už je projekt " + work + "/Dum.kzn.\nPřepsat ho při uložení tímto projektem?"
                          "\n\nAno: přepsat\nNe: uložit jako " + work + "/Dum (1).kzn\nStorno: zpět k nastavení"));
        if (!c.projectFile)
        {
            EXPECT_EQ(ScriptedAnswers::ShownDialogs().size(), 2u);
            EXPECT_EQ(doc->m_strDocPath, CString(project.toStdString()));
            EXPECT_EQ(AppSettings::Get().PathBase, CString(FolderPath(akce.c_str()) + "/Dum.XLS"));
            EXPECT_EQ(QDir(QString::fromStdString(work)).entryList(QDir::Files), QStringList{"Dum.kzn"});
            continue;
        }
        const std::string moved = work + "/" + c.projectFile;
        EXPECT_EQ(doc->m_strDocPath, CString(moved));
        EXPECT_EQ(doc->GetTitle(), CString(moved));
        AppSettings::Get().Modified[AppSettings::InputData] = 1;
        Command(ID_FILE_SAVE);
        EXPECT_FALSE(doc->IsModified());
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(moved)));
        QFile otherAfter(other);
        ASSERT_TRUE(otherAfter.open(QIODevice::ReadOnly));
        EXPECT_EQ(otherAfter.readAll() != QByteArray("jiný projekt"), c.otherReplaced);
    }
}

TEST_F(SettingsSheetTest, WithoutWorkingCopyTheNewFolderIsTakenAsItStands)
{
    ASSERT_TRUE(QFile::remove(QString::fromStdString(FolderPath("data") + "/Nový.XLS")));
    QDir(m_folder.path()).mkpath("nová");
    const std::string work = FolderPath("nová");
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        SheetOf(dialog).GetPage(0)->SetDlgItemText(IDC_PATH_WORK, work.c_str());
        Ok(dialog);
        return -1;
    });
    Command(ID_SETTINGS);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs().size(), 1u);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(AppSettings::Get().PathBase, CString(work + "/Nový.XLS"));
}

TEST_F(SettingsSheetTest, SameFolderWrittenOtherwiseCopiesNothing)
{
    const std::string same = FolderPath("data") + "/../data//";
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        SheetOf(dialog).GetPage(0)->SetDlgItemText(IDC_PATH_WORK, same.c_str());
        Ok(dialog);
        return -1;
    });
    Command(ID_SETTINGS);
    EXPECT_EQ(AppSettings::Get().PathBase, CString(FolderPath("data") + "/Nový.XLS"));
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(SettingsSheetTest, UnwritableFolderShowsTheCopyProblemAndTheSheetAgain)
{
    const std::string bad = FolderPath("data") + "/Nový.XLS/pod";
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        SheetOf(dialog).GetPage(0)->SetDlgItemText(IDC_PATH_WORK, bad.c_str());
        SheetOf(dialog).GetPage(0)->SetDlgItemText(IDC_PATH_LIST, "/srv/ceníky");
        Ok(dialog);
        return -1;
    });
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        CPropertySheet& sheet = SheetOf(dialog);
        EXPECT_EQ(TextOf(sheet.GetPage(0), IDC_PATH_WORK), CString(bad));
        EXPECT_EQ(TextOf(sheet.GetPage(0), IDC_PATH_LIST), "/srv/ceníky");
        return IDCANCEL;
    });
    Command(ID_SETTINGS);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs().size(), 2u);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, CString("Problémy při kopírování souboru " + bad + "/Nový.XLS"));
    EXPECT_EQ(AppSettings::Get().PathBase, CString(FolderPath("data") + "/Nový.XLS"));
    EXPECT_NE(AppSettings::Get().PathList, "/srv/ceníky");
}

class DataEditorTest : public SettingsSheetTest
{
protected:
    void SetUp() override
    {
        SettingsSheetTest::SetUp();
        QDir(m_folder.path()).mkpath("Data \"Nové\" 1");
        m_dataFolder = FolderPath("Data \"Nové\" 1");
        AppSettings::Get().PathData = m_dataFolder.c_str();
        AppSettings::Get().PathEdit = KALVENROD_FAKE_EDITOR;
        m_log = FolderPath("editor.log");
        setenv("MEKR_FAKE_EDITOR_LOG", m_log.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("MEKR_FAKE_EDITOR_LOG");
        SettingsSheetTest::TearDown();
    }
    // What the editor was started with; empty when it did not start within a few seconds.
    QStringList EditorLog()
    {
        QFile log(QString::fromStdString(m_log));
        for (int i = 0; i < 500 && !log.exists(); ++i)
            QThread::msleep(10);
        QStringList lines;
        if (log.open(QIODevice::ReadOnly))
            lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        log.remove();
        return lines;
    }
    QStringList Expected(const char* sheet) const
    {
        const QString folder = QString::fromStdString(m_dataFolder);
        return {"folder=" + folder, "arg=" + folder + "/MekrData.xls", QString("arg=-tabulka:") + sheet + "$"};
    }

    std::string m_dataFolder;
    std::string m_log;
};

const struct
{
    UINT button;
    UINT command;
    const char* sheet;
} kEditorSheets[] = {{IDC_EDIT_STK, ID_DATA_STK, "Mekr_StK"},
                     {IDC_EDIT_OTK, ID_DATA_OTK, "Mekr_OtK"},
                     {IDC_EDIT_OTI, ID_DATA_OTI, "Mekr_OtI"},
                     {IDC_EDIT_OT, ID_DATA_OT, "Mekr_Ot"},
                     {IDC_EDIT_POUP, ID_DATA_POUP, "Mekr_PoUp"}};

TEST_F(DataEditorTest, CommandsStartTheEditorOnTheirSheet)
{
    for (const auto& e : kEditorSheets)
    {
        Command(e.command);
        EXPECT_EQ(EditorLog(), Expected(e.sheet)) << e.sheet;
    }
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(DataEditorTest, PageButtonsStartTheEditorWithThePageEntries)
{
    AppSettings::Get().PathEdit.Empty();
    std::vector<QStringList> logs;
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        CPropertySheet& sheet = SheetOf(dialog);
        sheet.GetPage(0)->SetDlgItemText(IDC_PATH_EDIT, KALVENROD_FAKE_EDITOR);
        EXPECT_TRUE(sheet.SetActivePage(2));
        for (const auto& e : kEditorSheets)
        {
            UiTest::Click(sheet.GetPage(2)->GetDlgItem(e.button));
            logs.push_back(EditorLog());
        }
        return IDCANCEL;
    });
    Command(ID_SETTINGS);
    ASSERT_EQ(logs.size(), std::size(kEditorSheets));
    for (std::size_t i = 0; i < logs.size(); ++i)
        EXPECT_EQ(logs[i], Expected(kEditorSheets[i].sheet));
}

TEST_F(DataEditorTest, WithoutEditorThePageLeadsToItsFolderEntry)
{
    AppSettings::Get().PathEdit.Empty();
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        CPropertySheet& sheet = SheetOf(dialog);
        EXPECT_TRUE(sheet.SetActivePage(2));
        UiTest::Click(sheet.GetPage(2)->GetDlgItem(IDC_EDIT_OT));
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(CWnd::GetFocus(), sheet.GetPage(0)->GetDlgItem(IDC_PATH_EDIT));
        return IDCANCEL;
    });
    Command(ID_SETTINGS);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDS_SETTINGS_TITLE});
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("Není zadán program pro opravu dat"), -1);
}

TEST_F(DataEditorTest, WithoutEditorTheCommandOpensTheSheetOnItsFirstPage)
{
    AppSettings::Get().PathEdit.Empty();
    int page = -1;
    ScriptedAnswers::OnDialog(IDS_SETTINGS_TITLE, [&](CDialog& dialog) {
        page = SheetOf(dialog).GetActiveIndex();
        return IDCANCEL;
    });
    Command(ID_DATA_OT);
    EXPECT_EQ(page, 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(m_log)));
}

TEST_F(DataEditorTest, EditorThatDoesNotStartIsNamed)
{
    AppSettings::Get().PathEdit = "/nikde/Sobrel";
    Command(ID_DATA_STK);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("/nikde/Sobrel"), -1);
}
} // namespace
