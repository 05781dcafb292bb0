#pragma once
// A data editor started for a benchmark in a folder of its own, with one new empty document.

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CSobrelView.h"
#include "datalib/CData.h"
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
    // A catalogue of ten columns "Sloupec<n>" (texts, reals with decimals, dates, Booleans, whole
    // numbers) written to path through the engine; a workbook sheet keeps its first 65,535 rows.
    static CString WriteCatalogue(const QString& path, const CString& connect, int rows)
    {
        const CString file = path.toUtf8().constData();
        CData data;
        data.m_bShowErrors = FALSE;
        data.Create(file, connect);
        for (int c = 0; c < kCatalogueColumns; ++c)
        {
            CString column;
            column.Format("Sloupec%d", c);
            const int type = kCatalogueTypes[c];
            data.AddColBeforeCreateTable(column, type, type == 10 ? 40 : 8, type == 7 ? 2 : -2);
        }
        data.CreateTable("Data");
        for (int r = 0; r < rows; ++r)
        {
            if (!data.AddRow())
                break;
            for (int c = 0; c < kCatalogueColumns; ++c)
                data.SetStringValue(c, CatalogueValue(r, c), r);
        }
        data.Flush();
        data.Close();
        return file;
    }
    static constexpr int kCatalogueColumns = 10;
    // Per column of the catalogue: the DAO type.
    static constexpr int kCatalogueTypes[kCatalogueColumns] = {10, 7, 8, 1, 10, 6, 10, 4, 8, 10};
    // The catalogue's value of a row and column, as the engine takes it.
    static CString CatalogueValue(int row, int column)
    {
        CString text;
        switch (kCatalogueTypes[column])
        {
        case 7:
        case 6:
            text.Format("%d,%02d", row % 5000, row % 100);
            break;
        case 4:
            text.Format("%d", row);
            break;
        case 8:
            text.Format("%d.%d.20%02d", row % 28 + 1, row % 12 + 1, row % 30);
            break;
        case 1:
            text = row % 3 ? "1" : "0";
            break;
        default:
            text.Format("Č%d-%d", row % 9000, column);
            break;
        }
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
