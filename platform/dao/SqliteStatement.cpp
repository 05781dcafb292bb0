#include "platform/dao/SqliteStatement.h"

#include "platform/dao/JetError.h"

#include <atomic>
#include <cctype>

namespace jet
{

void ThrowSqlError(sqlite3* db, const std::string& sql)
{
    const std::string message = sqlite3_errmsg(db);
    const int code = sqlite3_errcode(db) & 0xFF;
    if (code == SQLITE_READONLY)
        throw JetError(kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    if (message.find("no such column") != std::string::npos)
        throw JetError(kErrTooFewParameters, "Dotaz uvádí neznámý sloupec (" + message + "): " + sql);
    if (message.find("no such table") != std::string::npos)
        throw JetError(kErrObjectNotFound, "Dotaz uvádí neznámou tabulku (" + message + "): " + sql);
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        throw JetError(kErrUnrecognizedFormat, "Soubor není databáze nebo je poškozen.");
    if (code == SQLITE_IOERR || code == SQLITE_FULL || code == SQLITE_CANTOPEN)
        throw JetError(kErrDiskIo, "Chyba při čtení nebo zápisu databáze (" + message + ").");
    throw JetError(kErrSyntax, "Chyba syntaxe v dotazu (" + message + "): " + sql);
}

namespace
{
// What a query may do while it is prepared: read tables and call functions.
int ReadOnlyAuthorizer(void*, int action, const char*, const char*, const char*, const char*)
{
    switch (action)
    {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        return SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

bool OnlyEndFollows(const char* tail)
{
    for (; tail && *tail; ++tail)
        if (*tail != ';' && !std::isspace(static_cast<unsigned char>(*tail)))
            return false;
    return true;
}

} // namespace

void RefuseQuery(const std::string& sql)
{
    throw JetError(kErrInvalidOperation, "Dotaz smí data jen číst (jeden příkaz SELECT): " + sql);
}

void PrepareReadOnlyQuery(sqlite3* db, const std::string& sql, SqliteStatement& statement)
{
    const char* tail = nullptr;
    sqlite3_set_authorizer(db, ReadOnlyAuthorizer, nullptr);
    const int prepared = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement.stmt, &tail);
    sqlite3_set_authorizer(db, nullptr, nullptr);
    if (prepared == SQLITE_AUTH)
        RefuseQuery(sql);
    if (prepared != SQLITE_OK)
        ThrowSqlError(db, sql);
    if (!statement.stmt || !OnlyEndFollows(tail) || !sqlite3_stmt_readonly(statement.stmt))
        RefuseQuery(sql);
}

namespace
{
std::atomic<std::uint64_t> changeCount{0};
}

std::uint64_t SqliteChangeCount()
{
    return changeCount.load();
}

void NoteSqliteChange()
{
    ++changeCount;
}

void RequireKnownIdentifiers(sqlite3* db)
{
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
}

std::string QuotedIdentifier(const std::string& name)
{
    std::string out = "\"";
    for (char c : name)
    {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

} // namespace jet
