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

SqliteRecordset::~SqliteRecordset() = default;

namespace
{
constexpr int kLargestBlock = 64;
}

Value SqliteRecordset::Read(int position, int field, bool stored)
{
    TableField(field);
    RowId(position);
    const bool inBlock = position >= blockFirst_ && position < blockFirst_ + static_cast<int>(block_.size());
    if (!inBlock || blockStored_ != stored || blockChanges_ != SqliteChangeCount())
        ReadBlock(position, stored);
    const std::size_t row = static_cast<std::size_t>(position - blockFirst_);
    if (!blockFound_[row])
        throw JetError(kErrNoCurrentRecord, "Záznam byl mezitím odstraněn.");
    return block_[row][static_cast<std::size_t>(field)];
}

std::vector<std::int64_t> SqliteRecordset::BlockRowIds(int position) const
{
    const int end = std::min(Count(), position + blockRows_);
    std::vector<std::int64_t> rowids(rowids_.begin() + position, rowids_.begin() + end);
    const auto [low, high] = std::minmax_element(rowids.begin(), rowids.end());
    if (*high - *low >= 4 * kLargestBlock)
        rowids.resize(1);
    return rowids;
}

void SqliteRecordset::ReadBlock(int position, bool stored)
{
    const std::uint64_t changes = SqliteChangeCount();
    const bool readingOn = changes == blockChanges_ && blockStored_ == stored &&
                           position == blockFirst_ + static_cast<int>(block_.size());
    blockRows_ = readingOn ? std::min(2 * blockRows_, kLargestBlock) : 1;
    block_.clear();
    blockFound_.clear();
    sqlite3* db = db_.get();
    if (!rangeStatement_)
    {
        std::string sql = "SELECT rowid";
        for (const Field& field : fields_)
            sql += ", " + QuotedIdentifier(field.name);
        sql += " FROM " + QuotedIdentifier(table_) + " WHERE rowid BETWEEN ? AND ?";
        auto statement = std::make_unique<SqliteStatement>();
        if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement->stmt, nullptr) !=
            SQLITE_OK)
            ThrowSqlError(db, sql);
        rangeStatement_ = std::move(statement);
    }
    sqlite3_stmt* statement = rangeStatement_->stmt;
    // Reset at once after the rows: a statement left stepping would hold the file's read lock.
    struct Reset
    {
        sqlite3_stmt* statement;
        ~Reset() { sqlite3_reset(statement); }
    } reset{statement};
    const std::vector<std::int64_t> rowids = BlockRowIds(position);
    const auto [low, high] = std::minmax_element(rowids.begin(), rowids.end());
    const std::int64_t first = *low;
    sqlite3_bind_int64(statement, 1, first);
    sqlite3_bind_int64(statement, 2, *high);
    std::vector<std::vector<Value>> byRowId(static_cast<std::size_t>(*high - first + 1));
    std::vector<bool> found(byRowId.size());
    for (int step; (step = sqlite3_step(statement)) != SQLITE_DONE;)
    {
        if (step != SQLITE_ROW)
            ThrowSqlError(db, sqlite3_sql(statement));
        const std::size_t slot = static_cast<std::size_t>(sqlite3_column_int64(statement, 0) - first);
        std::vector<Value>& values = byRowId[slot];
        for (std::size_t i = 0; i < fields_.size(); ++i)
        {
            const int column = static_cast<int>(i) + 1;
            // As stored, a text stays a text in any column.
            const bool text = stored && sqlite3_column_type(statement, column) == SQLITE_TEXT;
            values.push_back(ColumnValue(statement, column, text ? kText : fields_[i].type));
        }
        found[slot] = true;
    }
    for (const std::int64_t rowid : rowids)
    {
        const std::size_t slot = static_cast<std::size_t>(rowid - first);
        block_.push_back(byRowId[slot]);
        blockFound_.push_back(found[slot]);
    }
    blockFirst_ = position;
    blockStored_ = stored;
    blockChanges_ = changes;
}

void SqliteRecordset::Write(int position, int field, const Value& value)
{
    NoteSqliteChange();
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
    NoteSqliteChange();
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
