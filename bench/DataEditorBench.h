#pragma once
// A data editor started for a benchmark in a folder of its own, with one new empty document.

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "platform/core/Profile.h"
#include "platform/frame/CDocTemplate.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

class DataEditorBench
{
public:
    // False when the editor did not start.
    bool Start()
    {
        UiTest::EnsureApplication();
        QDir().mkpath(dir.path() + "/program");
        for (const char* name : {"Sobrel-CZ.so", "Sobrel-CZ.xls"})
            QFile::link(QStringLiteral(KALVENROD_BIN_DIR "/") + name, dir.path() + "/program/" + name);
        Profile::SetConfigFolder(dir.path().toUtf8().constData());
        qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
        app = std::make_unique<CSobrelApp>();
        app->m_pszExeName = strdup("Sobrel");
        app->programFolder = (dir.path() + "/program/").toUtf8().constData();
        app->m_arguments = {CString("Sobrel")};
        if (!app->InitInstance())
            return false;
        app->options.backup = 0;
        POSITION position = app->GetFirstDocTemplatePosition();
        document = dynamic_cast<CSobrelDoc*>(app->GetNextDocTemplate(position)->OpenDocumentFile(nullptr, TRUE));
        return document != nullptr;
    }
    void Stop()
    {
        if (document)
            document->SetModifiedFlag(FALSE);
        app->m_pMainWnd->SendMessage(WM_CLOSE);
        app->ExitInstance();
        Profile::SetConfigFolder("");
    }

    QTemporaryDir dir;
    std::unique_ptr<CSobrelApp> app;
    CSobrelDoc* document = nullptr;
};
