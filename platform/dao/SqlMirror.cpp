#include "platform/dao/SqlMirror.h"

#include "platform/dao/JetError.h"
#include "platform/dao/JetSqlFunctions.h"
#include "platform/dao/SqliteStatement.h"
#include "platform/dao/SqliteValue.h"

#include <sqlite3.h>

namespace jet
{

namespace
{

const char* ColumnType(int type)
{
    if (IsTextType(type))
        return "TEXT COLLATE CZECH";
    if (type == kBoolean)
        return "INTEGER";
    return "REAL";
}

} // namespace

SqlMirror::SqlMirror()
{
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK)
        throw JetError(kErrInvalidOperation, "Nelze připravit prostředí pro dotazy.");
    RegisterJetSqlFunctions(db_);
    RequireKnownIdentifiers(db_);
}

SqlMirror::~SqlMirror()
{
    sqlite3_close(db_);
}

void SqlMirror::Fail(const std::string& sql) const
{
    ThrowSqlError(db_, sql);
}

void SqlMirror::Execute(const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK)
    {
        sqlite3_free(error);
        Fail(sql);
    }
}

void SqlMirror::Mirror(const std::string& name, const SheetTable& table, std::uint64_t revision)
{
    const auto found = mirrored_.find(name);
    if (found != mirrored_.end() && found->second == revision)
        return;
    const std::string quoted = QuotedIdentifier(name);
    Execute("DROP TABLE IF EXISTS " + quoted);
    mirrored_.erase(name);
    const std::vector<Field>& fields = table.Fields();
    std::string create = "CREATE TABLE " + quoted + " (";
    std::string insert = "INSERT INTO " + quoted + " (rowid";
    std::string values = "?";
    for (std::size_t i = 0; i < fields.size(); ++i)
    {
        create += (i ? ", " : "") + QuotedIdentifier(fields[i].name) + " " + ColumnType(fields[i].type);
        insert += ", " + QuotedIdentifier(fields[i].name);
        values += ", ?";
    }
    if (fields.empty())
        create += "\"F1\" TEXT";
    Execute(create + ")");
    Execute("BEGIN");
    try
    {
        Fill(insert + ") VALUES (" + values + ")", table);
    }
    catch (...)
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    Execute("COMMIT");
    mirrored_[name] = revision;
}

void SqlMirror::Fill(const std::string& sql, const SheetTable& table)
{
    const std::vector<Field>& fields = table.Fields();
    SqliteStatement statement;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement.stmt, nullptr) != SQLITE_OK)
        Fail(sql);
    const int records = table.RecordCount();
    for (int r = 0; r < records; ++r)
    {
        sqlite3_reset(statement.stmt);
        sqlite3_bind_int64(statement.stmt, 1, r + 1);
        for (int f = 0; f < static_cast<int>(fields.size()); ++f)
            BindValue(statement.stmt, f + 2, table.Get(r, f));
        if (sqlite3_step(statement.stmt) != SQLITE_DONE)
            Fail(sql);
    }
}

std::vector<int> SqlMirror::Records(const std::string& sql, std::vector<std::string>* columns)
{
    SqliteStatement statement;
    PrepareReadOnlyQuery(db_, sql, statement);
    if (columns)
        for (int i = 1; i < sqlite3_column_count(statement.stmt); ++i)
            columns->push_back(sqlite3_column_name(statement.stmt, i));
    std::vector<int> records;
    for (;;)
    {
        const int step = sqlite3_step(statement.stmt);
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW)
            Fail(sql);
        records.push_back(static_cast<int>(sqlite3_column_int64(statement.stmt, 0)) - 1);
    }
    return records;
}

} // namespace jet
