#pragma once

#include "platform/dao/DefinedName.h"
#include "platform/dao/Worksheet.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace workbook
{

// An Excel 8.0 workbook in memory: its sheets in order, the date system and the
// workbook-level names. Read it with ReadWorkbook, write it with WriteWorkbook.
class Workbook
{
public:
    int SheetCount() const { return static_cast<int>(sheets_.size()); }
    Worksheet& Sheet(int index) { return *sheets_.at(index); }
    const Worksheet& Sheet(int index) const { return *sheets_.at(index); }
    // Adds a sheet at the end; the reference stays valid while the sheet exists.
    Worksheet& AddSheet(std::string name);
    void RemoveSheet(int index);
    // Index of the sheet of that name (Czech letters folded, as Excel compares sheet names), -1 when none.
    int SheetIndex(std::string_view name) const;
    // Reorders the sheets; order holds each old index once.
    void ReorderSheets(const std::vector<int>& order);

    // Dates count from 1904-01-01 instead of 1899-12-30 (Macintosh date system).
    bool Uses1904Dates() const { return uses1904_; }
    void SetUses1904Dates(bool value) { uses1904_ = value; }

    std::vector<DefinedName>& Names() { return names_; }
    const std::vector<DefinedName>& Names() const { return names_; }
    int NameIndex(std::string_view name) const;

private:
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    std::vector<DefinedName> names_;
    bool uses1904_ = false;
};

// Case-insensitive comparison of names (sheet, name and field names), folding Czech letters too.
bool SameName(std::string_view a, std::string_view b);

} // namespace workbook
