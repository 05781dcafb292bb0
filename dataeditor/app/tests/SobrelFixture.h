#pragma once
// A data editor started in the test process: a program folder of its own (links to the built
// language packs and format workbooks), its own profile and runtime folder.

#include "dataeditor/app/CSobrelApp.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "platform/ui/DialogScript.h"
#include "testing/ScopedEnvironment.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

class SobrelFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        QDir().mkpath(Folder("program"));
        QDir().mkpath(Folder("runtime"));
        QDir().mkpath(Folder("config"));
        m_runtime =
            std::make_unique<ScopedEnvironment>("XDG_RUNTIME_DIR", Folder("runtime").toUtf8().constData());
        Profile::SetConfigFolder(Folder("config").toUtf8().constData());
        ScriptedAnswers::Reset();
    }

    void TearDown() override
    {
        Stop();
        ScriptedAnswers::Reset();
        Profile::SetConfigFolder("");
        m_runtime.reset();
    }

    QString Folder(const char* name) const { return m_dir.path() + u'/' + QString::fromUtf8(name); }
    QString ProgramFile(const QString& name) const { return Folder("program") + u'/' + name; }

    // Links the built files into the program folder.
    void Provide(std::initializer_list<const char*> names) const
    {
        for (const char* name : names)
            QFile::link(QStringLiteral(KALVENROD_BIN_DIR "/") + QString::fromUtf8(name), ProgramFile(name));
    }
    void ProvideBoth() const { Provide({"Sobrel-CZ.so", "Sobrel-EN.so", "Sobrel-CZ.xls", "Sobrel-EN.xls"}); }

    // Starts the editor with these arguments (after the program name).
    bool Start(std::initializer_list<const char*> arguments = {})
    {
        m_app = std::make_unique<CSobrelApp>();
        m_app->m_pszExeName = strdup("Sobrel");
        m_app->programFolder = (Folder("program") + u'/').toUtf8().constData();
        m_app->dataFolder = m_app->programFolder;
        m_app->m_arguments = {CString("Sobrel")};
        for (const char* argument : arguments)
            m_app->m_arguments.emplace_back(argument);
        return m_app->InitInstance() != FALSE;
    }

    void Stop()
    {
        if (!m_app)
            return;
        if (m_app->m_pMainWnd)
        {
            for (int i = 0; i < 10; ++i)
                ScriptedAnswers::AnswerBox(IDNO);
            m_app->m_pMainWnd->SendMessage(WM_CLOSE);
        }
        m_app->ExitInstance();
        m_app.reset();
        // Closing the main window asked the application to quit; a short run of the
        // application's loop takes that back, so that later modal loops run.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    CString LastMessage() const
    {
        const auto& shown = ScriptedAnswers::ShownBoxes();
        return shown.empty() ? CString() : shown.back().text;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CSobrelApp> m_app;
    std::unique_ptr<ScopedEnvironment> m_runtime;
};
