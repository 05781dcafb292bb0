#include "common/OpenWorkbookTable.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "datalib/CData.h"
#include "platform/core/MessageBox.h"

void ShowWorkbookProblem(UINT textId, const CString& name, UINT icon)
{
    CString format;
    format.LoadString(textId);
    CString text;
    text.Format(format, name.GetString());
    CString caption = AppSettings::Get().ErrorCaption();
    if (caption.IsEmpty())
        caption.LoadString(IDS_CAPTION_ERROR);
    MessageBox(nullptr, text, caption, MB_OK | icon);
}

int OpenWorkbookTable(CData& data, const CString& path, const CString& table, const CString& sql)
{
    data.m_bShowErrors = 1;
    if (!data.Open(path, "Excel 8.0", 0, 0))
    {
        ShowWorkbookProblem(IDS_FILE_PROBLEM, path, MB_ICONSTOP);
        return -1;
    }
    if (!data.OpenTable(table, sql, 0))
    {
        data.Close();
        ShowWorkbookProblem(IDS_TABLE_PROBLEM, table, MB_ICONSTOP);
        return -2;
    }
    return 0;
}
