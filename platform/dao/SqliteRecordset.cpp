#include "platform/dao/SqliteRecordset.h"

#include "platform/dao/JetConvert.h"
#include "platform/dao/JetError.h"
#include "platform/dao/SqliteStatement.h"
#include "platform/dao/SqliteValue.h"

#include <algorithm>

namespace jet
{

SqliteRecordset::SqliteRecordset(std::shared_ptr<sqlite3> db, std::string table, std::vector<Field> tableFields,
                                 std::vector<int> fieldMap, std::vector<std::int64_t> rowids, bool updatable,
                                 std::function<std::string(const std::string&)> translateCriteria)
    : db_(std::move(db)), table_(std::move(table)), tableFields_(std::move(tableFields)),
      fieldMap_(std::move(fieldMap)), rowids_(std::move(rowids)), updatable_(updatable),
      translateCriteria_(std::move(translateCriteria))
{
    for (int index : fieldMap_)
        fields_.push_back(tableFields_[index]);
}

std::int64_t SqliteRecordset::RowId(int position) const
{
    if (position < 0 || position >= Count())
        throw JetError(kErrNoCurrentRecord, "Není vybrán žádný záznam.");
    return rowids_[position];
}

const Field& SqliteRecordset::TableField(int field) const
{
    if (field < 0 || field >= static_cast<int>(fieldMap_.size()))
        throw JetError(kErrFieldNotFound, "Sloupec č. " + std::to_string(field) + " v tabulce není.");
    return tableFields_[fieldMap_[field]];
}

Value SqliteRecordset::Get(int position, int field)
{
    return Read(position, field, false);
}

Value SqliteRecordset::GetStored(int position, int field)
{
    return Read(position, field, true);
}

void SqliteRecordset::Set(int position, int field, const Value& value)
{
    Write(position, field, CoerceValue(value, TableField(field).type));
}

void SqliteRecordset::SetStored(int position, int field, const Value& value)
{
    RequireStorable(value);
    Write(position, field, value.kind == Value::Kind::Text && value.text.empty() ? Value::Null() : value);
}

Value SqliteRecordset::Read(int position, int field, bool stored)
{
    const Field& f = TableField(field);
    const std::int64_t rowid = RowId(position);
    const std::string sql = "SELECT " + QuotedIdentifier(f.name) + " FROM " + QuotedIdentifier(table_) + " WHERE rowid = ?";
    SqliteStatement statement;
    if (sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &statement.stmt, nullptr) != SQLITE_OK)
        ThrowSqlError(db_.get(), sql);
    sqlite3_bind_int64(statement.stmt, 1, rowid);
    const int step = sqlite3_step(statement.stmt);
    if (step == SQLITE_DONE)
        throw JetError(kErrNoCurrentRecord, "Záznam byl mezitím odstraněn.");
    if (step != SQLITE_ROW)
        ThrowSqlError(db_.get(), sql);
    // As stored, a text stays a text in any column.
    if (stored && sqlite3_column_type(statement.stmt, 0) == SQLITE_TEXT)
        return ColumnValue(statement.stmt, 0, kText);
    return ColumnValue(statement.stmt, 0, f.type);
}

void SqliteRecordset::Write(int position, int field, const Value& value)
{
    if (!updatable_)
        throw JetError(kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    const Field& f = TableField(field);
    const std::int64_t rowid = RowId(position);
    const std::string sql =
        "UPDATE " + QuotedIdentifier(table_) + " SET " + QuotedIdentifier(f.name) + " = ? WHERE rowid = ?";
    SqliteStatement statement;
    if (sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &statement.stmt, nullptr) != SQLITE_OK)
        ThrowSqlError(db_.get(), sql);
    BindValue(statement.stmt, 1, value);
    sqlite3_bind_int64(statement.stmt, 2, rowid);
    if (sqlite3_step(statement.stmt) != SQLITE_DONE)
        ThrowSqlError(db_.get(), sql);
}

int SqliteRecordset::Append()
{
    if (!updatable_)
        throw JetError(kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    const std::string sql = "INSERT INTO " + QuotedIdentifier(table_) + " DEFAULT VALUES";
    if (sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        ThrowSqlError(db_.get(), sql);
    rowids_.push_back(sqlite3_last_insert_rowid(db_.get()));
    return Count() - 1;
}

std::vector<int> SqliteRecordset::Matching(const std::string& criteria)
{
    const std::string sql = translateCriteria_(criteria);
    SqliteStatement statement;
    PrepareReadOnlyQuery(db_.get(), sql, statement);
    std::vector<std::int64_t> matching;
    for (int step; (step = sqlite3_step(statement.stmt)) != SQLITE_DONE;)
    {
        if (step != SQLITE_ROW)
            ThrowSqlError(db_.get(), sql);
        matching.push_back(sqlite3_column_int64(statement.stmt, 0));
    }
    std::sort(matching.begin(), matching.end());
    std::vector<int> positions;
    for (int p = 0; p < Count(); ++p)
        if (std::binary_search(matching.begin(), matching.end(), rowids_[p]))
            positions.push_back(p);
    return positions;
}

} // namespace jet
