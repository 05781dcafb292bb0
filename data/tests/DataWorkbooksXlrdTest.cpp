// An independent reader, Debian's python3-xlrd, reads every generated workbook and finds
// the same sheets, field names and cells as the data files hold.
#include "GeneratedWorkbooks.h"
#include "platform/dao/tests/DebianPython.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace
{

const char* const kXlrdDump = R"(
import json, sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
out = []
for sheet in book.sheets():
    rows = []
    for r in range(sheet.nrows):
        rows.append([[sheet.cell_type(r, c), sheet.cell_value(r, c)] for c in range(sheet.ncols)])
    out.append({'name': sheet.name, 'rows': rows})
print(json.dumps(out))
)";

TEST(DataWorkbooksXlrdTest, XlrdReadsEveryWorkbookAsItsDataFiles)
{
    for (const std::string& folder : DataFolders())
    {
        SCOPED_TRACE(folder);
        const datagen::WorkbookManifest manifest = LoadManifest(folder);
        const QJsonArray sheets =
            QJsonDocument::fromJson(QByteArray::fromStdString(RunPython(
                                        kXlrdDump, {QString::fromStdString(GeneratedPath(manifest))})))
                .array();
        ASSERT_EQ(sheets.size(), static_cast<int>(manifest.Sheets().size()));
        for (int s = 0; s < sheets.size(); ++s)
        {
            const QJsonObject sheet = sheets[s].toObject();
            const datagen::WorkbookManifest::SheetEntry& entry = manifest.Sheets()[s];
            SCOPED_TRACE(entry.name);
            EXPECT_EQ(sheet["name"].toString().toStdString(), entry.name);
            const datagen::DataSheetFile data = datagen::DataSheetFile::Load(entry.dataFile);
            const QJsonArray rows = sheet["rows"].toArray();
            ASSERT_EQ(rows.size(), static_cast<int>(data.Rows().size()) + 1);
            const QJsonArray header = rows[0].toArray();
            ASSERT_EQ(header.size(), static_cast<int>(data.FieldNames().size()));
            for (int c = 0; c < header.size(); ++c)
                EXPECT_EQ(header[c].toArray()[1].toString().toStdString(), data.FieldNames()[c]);
            for (int r = 0; r < static_cast<int>(data.Rows().size()); ++r)
            {
                const QJsonArray cells = rows[r + 1].toArray();
                for (int c = 0; c < static_cast<int>(data.FieldNames().size()); ++c)
                {
                    const std::string& field = data.Rows()[r][c];
                    const QJsonArray cell = cells[c].toArray();
                    const int type = cell[0].toInt();
                    if (field.empty())
                        EXPECT_TRUE(type == 0 || type == 6) << "row " << r << " column " << c;
                    else if (data.ColumnTypes()[c] == datagen::ColumnType::Number)
                    {
                        EXPECT_EQ(type, 2);
                        EXPECT_DOUBLE_EQ(cell[1].toDouble(), datagen::DataSheetFile::ParseNumber(field));
                    }
                    else
                    {
                        EXPECT_EQ(type, 1);
                        EXPECT_EQ(cell[1].toString().toStdString(), field);
                    }
                }
            }
        }
    }
}

} // namespace
