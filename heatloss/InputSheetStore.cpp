#include "heatloss/InputSheetStore.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "common/RecreateProjectSheet.h"
#include "datalib/CData.h"
#include "heatloss/InputSheet.h"

namespace
{
bool AppendRow(CData& data, const InputSheetTexts& texts)
{
    if (!data.AddRow())
        return false;
    const int row = data.m_nRecordCount - 1;
    const int columns = std::min(int(texts.size()), data.m_nColCount);
    for (int column = 0; column < columns; ++column)
        if (!texts[column].IsEmpty())
            data.SetStringValue(column, texts[column], row);
    return true;
}
} // namespace

int SaveInputSheet(const std::vector<InputSheetTexts>& rows)
{
    const CString sheet = InputSheet::TableName();
    if (RecreateProjectSheet(sheet) != 0)
        return 0;
    CData data;
    if (OpenWorkbookTable(data, AppSettings::Get().CurrentProjectPath(), sheet, "") < 0)
        return 0;
    bool written = true;
    for (const InputSheetTexts& texts : rows)
        written = AppendRow(data, texts) && written;
    data.CloseTable();
    data.Close();
    return written ? 1 : 0;
}
