#pragma once

#include "platform/dao/SheetTable.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct sqlite3;

namespace jet
{

// Copies of workbook tables in an in-memory SQLite database, so that SQLite runs the queries.
// Each row keeps its record index as rowid (record + 1). A copy is made again when the
// workbook changed since it was made.
class SqlMirror
{
public:
    SqlMirror();
    ~SqlMirror();
    SqlMirror(const SqlMirror&) = delete;
    SqlMirror& operator=(const SqlMirror&) = delete;

    void Mirror(const std::string& name, const SheetTable& table, std::uint64_t revision);
    // Runs a statement whose first column is the rowid; returns the records in result order and
    // the names of the other result columns.
    std::vector<int> Records(const std::string& sql, std::vector<std::string>* columns);

private:
    void Execute(const std::string& sql);
    void Fill(const std::string& insert, const SheetTable& table);
    [[noreturn]] void Fail(const std::string& sql) const;

    sqlite3* db_ = nullptr;
    std::map<std::string, std::uint64_t> mirrored_;
};

} // namespace jet
