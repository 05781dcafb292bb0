#pragma once

#include "platform/dao/JetRecordset.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace jet
{

struct SqliteStatement;

// The rows of a query on a table of a database file, each named by its rowid.
class SqliteRecordset : public Recordset
{
public:
    SqliteRecordset(std::shared_ptr<sqlite3> db, std::string table, std::vector<Field> tableFields,
                    std::vector<int> fieldMap, std::vector<std::int64_t> rowids, bool updatable,
                    std::function<std::string(const std::string&)> translateCriteria);
    ~SqliteRecordset() override;

    const std::vector<Field>& Fields() const override { return fields_; }
    int Count() const override { return static_cast<int>(rowids_.size()); }
    bool IsUpdatable() const override { return updatable_; }
    Value Get(int position, int field) override;
    void Set(int position, int field, const Value& value) override;
    Value GetStored(int position, int field) override;
    void SetStored(int position, int field, const Value& value) override;
    int Append() override;
    std::vector<int> Matching(const std::string& criteria) override;

private:
    std::int64_t RowId(int position) const;
    Value Read(int position, int field, bool stored);
    // Reads the rows from position on (a block that grows while the reading goes on row by row
    // and nothing changes) in one query, each row whole.
    void ReadBlock(int position, bool stored);
    // The rowids of the block from position on, fewer when they lie far apart.
    std::vector<std::int64_t> BlockRowIds(int position) const;
    void Write(int position, int field, const Value& value);
    const Field& TableField(int field) const;

    std::shared_ptr<sqlite3> db_;
    std::string table_;
    std::vector<Field> tableFields_;
    std::vector<int> fieldMap_;
    std::vector<Field> fields_;
    std::vector<std::int64_t> rowids_;
    bool updatable_;
    std::function<std::string(const std::string&)> translateCriteria_;
    // Finalized before the connection is let go (members end in reverse order).
    std::unique_ptr<SqliteStatement> rangeStatement_;
    // The rows read last: from blockFirst_ on, empty for a row gone, good while no change is
    // made after blockChanges_.
    int blockFirst_ = 0;
    int blockRows_ = 1;
    bool blockStored_ = false;
    std::uint64_t blockChanges_ = 0;
    std::vector<std::vector<Value>> block_;
    std::vector<bool> blockFound_;
};

} // namespace jet
