#include "XlrdSheet.h"

#include "platform/dao/tests/DebianPython.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace XlrdSheet
{
std::vector<Row> Rows(const std::string& workbook, const std::string& sheetName)
{
    const std::string json =
        RunPython(R"(
import json, sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name(sys.argv[2])
names = [str(c.value) for c in sheet.row(0)]
rows = []
for r in range(1, sheet.nrows):
    row = {}
    for c, cell in enumerate(sheet.row(r)):
        if cell.ctype == xlrd.XL_CELL_EMPTY or cell.value == "":
            continue
        row[names[c]] = repr(cell.value) if cell.ctype == xlrd.XL_CELL_NUMBER else str(cell.value)
    rows.append(row)
print(json.dumps(rows))
)",
                  QStringList{QString::fromStdString(workbook), QString::fromStdString(sheetName)});
    std::vector<Row> rows;
    for (const QJsonValue& value : QJsonDocument::fromJson(QByteArray::fromStdString(json)).array())
    {
        Row row;
        const QJsonObject object = value.toObject();
        for (auto cell = object.begin(); cell != object.end(); ++cell)
            row[cell.key().toStdString()] = cell.value().toString().toStdString();
        rows.push_back(row);
    }
    return rows;
}

std::string Cell(const Row& row, const std::string& column)
{
    const auto found = row.find(column);
    return found == row.end() ? std::string() : found->second;
}
} // namespace XlrdSheet
