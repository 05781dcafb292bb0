#include "platform/dao/SqliteStatement.h"

#include "platform/dao/JetError.h"

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
