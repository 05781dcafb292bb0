#pragma once

#include "platform/dao/JetDatabase.h"
#include "platform/dao/WorkbookSession.h"

#include <memory>

namespace jet
{

// A workbook seen as a database, as the Excel driver of Jet shows it: each sheet a table
// "<sheet>$", each name of a range a table "<name>". Changes go to the shared in-memory
// workbook; the file is written when the last writer closes.
class WorkbookDatabase : public Database
{
public:
    WorkbookDatabase(const std::string& path, bool readOnly, bool create);
    ~WorkbookDatabase() override;

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
    void RequireOpen() const;
    void RequireWritable() const;

    std::shared_ptr<WorkbookSession> session_;
    bool readOnly_;
    bool closed_ = false;
};

} // namespace jet
