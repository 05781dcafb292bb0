#pragma once

#include "platform/dao/JetDatabase.h"

#include <memory>

struct sqlite3;

namespace jet
{

// A database file (an "Access" database here) kept as an SQLite file. Field types are kept in
// the declared column types (VARCHAR(n), LONGTEXT, DOUBLE, CURRENCY, DATETIME, BIT ...);
// text columns compare with the Czech collation. Every write reaches the file at once.
class SqliteDatabase : public Database
{
public:
    SqliteDatabase(const std::string& path, bool readOnly, bool create);
    ~SqliteDatabase() override;

    std::vector<std::string> TableNames() override;
    std::unique_ptr<Recordset> Open(const std::string& sql) override;
    std::vector<Field> QueryFields(const std::string& sql) override;
    void CreateTable(const std::string& name, const std::vector<Field>& fields) override;
    void DeleteTable(const std::string& name) override;
    void RenameTable(const std::string& oldName, const std::string& newName) override;
    void Flush() override;
    void DiscardChanges() override;
    void Close() override;

private:
    void Execute(const std::string& sql);
    sqlite3* Connection() const;

    std::shared_ptr<sqlite3> db_;
    bool readOnly_;
};

} // namespace jet
