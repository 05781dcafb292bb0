#pragma once
// A folder of table files seen as a read-only database: dBASE III (".dbf" tables named by
// their base name) or delimited text (".csv" and ".txt" tables named by their file name).
// Queries are "SELECT * FROM [table]".

#include "platform/dao/JetDatabase.h"

#include <map>
#include <string>

namespace jet
{

class TableFolderDatabase : public Database
{
public:
    enum class Kind
    {
        Dbase,
        Text
    };
    TableFolderDatabase(const std::string& folder, Kind kind);

    std::vector<std::string> TableNames() override;
    std::unique_ptr<Recordset> Open(const std::string& sql) override;
    std::vector<Field> QueryFields(const std::string& sql) override;
    void CreateTable(const std::string& name, const std::vector<Field>& fields) override;
    void DeleteTable(const std::string& name) override;
    void RenameTable(const std::string& oldName, const std::string& newName) override;
    void Flush() override {}
    void DiscardChanges() override {}
    void Close() override {}

    struct Table
    {
        std::vector<Field> fields;
        std::vector<std::vector<Value>> rows;
    };

private:
    // The file of a table name (case-insensitive), "" when there is none.
    std::string FileOf(const std::string& name) const;
    const Table& Load(const std::string& sql);

    std::string folder_;
    Kind kind_;
    std::vector<std::string> names_;
    std::map<std::string, std::string> files_;
    std::map<std::string, Table> loaded_;
};

// The folder a connect string names: the path, or the "Database=" part when the path is empty.
std::string TableFolderOf(const std::string& path, const std::string& connect);

} // namespace jet
