#pragma once

#include <sqlite3.h>

#include <cstdint>
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

// Prepares a query that only reads: one SELECT and nothing after it (a ';' may end it), no
// statement that changes data or the connection (ATTACH, PRAGMA, VACUUM, ...). Anything else
// is refused with a database error before it runs.
void PrepareReadOnlyQuery(sqlite3* db, const std::string& sql, SqliteStatement& statement);
// The database error of a statement that does more than read.
[[noreturn]] void RefuseQuery(const std::string& sql);

// Switches off SQLite's reading of an unknown "name" as a text, so that every quoted
// identifier must name something.
void RequireKnownIdentifiers(sqlite3* db);

// A count of the changes made to any database file of the program (rows, tables), raised by
// every write: rows read before it changed may be out of date.
std::uint64_t SqliteChangeCount();
void NoteSqliteChange();

// "name" as an SQL identifier.
std::string QuotedIdentifier(const std::string& name);

} // namespace jet
