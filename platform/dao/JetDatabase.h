#pragma once

#include "platform/dao/JetField.h"
#include "platform/dao/JetRecordset.h"

#include <memory>
#include <string>
#include <vector>

namespace jet
{

// An open database: a workbook ("Excel 8.0") or an SQLite file (an "Access" database here).
class Database
{
public:
    virtual ~Database() = default;
    // The names of the tables, in the order the engine reports them.
    virtual std::vector<std::string> TableNames() = 0;
    // Runs a query and opens its rows as a dynaset.
    virtual std::unique_ptr<Recordset> Open(const std::string& sql) = 0;
    // The fields a query gives, without keeping its rows.
    virtual std::vector<Field> QueryFields(const std::string& sql) = 0;
    virtual void CreateTable(const std::string& name, const std::vector<Field>& fields) = 0;
    virtual void DeleteTable(const std::string& name) = 0;
    virtual void RenameTable(const std::string& oldName, const std::string& newName) = 0;
    // Written data reach the file now (may throw); nothing to do when nothing waits.
    virtual void Flush() = 0;
    // Forgets the changes that have not reached the file yet: the file stays as it was.
    virtual void DiscardChanges() = 0;
    // Ends the work: written data reach the file (may throw). Safe to call twice.
    virtual void Close() = 0;
};

// Opens (or, with create, creates) a database by its connect string: empty or exactly "Access"
// an SQLite file, "Excel 8.0" (with optional ";..." parts) a workbook; any other driver throws 3170.
std::unique_ptr<Database> OpenDatabase(const std::string& path, const std::string& connect, bool readOnly,
                                       bool create);

} // namespace jet
