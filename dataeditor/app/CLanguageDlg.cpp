#include "dataeditor/app/CLanguageDlg.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/UiResources.h"

#include <QIcon>
#include <QImage>
#include <QListWidget>

namespace
{
// The flag picture of one pack, null when it has none.
QImage FlagOf(HMODULE module)
{
    using TableFunction = const UiResourceTable* (*)();
    auto function = reinterpret_cast<TableFunction>(GetProcAddress(module, KALVENROD_UI_RESOURCE_TABLE_EXPORT));
    const UiResourceTable* table = function ? function() : nullptr;
    for (int i = 0; table && i < table->imageCount; ++i)
        if (table->images[i].id == IDB_FLAG)
            return QImage::fromData(table->images[i].data, int(table->images[i].size));
    return QImage();
}
} // namespace

CLanguageDlg::CLanguageDlg(CWnd* pParent) : CDialog(IDD_LANGUAGE, pParent) {}

BOOL CLanguageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_LANGUAGE_LIST));
    if (!list)
        return TRUE;
    CSobrelApp* app = SobrelApp();
    for (const auto& [key, module] : app->languages)
    {
        const QImage flag = FlagOf(module);
        const char* name = Resources::FindString(module, IDS_LANGUAGE_NAME);
        const char* code = Resources::FindString(module, IDS_LANGUAGE_CODE);
        if (flag.isNull() || !name)
            continue;
        const int index = list->AddString(CString(name).Left(99));
        auto* widget = qobject_cast<QListWidget*>(list->GetWidget());
        if (QListWidgetItem* item = widget ? widget->item(index) : nullptr)
            item->setIcon(QIcon(QPixmap::fromImage(flag)));
        codes.push_back(code ? CString(code) : key);
        names.push_back(name);
        if (codes.back() == app->language)
            list->SetCurSel(index);
    }
    return TRUE;
}

void CLanguageDlg::OnOK()
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_LANGUAGE_LIST));
    const int index = list ? list->GetCurSel() : -1;
    CSobrelApp* app = SobrelApp();
    if (index >= 0 && std::size_t(index) < codes.size() && codes[std::size_t(index)] != app->language &&
        app->languages.count(codes[std::size_t(index)]))
    {
        if (!app->SwitchLanguage(codes[std::size_t(index)], 1, ""))
        {
            CString text;
            CString format;
            format.LoadString(IDS_LANGUAGE_FAILED);
            text.Format(format, LPCTSTR(names[std::size_t(index)]));
            AfxMessageBox(text, MB_OK | MB_ICONERROR);
            return;
        }
    }
    CDialog::OnOK();
}
