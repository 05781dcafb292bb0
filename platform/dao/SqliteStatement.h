#pragma once

#include <sqlite3.h>

#include <string>

namespace jet
{

// A prepared statement that finalizes itself.
struct SqliteStatement
{
    sqlite3_stmt* stmt = nullptr;
    SqliteStatement() = default;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement() { sqlite3_finalize(stmt); }
};

// The database error of SQLite's last failure: 3061 for an unknown column, 3011 for an
// unknown table, 3027 for a read-only database, 3075 for the rest.
[[noreturn]] void ThrowSqlError(sqlite3* db, const std::string& sql);

// "name" as an SQL identifier.
std::string QuotedIdentifier(const std::string& name);

} // namespace jet
