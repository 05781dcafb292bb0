// Builds one data workbook from its manifest and the data files beside it:
//   DataWorkbookGenerator <manifest.tsv> <output workbook>
#include "data/generator/DataSheetFile.h"
#include "data/generator/WorkbookManifest.h"
#include "platform/dao/WorkbookError.h"
#include "platform/dao/WorkbookFile.h"

#include <iostream>
#include <stdexcept>

namespace
{
void FillSheet(workbook::Worksheet& sheet, const datagen::DataSheetFile& data)
{
    const std::vector<std::string>& names = data.FieldNames();
    const int columns = static_cast<int>(names.size());
    for (int c = 0; c < columns; ++c)
        sheet.SetText(0, c, names[c]);
    int row = 1;
    for (const std::vector<std::string>& fields : data.Rows())
    {
        for (int c = 0; c < columns; ++c)
        {
            if (fields[c].empty())
                continue;
            if (data.ColumnTypes()[c] == datagen::ColumnType::Number)
                sheet.SetNumber(row, c, datagen::DataSheetFile::ParseNumber(fields[c]));
            else
                sheet.SetText(row, c, fields[c]);
        }
        // A row whose cells are all empty still belongs to the table.
        sheet.ExtendUsedRange(row + 1, columns);
        ++row;
    }
}

workbook::Workbook BuildWorkbook(const datagen::WorkbookManifest& manifest)
{
    workbook::Workbook book;
    for (const datagen::WorkbookManifest::SheetEntry& entry : manifest.Sheets())
        FillSheet(book.AddSheet(entry.name), datagen::DataSheetFile::Load(entry.dataFile));
    return book;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::cerr << "usage: DataWorkbookGenerator <manifest.tsv> <output workbook>\n";
        return 2;
    }
    try
    {
        const datagen::WorkbookManifest manifest = datagen::WorkbookManifest::Load(argv[1]);
        workbook::WriteWorkbook(BuildWorkbook(manifest), argv[2]);
    }
    catch (const std::exception& error)
    {
        std::cerr << "DataWorkbookGenerator: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
