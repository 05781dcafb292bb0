#include "MekrFixture.h"

#include "app/ProgramDialogs.h"
#include "common/AppSettings.h"
#include "platform/core/NumberText.h"
#include "platform/core/Profile.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QEvent>
#include <QTimer>

void MekrFixture::SetUpTestSuite()
{
    UiTest::EnsureApplication();
    RegisterProgramDialogs();
}

void MekrFixture::SetUp()
{
    ScriptedAnswers::Reset();
    Profile::SetConfigFolder(m_config.path().toUtf8().constData());
    Profile::SetMachineFolder(m_machine.path().toUtf8().constData());
    Profile::SetDataFolder(m_userData.path().toUtf8().constData());
    Profile::SetDocumentsFolder(m_documents.path().toUtf8().constData());
    Profile::SetRegistryKey("Kolp");
    Profile::SetProfileName("kalvenrod");
    ShellLauncher::SetAddressOpener([this](const CString& address) {
        m_openedAddresses.push_back(address);
        return true;
    });
    // Owner data and folders as a set-up program leaves them, unless a test says otherwise.
    Store("UserFirm", "Topení Novák s.r.o.");
    Store("UserBase", "Brno");
    Store("PathData", FolderPath("data").c_str());
    Store("PathBase", (FolderPath("data") + "/Nový.XLS").c_str());
    QDir(m_folder.path()).mkpath("data");
    // The template of a new project, as the installation puts it beside the catalogues.
    QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", m_folder.filePath("data/MekrOrig.xls"));
    m_app = new CMekrApp;
    m_app->m_strLanguageFolder = m_noPacks.path().toUtf8().constData();
}

void MekrFixture::TearDown()
{
    Stop();
    delete m_app;
    m_app = nullptr;
    ShellLauncher::SetAddressOpener({});
    AfxSetResourceHandle(AfxGetInstanceHandle());
    Profile::SetConfigFolder("");
    Profile::SetMachineFolder("");
    Profile::SetDataFolder("");
    Profile::SetDocumentsFolder("");
    NumberText::SetFormatSeparator('.');
    UserLocale::ResetToSystem();
    ScriptedAnswers::Reset();
}

bool MekrFixture::Start(const std::vector<CString>& arguments)
{
    m_app->m_arguments = {"Mekr"};
    for (const CString& argument : arguments)
        m_app->m_arguments.push_back(argument);
    if (!m_app->InitInstance())
        return false;
    m_frame = dynamic_cast<CMainFrame*>(m_app->m_pMainWnd);
    UiTest::ProcessEvents();
    return m_frame != nullptr;
}

void MekrFixture::Stop()
{
    if (!m_app || !m_frame)
        return;
    if (m_app->m_pMainWnd)
        m_app->m_pMainWnd->SendMessage(WM_CLOSE);
    UiTest::ProcessEvents();
    if (m_app->m_pMainWnd)
    {
        // The program stayed open: a question at its end (saving a changed project) was left to
        // its default, which here leads to a cancelled Save As. A test that leaves changes
        // answers it; the changes are dropped so that the program ends and nothing waits.
        ADD_FAILURE() << "the program did not end: answer the question at its end in the test";
        AppSettings::Get().Modified.fill(0);
        m_app->m_pMainWnd->SendMessage(WM_CLOSE);
        UiTest::ProcessEvents();
    }
    m_app->ExitInstance();
    // Windows closed late go now, as the event loop would take them, before the next program.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Closing the main window asked the application to quit; a short run of the application's
    // loop takes that request, so that the next program's modal loops run.
    // exit, not quit: a quit may be refused by a window that does not close, and would then wait.
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    m_frame = nullptr;
}

void MekrFixture::Store(const char* name, const char* value)
{
    Profile::WriteString("Settings", name, value);
}

CString MekrFixture::Stored(const char* name) const
{
    return Profile::GetString("Settings", name, "<none>");
}

std::string MekrFixture::FolderPath(const char* name) const
{
    return (m_folder.path() + u'/' + QString::fromUtf8(name)).toStdString();
}

void MekrFixture::Command(UINT id)
{
    m_frame->SendMessage(WM_COMMAND, id);
}
