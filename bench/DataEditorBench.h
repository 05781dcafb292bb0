#pragma once
// A data editor started for a benchmark in a folder of its own, with one new empty document.

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CSobrelView.h"
#include "platform/core/Profile.h"
#include "platform/frame/CDocTemplate.h"
#include "testing/UiTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <functional>
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
    // A catalogue's cell: a real number in the odd columns, a Czech text in the others.
    static CString CatalogueCell(int row, int column)
    {
        CString text;
        if (column % 2)
            text.Format("%d.%d", row, column);
        else
            text.Format("Šroubení %d-%d", row, column);
        return text;
    }
    // The document's table: columns "Sloupec<n>", real numbers in the odd ones, texts in the
    // others, the cells' texts from cell(row, column), both counted from 0.
    CSobrelView* FillTable(int rows, int columns, const std::function<CString(int, int)>& cell)
    {
        CSobrelView* view = document->View();
        CGridCtrl& grid = *view->Grid();
        grid.SetRowCount(rows + 1);
        grid.SetColumnCount(columns + 1);
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(1);
        for (int c = 0; c < columns; ++c)
        {
            CString name;
            name.Format("Sloupec%d", c);
            grid.SetItemText(0, c + 1, name);
            view->SetColumnInfo(c + 1, std::make_shared<CColumnInfo>(c % 2 ? 7 : 10, c % 2 ? 8 : 40, -2));
            for (int r = 0; r < rows; ++r)
                grid.SetItemText(r + 1, c + 1, cell(r, c));
        }
        view->rowCount = rows;
        view->columnCount = columns;
        return view;
    }
    void Stop()
    {
        if (document)
            document->SetModifiedFlag(FALSE);
        app->m_pMainWnd->SendMessage(WM_CLOSE);
        app->ExitInstance();
        TakeQuitRequest();
        Profile::SetConfigFolder("");
    }

    QTemporaryDir dir;
    std::unique_ptr<CSobrelApp> app;
    CSobrelDoc* document = nullptr;

private:
    // The closed main window asked the application to quit; until that request is taken, every
    // event loop of the next editor (each modal dialog's) would end at once.
    static void TakeQuitRequest()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
    }
};
