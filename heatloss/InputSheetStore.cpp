#include "heatloss/InputSheetStore.h"

#include "common/ProjectSheetStore.h"
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
    bool written = true;
    for (int column = 0; column < columns; ++column)
        if (!texts[column].IsEmpty())
            written = data.SetStringValue(column, texts[column], row) && written;
    return written;
}
} // namespace

int SaveInputSheet(const std::vector<InputSheetTexts>& rows)
{
    ProjectSheetStore store(InputSheet::TableName());
    if (!store.Begin())
        return 0;
    for (const InputSheetTexts& texts : rows)
        if (!AppendRow(store.Table(), texts))
        {
            store.Refuse();
            break;
        }
    return store.Put() ? 1 : 0;
}
