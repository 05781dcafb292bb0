#pragma once

#include "platform/dao/JetRecordset.h"
#include "platform/dao/WorkbookSession.h"

#include <memory>

namespace jet
{

// The rows of a query on a workbook table: each position names a record of the table.
class WorkbookRecordset : public Recordset
{
public:
    WorkbookRecordset(std::shared_ptr<WorkbookSession> session, WorkbookSession::QueryRows rows, bool updatable);

    const std::vector<Field>& Fields() const override { return fields_; }
    int Count() const override { return static_cast<int>(records_.size()); }
    bool IsUpdatable() const override { return updatable_; }
    Value Get(int position, int field) override;
    void Set(int position, int field, const Value& value) override;
    Value GetStored(int position, int field) override;
    void SetStored(int position, int field, const Value& value) override;
    int Append() override;
    std::vector<int> Matching(const std::string& criteria) override;

private:
    SheetTable& Table();
    int Record(int position) const;
    int TableField(int field) const;

    std::shared_ptr<WorkbookSession> session_;
    WorkbookSession::TableRef table_;
    std::vector<int> records_;
    std::vector<int> fieldMap_;
    std::vector<Field> fields_;
    std::unique_ptr<SheetTable> sheetTable_;
    bool updatable_;
};

} // namespace jet
