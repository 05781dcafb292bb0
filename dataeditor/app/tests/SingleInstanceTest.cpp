#include "SobrelFixture.h"

#include "dataeditor/app/CMainFrame.h"
#include "dataeditor/app/SingleInstance.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "platform/frame/CMDIChildWnd.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <sys/stat.h>

namespace
{
class SingleInstanceTest : public SobrelFixture
{
protected:
    void SetUp() override
    {
        SobrelFixture::SetUp();
        ProvideBoth();
        m_workbook = Folder("MekrData.xls");
        ASSERT_TRUE(QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/MekrData.xls"), m_workbook));
    }
    void TearDown() override
    {
        if (m_second.state() != QProcess::NotRunning)
        {
            m_second.kill();
            m_second.waitForFinished();
        }
        SobrelFixture::TearDown();
    }

    // Starts the built program as a second process of the same user.
    void StartSecond(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", Folder("config"));
        environment.insert("XDG_RUNTIME_DIR", Folder("runtime"));
        m_second.setProcessEnvironment(environment);
        m_second.setProcessChannelMode(QProcess::ForwardedChannels);
        m_second.start(QStringLiteral(KALVENROD_BIN_DIR "/Sobrel"), arguments);
        ASSERT_TRUE(m_second.waitForStarted());
    }
    // Serves this process's events until the second one ends (false when it still runs).
    bool SecondEnds(int milliseconds)
    {
        QElapsedTimer timer;
        timer.start();
        while (m_second.state() != QProcess::NotRunning && timer.elapsed() < milliseconds)
        {
            UiTest::ProcessEvents(20);
            m_second.waitForFinished(10);
        }
        return m_second.state() == QProcess::NotRunning;
    }
    CSobrelDoc* ActiveDocument() const
    {
        auto* frame = dynamic_cast<CMainFrame*>(m_app->m_pMainWnd);
        CMDIChildWnd* child = frame ? frame->MDIGetActive() : nullptr;
        return child ? dynamic_cast<CSobrelDoc*>(child->GetActiveDocument()) : nullptr;
    }

    QString m_workbook;
    QProcess m_second;
};
} // namespace

TEST_F(SingleInstanceTest, SecondStartHandsTheFileAndTableToTheFirstAndEnds)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(m_app->firstInstance);
    const int documents = m_app->GetOpenDocumentCount();
    StartSecond({m_workbook, "-tabulka:Mekr_Ot$"});
    ASSERT_TRUE(SecondEnds(20000));
    EXPECT_EQ(m_second.exitCode(), 0);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents + 1);
    ASSERT_NE(ActiveDocument(), nullptr);
    EXPECT_EQ(ActiveDocument()->tableName, "Mekr_Ot$");
    EXPECT_EQ(ActiveDocument()->GetPathName(), m_workbook.toUtf8().constData());

    // Without a file the first instance only comes to the front.
    StartSecond({});
    ASSERT_TRUE(SecondEnds(20000));
    EXPECT_EQ(m_app->GetOpenDocumentCount(), documents + 1);
}

TEST_F(SingleInstanceTest, ALockHolderThatDoesNotAnswerLeavesTheStartItsOwnWindow)
{
    SingleInstance silent("Sobrel");
    ASSERT_TRUE(silent.Create());
    StartSecond({m_workbook, "-tabulka:Mekr_Ot$"});
    EXPECT_FALSE(SecondEnds(2000));
}

TEST_F(SingleInstanceTest, WithOneInstanceOffASecondWindowOpens)
{
    Profile::SetRegistryKey("Orbel");
    Profile::SetProfileName("Sobrel");
    Profile::WriteInt("Options", "oneInstance", 0);
    ASSERT_TRUE(Start());
    StartSecond({m_workbook, "-tabulka:Mekr_Ot$"});
    EXPECT_FALSE(SecondEnds(2000));
}

TEST_F(SingleInstanceTest, StartAfterACrashGivesTheListedFilesTheirWriteBitsBack)
{
    Profile::SetRegistryKey("Orbel");
    Profile::SetProfileName("Sobrel");
    const QByteArray first = Folder("a.xls").toUtf8();
    const QByteArray second = Folder("b.xls").toUtf8();
    for (const QByteArray& path : {first, second})
    {
        QFile file(QString::fromUtf8(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        ::chmod(path.constData(), 0444);
    }
    Profile::WriteString("WritingFiles", "file0", first.constData());
    Profile::WriteString("WritingFiles", "file1", second.constData());
    Profile::WriteString("WritingFiles", "file2", Folder("gone.xls").toUtf8().constData());
    ASSERT_TRUE(Start());
    for (const QByteArray& path : {first, second})
    {
        struct stat status;
        ASSERT_EQ(::stat(path.constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0644u);
    }
    EXPECT_EQ(Profile::GetString("WritingFiles", "file0", "none"), "none");
    EXPECT_EQ(Profile::GetString("WritingFiles", "file2", "none"), "none");
}

TEST_F(SingleInstanceTest, TheLastInstanceToEndDropsTheListOfFilesBeingWritten)
{
    ASSERT_TRUE(Start());
    Profile::WriteString("WritingFiles", "file1", "/nikde/a.xls");
    {
        SingleInstance other("Sobrel");
        other.Create();
        Stop();
        EXPECT_EQ(Profile::GetString("WritingFiles", "file1", ""), "/nikde/a.xls");
    }
    Profile::SetRegistryKey("Orbel");
    Profile::SetProfileName("Sobrel");
    ASSERT_TRUE(Start());
    Profile::WriteString("WritingFiles", "file1", "/nikde/a.xls");
    Stop();
    EXPECT_EQ(Profile::GetString("WritingFiles", "file1", "none"), "none");
}
