// Where the user's files go: working copies in the program's folder of the user's data, projects
// in "Projekty" of the user's documents, stored settings first; nothing beside the program.
#include "MekrFixture.h"

#include "app/CMekrDoc.h"
#include "common/AppSettings.h"
#include "platform/core/Profile.h"
#include "platform/frame/FrameIds.h"
#include "testing/ScriptedAnswers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fstream>

namespace
{
class UserFoldersTest : public MekrFixture
{
protected:
    // An installation as the program's folder holds it: the template and the catalogues, named
    // by the machine's settings.
    void SetUp() override
    {
        MekrFixture::SetUp();
        m_install = QString::fromStdString(FolderPath("program"));
        QDir().mkpath(m_install);
        for (const char* file : {"MekrOrig.xls", "MekrData.xls"})
            QFile::copy(QString(KALVENROD_BIN_DIR "/") + file, m_install + "/" + file);
        QDir().mkpath(m_machine.filePath("Kolp"));
        std::ofstream(m_machine.filePath("Kolp/kalvenrod.ini").toStdString())
            << "[General]\nInstallDir=" << m_install.toStdString() << "\n";
        // A fresh profile: no folders stored.
        for (const char* name : {"PathData", "PathBase"})
            Profile::WriteString("Settings", name, nullptr);
    }

    // Every file below the folder with its size and time, to see that nothing changed.
    static QStringList Files(const QString& folder)
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
        {
            const QFileInfo file(it.next());
            files << file.filePath() + " " + QString::number(file.size()) + " " +
                         QString::number(file.lastModified().toMSecsSinceEpoch());
        }
        files.sort();
        return files;
    }
    CMekrDoc* Doc() const { return dynamic_cast<CMekrDoc*>(m_frame->GetActiveDocument()); }
    std::string UserData(const char* name) const { return m_userData.filePath(name).toStdString(); }
    std::string Projects() const { return m_documents.filePath("Projekty").toStdString(); }

    QString m_install;
};

// A new project, saved and made again, in a fresh profile and with stored folders; the
// installation stays as it was.
TEST_F(UserFoldersTest, NewProjectsLiveInTheUsersFoldersAndStoredFoldersWin)
{
    const struct
    {
        const char* name;
        const char* storedWorkingCopy; // in the test's folder; null: none stored
        const char* storedData;        // the catalogue folder; null: none stored
        const char* workingFolder;     // where the new project's working copy is made
    } cases[] = {
        {"fresh profile", nullptr, nullptr, ""},
        {"catalogues elsewhere", nullptr, "program", ""},
        {"stored working copy", "práce/Starý.XLS", nullptr, "práce"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const std::string working = c.storedWorkingCopy ? FolderPath("práce") : m_userData.path().toStdString();
        if (c.storedWorkingCopy)
        {
            QDir().mkpath(QString::fromStdString(working));
            Store("PathBase", FolderPath(c.storedWorkingCopy).c_str());
        }
        if (c.storedData)
            Store("PathData", FolderPath(c.storedData).c_str());
        const QStringList installed = Files(m_install);
        QDir(m_userData.path()).removeRecursively(); // made on first use

        ASSERT_TRUE(Start());
        const CString newProject = CString(working + "/Nový.XLS");
        EXPECT_EQ(AppSettings::Get().PathData, CString(m_install.toStdString()));
        EXPECT_EQ(Doc()->m_strDocPath, newProject);
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(newProject.str())));

        // The first save proposes the projects folder, made for it.
        const std::string saved = Projects() + "/Dům.kzn";
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerCommonDialog(IDOK, saved.c_str());
        AppSettings::Get().Modified[AppSettings::InputData] = 1;
        Command(ID_FILE_SAVE);
        ASSERT_EQ(ScriptedAnswers::ShownCommonDialogs().size(), 1u);
        EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].folder, Projects());
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(saved)));
        // A saved project's dialogs start in its own folder.
        ScriptedAnswers::AnswerCommonDialog(IDCANCEL);
        Command(ID_FILE_OPEN);
        ASSERT_EQ(ScriptedAnswers::ShownCommonDialogs().size(), 2u);
        EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[1].folder, Projects());

        Command(ID_FILE_NEW);
        EXPECT_EQ(Doc()->m_strDocPath, CString(Projects() + "/Nový.XLS"));
        Stop();
        EXPECT_EQ(Files(m_install), installed);
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(Profile::FilePath())));
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(newProject.str()))); // this run's copy went
    }
}

// A working folder that is gone, or that cannot be made, never sends a new project beside the
// program.
TEST_F(UserFoldersTest, AWorkingFolderThatIsGoneGivesWayToTheUsersDataFolder)
{
    Store("PathBase", FolderPath("smazaná/Dům.XLS").c_str());
    const QStringList installed = Files(m_install);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Doc()->m_strDocPath, CString(UserData("Nový.XLS")));
    Stop();
    EXPECT_EQ(Files(m_install), installed);

    // A data folder where a file stands cannot be made: the new project fails with a message.
    TearDown();
    SetUp();
    const QString blocked = QString::fromStdString(FolderPath("soubor"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Profile::SetDataFolder((blocked + "/kalvenrod").toUtf8().constData());
    Store("PathBase", FolderPath("smazaná/Dům.XLS").c_str());
    ASSERT_TRUE(Start());
    ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
              CString("Problémy při práci se souborem " + blocked.toStdString() + "/kalvenrod"));
    EXPECT_TRUE(Doc()->m_strDocPath.IsEmpty());
    EXPECT_EQ(Files(m_install), installed);
}
} // namespace
