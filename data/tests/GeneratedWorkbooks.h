#pragma once

#include "data/generator/DataSheetFile.h"
#include "data/generator/WorkbookManifest.h"
#include "platform/dao/WorkbookFile.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The data folders and the workbooks the build generated from them.
inline const std::vector<std::string>& DataFolders()
{
    static const std::vector<std::string> folders = {"MekrOrig", "MekrData", "ZVK-9001", "ZVK-9005",
                                                     "ZVK-VYROBCI", "Sobrel-CZ", "Sobrel-EN"};
    return folders;
}

inline datagen::WorkbookManifest LoadManifest(const std::string& folder)
{
    return datagen::WorkbookManifest::Load(std::string(KALVENROD_SOURCE_DIR) + "/data/" + folder +
                                           "/manifest.tsv");
}

inline std::string GeneratedPath(const datagen::WorkbookManifest& manifest)
{
    return std::string(KALVENROD_BIN_DIR) + "/" + manifest.FileName();
}

// The generated workbook of a data folder, read once by the engine.
inline const workbook::Workbook& Generated(const std::string& folder)
{
    static std::map<std::string, workbook::Workbook> books;
    auto found = books.find(folder);
    if (found == books.end())
        found = books.emplace(folder, workbook::ReadWorkbook(GeneratedPath(LoadManifest(folder)))).first;
    return found->second;
}

// A generated sheet read as a table: row 0 holds the stored field names, data rows follow.
class SheetTable
{
public:
    SheetTable(const workbook::Workbook& book, std::string_view sheetName)
    {
        const int index = book.SheetIndex(sheetName);
        if (index < 0)
            throw std::runtime_error("no sheet " + std::string(sheetName));
        sheet_ = &book.Sheet(index);
    }

    int RowCount() const { return sheet_->RowEnd() - 1; }
    int ColumnCount() const { return sheet_->ColumnEnd(); }
    std::string FieldName(int column) const { return std::string(sheet_->TextAt(0, column)); }
    int Column(std::string_view storedName) const
    {
        for (int c = 0; c < ColumnCount(); ++c)
            if (sheet_->TextAt(0, c) == storedName)
                return c;
        throw std::runtime_error("no column " + std::string(storedName));
    }
    // Data row r (0-based) of a column given by its stored name.
    std::string Text(int r, std::string_view column) const
    {
        return std::string(sheet_->TextAt(r + 1, Column(column)));
    }
    const workbook::Cell& CellAt(int r, std::string_view column) const
    {
        return sheet_->At(r + 1, Column(column));
    }
    double Number(int r, std::string_view column) const
    {
        const workbook::Cell& cell = CellAt(r, column);
        if (cell.kind != workbook::CellKind::Number)
            throw std::runtime_error("not a number: " + std::string(column) + " row " + std::to_string(r));
        return cell.number;
    }
    bool IsEmpty(int r, std::string_view column) const { return CellAt(r, column).IsEmpty(); }
    std::set<std::string> DistinctTexts(std::string_view column) const
    {
        std::set<std::string> texts;
        for (int r = 0; r < RowCount(); ++r)
            texts.insert(Text(r, column));
        return texts;
    }

private:
    const workbook::Worksheet* sheet_ = nullptr;
};
