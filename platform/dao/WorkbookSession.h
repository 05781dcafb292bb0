#pragma once

#include "platform/dao/SheetTable.h"
#include "platform/dao/SqlMirror.h"
#include "platform/dao/WorkbookDocument.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jet
{

// What a workbook database and its record sets share: the in-memory workbook, the SQLite
// copies its queries run on, and the rules that name its tables.
class WorkbookSession
{
public:
    explicit WorkbookSession(std::shared_ptr<WorkbookDocument> document) : document_(std::move(document)) {}

    WorkbookDocument& Document() { return *document_; }
    workbook::Workbook& Book() { return document_->Book(); }

    struct TableRef
    {
        int sheet = -1;
        int name = -1;
        std::string canonical;
    };
    // The table a name in SQL refers to ("Data$", "'Moje data$'", a range name); nullopt when none.
    std::optional<TableRef> Resolve(const std::string& written) const;
    TableRef ResolveOrThrow(const std::string& written) const;
    SheetTable TableOf(const TableRef& ref);

    struct QueryRows
    {
        TableRef table;
        std::vector<int> records;
        std::vector<int> fields; // the table's field index of each result column
    };
    // Runs a SELECT on the main table of the statement.
    QueryRows Run(const std::string& sql);
    // The records of a table that meet an SQL condition.
    std::vector<int> Matching(const TableRef& table, const std::string& criteria);

private:
    std::string Translate(const std::string& sql, std::vector<TableRef>& tables);

    std::shared_ptr<WorkbookDocument> document_;
    SqlMirror mirror_;
};

} // namespace jet
