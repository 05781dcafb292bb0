#pragma once
// An editor with a workbook of three sheets made by python3-xlwt: A (names, prices and
// notes), B and the column information AInfo of A.

#include "dataeditor/app/tests/SobrelFixture.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "platform/frame/CMDIChildWnd.h"
#include "platform/frame/CMDIFrameWnd.h"
#include "platform/ui/CDialog.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/view/CSobrelView.h"
#include "datalib/CData.h"
#include "platform/dao/tests/DebianPython.h"
#include "platform/frame/CDocTemplate.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CommonDialogs.h"

#include <sys/stat.h>

class DocumentFixture : public SobrelFixture
{
protected:
    void SetUp() override
    {
        SobrelFixture::SetUp();
        ProvideBoth();
        m_path = Folder("katalog.xls");
        RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
a = book.add_sheet('A')
for c, name in enumerate(['Název', 'Cena;2', 'Poznámka']):
    a.write(0, c, name)
rows = [('Radiátor', 1234.5, 'krátká'), ('Trubka', 0.1234567891, 'x'), ('Ventil', 99, '')]
for r, row in enumerate(rows):
    for c, value in enumerate(row):
        if value != '':
            a.write(r + 1, c, value)
b = book.add_sheet('B')
b.write(0, 0, 'Kód'); b.write(1, 0, 'K1')
info = book.add_sheet('AInfo')
for c, name in enumerate(['Název', 'Cena;2', 'Poznámka']):
    info.write(0, c, name)
info.write(1, 0, 'Název výrobku'); info.write(2, 1, 'dbDouble;2'); info.write(2, 2, 'dbMemo')
book.save(sys.argv[1])
)",
                  {m_path});
    }

    struct DatabaseColumn
    {
        const char* name;
        int type;
        int size;
        int decimals;
    };
    // An engine database file with one table of these columns and rows of texts (numbers with
    // the user's decimal separator); false when it cannot be made.
    static bool MakeDatabase(const QString& path, const char* table, std::initializer_list<DatabaseColumn> columns,
                             std::initializer_list<std::vector<const char*>> rows)
    {
        CData data;
        data.m_bShowErrors = FALSE;
        if (!data.Create(path.toUtf8().constData(), "Access"))
            return false;
        for (const DatabaseColumn& column : columns)
            data.AddColBeforeCreateTable(column.name, column.type, column.size, column.decimals);
        if (!data.CreateTable(table))
            return false;
        data.CloseTable();
        if (!data.OpenTable(table, "", 0))
            return false;
        for (const std::vector<const char*>& row : rows)
        {
            if (!data.AddRow())
                return false;
            for (std::size_t c = 0; c < row.size(); ++c)
                data.SetStringValue(int(c), row[c], -1);
        }
        data.Close();
        return true;
    }

    CDocTemplate* Template() const
    {
        POSITION position = m_app->GetFirstDocTemplatePosition();
        return m_app->GetNextDocTemplate(position);
    }
    // Opens the workbook choosing the entry that begins with choice (when the choice is asked).
    CSobrelDoc* Open(const char* choice = nullptr, std::vector<CString>* offered = nullptr)
    {
        if (choice)
            DialogScript::OnNext(IDD_TABLE_CHOICE, [choice, offered](CDialog& dialog) {
                auto* list = static_cast<CListBox*>(dialog.GetDlgItem(IDC_TABLE_LIST));
                for (int i = 0; i < list->GetCount(); ++i)
                {
                    CString entry;
                    list->GetText(i, entry);
                    if (offered)
                        offered->push_back(entry);
                    if (entry.Find(choice) == 0)
                        list->SetCurSel(i);
                }
                dialog.SendMessage(WM_COMMAND, IDOK);
                return IDOK;
            });
        return dynamic_cast<CSobrelDoc*>(Template()->OpenDocumentFile(m_path.toUtf8().constData(), TRUE));
    }
    // Runs the open command on a file; separator answers the separator dialog (null: Cancel).
    CSobrelDoc* ImportFile(const QString& path, const char* separator = nullptr)
    {
        if (separator)
            DialogScript::OnNext(IDD_SEPARATOR, [separator](CDialog& dialog) {
                dialog.SetDlgItemText(IDC_SEPARATOR, separator);
                dialog.SendMessage(WM_COMMAND, IDOK);
                return IDOK;
            });
        CommonDialogScript::AnswerNext(IDOK, path.toUtf8().constData());
        const int before = m_app->GetOpenDocumentCount();
        m_app->OpenTableFile();
        if (m_app->GetOpenDocumentCount() == before)
            return nullptr;
        auto* frame = dynamic_cast<CMDIFrameWnd*>(m_app->m_pMainWnd);
        return dynamic_cast<CSobrelDoc*>(frame->MDIGetActive()->GetActiveDocument());
    }
    // Answers the next column definition dialog: the name, the kind's index (-1: as it is)
    // and the decimals (null: the locale's), then OK.
    static void DefineColumn(const char* name, int kind, const char* decimals)
    {
        DialogScript::OnNext(IDD_COLUMN, [=](CDialog& d) {
            d.SetDlgItemText(IDC_COLUMN_NAME, name);
            if (kind >= 0)
            {
                static_cast<CComboBox*>(d.GetDlgItem(IDC_COLUMN_TYPE))->SetCurSel(kind);
                d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COLUMN_TYPE, CBN_SELCHANGE),
                              LPARAM(d.GetDlgItem(IDC_COLUMN_TYPE)->GetSafeHwnd()));
            }
            if (decimals)
            {
                d.CheckDlgButton(IDC_LOCALE_DECIMALS, BST_UNCHECKED);
                d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LOCALE_DECIMALS, BN_CLICKED));
                d.SetDlgItemText(IDC_COLUMN_DECIMALS, decimals);
            }
            d.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
    }
    // Whether the target's update handler enables the command.
    static bool CommandEnabled(CCmdTarget* target, UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(target, TRUE);
        return state.m_bEnabled;
    }
    static CGridCtrl& Grid(CSobrelDoc* document) { return *document->View()->Grid(); }
    QByteArray Bytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A folder (not empty) where a file is to be written.
    static void BlockPath(const QString& path)
    {
        QDir().mkpath(path + "/inside");
    }
    static mode_t Mode(const QString& path)
    {
        struct stat status;
        return ::stat(path.toUtf8().constData(), &status) == 0 ? status.st_mode & 07777 : 0;
    }
    // The sheets of a workbook as xlrd reads them: "sheet|row|col|value" lines.
    static std::string Xlrd(const QString& path)
    {
        return RunPython(R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
for s in book.sheets():
    for r in range(s.nrows):
        print(s.name + '|' + '|'.join(repr(v) for v in s.row_values(r)))
)",
                         {path});
    }

    QString m_path;
};
