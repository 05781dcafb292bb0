#include "platform/dao/SqliteDatabase.h"

#include "platform/dao/JetError.h"
#include "platform/dao/JetSqlFunctions.h"
#include "platform/dao/SqlTranslator.h"
#include "platform/dao/SqliteRecordset.h"
#include "platform/dao/SqliteStatement.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cctype>

namespace jet
{

namespace
{

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The declared column type that keeps a DAO field type in the file.
std::string DeclaredType(const Field& field)
{
    switch (field.type)
    {
    case kBoolean:
        return "BIT";
    case kByte:
        return "TINYINT";
    case kInteger:
        return "SMALLINT";
    case kLong:
        return "INTEGER";
    case kCurrency:
        return "CURRENCY";
    case kSingle:
        return "FLOAT";
    case kDouble:
        return "DOUBLE";
    case kDate:
        return "DATETIME";
    case kMemo:
        return "LONGTEXT COLLATE CZECH";
    default:
        return "VARCHAR(" + std::to_string(field.size > 0 ? field.size : 255) + ") COLLATE CZECH";
    }
}

// The DAO field of a declared column type (also for files made by other programs).
Field FieldOf(const std::string& name, const std::string& declared)
{
    const std::string type = Upper(declared);
    Field field{name, kText, 255, std::nullopt};
    const auto is = [&](const char* word) { return type.rfind(word, 0) == 0; };
    if (is("VARCHAR"))
    {
        const std::size_t open = type.find('(');
        field.size = open == std::string::npos ? 255 : std::max(1, std::atoi(type.c_str() + open + 1));
    }
    else if (is("LONGTEXT"))
        field.type = kMemo;
    else if (is("BIT"))
        field.type = kBoolean;
    else if (is("TINYINT"))
        field.type = kByte;
    else if (is("SMALLINT"))
        field.type = kInteger;
    else if (is("CURRENCY"))
        field.type = kCurrency;
    else if (is("FLOAT"))
        field.type = kSingle;
    else if (is("DATETIME"))
        field.type = kDate;
    else if (type.find("INT") != std::string::npos)
        field.type = kLong;
    else if (type.find("REAL") != std::string::npos || type.find("DOUB") != std::string::npos ||
             type.find("NUMERIC") != std::string::npos || type.find("DECIMAL") != std::string::npos)
        field.type = kDouble;
    else if (type.find("TEXT") == std::string::npos && type.find("CHAR") == std::string::npos &&
             type.find("CLOB") == std::string::npos && !type.empty())
        field.type = kMemo; // blobs and other kinds: shown as long text
    field.size = field.type == kText ? field.size : DefaultFieldSize(field.type);
    return field;
}

std::vector<std::string> TablesOf(sqlite3* db)
{
    const std::string sql = "SELECT name FROM sqlite_master WHERE type = 'table' AND substr(name, 1, 7) <> 'sqlite_'";
    SqliteStatement statement;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement.stmt, nullptr) != SQLITE_OK)
        ThrowSqlError(db, sql);
    std::vector<std::string> names;
    while (sqlite3_step(statement.stmt) == SQLITE_ROW)
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement.stmt, 0)));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return CompareCzech(a, b) < 0; });
    return names;
}

// The stored name of a table, whatever the case it was written in; empty when there is none.
std::string FindTable(sqlite3* db, const std::string& written)
{
    for (const std::string& name : TablesOf(db))
        if (CompareCzech(name, written) == 0)
            return name;
    return {};
}

std::string ResolveTable(sqlite3* db, const std::string& written)
{
    const std::string name = FindTable(db, written);
    if (name.empty())
        throw JetError(kErrObjectNotFound, "Tabulka nebo objekt „" + written + "“ nebyl nalezen.");
    return name;
}

// The fields of a table, from its declared column types.
std::vector<Field> FieldsOf(sqlite3* db, const std::string& table)
{
    const std::string sql = "PRAGMA table_info(" + QuotedIdentifier(table) + ")";
    SqliteStatement statement;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement.stmt, nullptr) != SQLITE_OK)
        ThrowSqlError(db, sql);
    std::vector<Field> fields;
    while (sqlite3_step(statement.stmt) == SQLITE_ROW)
    {
        const auto text = [&](int column) {
            const unsigned char* value = sqlite3_column_text(statement.stmt, column);
            return std::string(value ? reinterpret_cast<const char*>(value) : "");
        };
        fields.push_back(FieldOf(text(1), text(2)));
    }
    return fields;
}

int FieldTypeIn(const std::vector<std::vector<Field>>& tables, const std::string& field)
{
    for (const std::vector<Field>& fields : tables)
        for (const Field& f : fields)
            if (CompareCzech(f.name, field) == 0)
                return f.type;
    return -1;
}

// Jet SQL of the connection's tables as SQLite SQL whose first column is the rowid.
std::string TranslateFor(sqlite3* db, const SqlTranslator& translator, std::vector<std::string>& tables,
                         std::vector<std::vector<Field>>& fields)
{
    for (const std::string& written : translator.Tables())
    {
        tables.push_back(ResolveTable(db, written));
        fields.push_back(FieldsOf(db, tables.back()));
    }
    return translator.Translate([db](const std::string& written) { return ResolveTable(db, written); },
                                [&](const std::string& field) { return FieldTypeIn(fields, field); }, true);
}

} // namespace

SqliteDatabase::SqliteDatabase(const std::string& path, bool readOnly, bool create) : readOnly_(readOnly)
{
    const bool exists = QFileInfo::exists(QString::fromStdString(path));
    if (create && exists)
        throw JetError(kErrDatabaseExists, "Databáze " + path + " již existuje.");
    if (!create && !exists)
        throw JetError(kErrFileNotFound, "Soubor " + path + " nebyl nalezen.");
    const int flags = readOnly ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0));
    sqlite3* db = nullptr;
    const int result = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    db_.reset(db, [](sqlite3* p) { sqlite3_close(p); });
    if (result != SQLITE_OK)
        ThrowSqlError(db, "");
    RegisterJetSqlFunctions(db);
    RequireKnownIdentifiers(db);
    sqlite3_busy_timeout(db, 2000);
    // Reading the schema tells a database from any other file.
    Execute("SELECT count(*) FROM sqlite_master");
    // Each change is its own transaction (values are written cell by cell): a write-ahead log
    // keeps them safe without waiting for the disk at every one.
    if (!readOnly)
        Execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL");
}

SqliteDatabase::~SqliteDatabase() = default;

sqlite3* SqliteDatabase::Connection() const
{
    if (!db_)
        throw JetError(kErrInvalidOperation, "Databáze je zavřena.");
    return db_.get();
}

void SqliteDatabase::Execute(const std::string& sql)
{
    NoteSqliteChange();
    if (sqlite3_exec(Connection(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        ThrowSqlError(Connection(), sql);
}

std::vector<std::string> SqliteDatabase::TableNames()
{
    return TablesOf(Connection());
}

std::unique_ptr<Recordset> SqliteDatabase::Open(const std::string& sql)
{
    sqlite3* db = Connection();
    std::vector<std::string> tables;
    std::vector<std::vector<Field>> fieldsOf;
    const std::string translated = TranslateFor(db, SqlTranslator(sql), tables, fieldsOf);
    SqliteStatement statement;
    PrepareReadOnlyQuery(db, translated, statement);
    const std::vector<Field>& tableFields = fieldsOf.front();
    std::vector<int> fieldMap;
    for (int i = 1; i < sqlite3_column_count(statement.stmt); ++i)
    {
        const std::string column = sqlite3_column_name(statement.stmt, i);
        const auto found = std::find_if(tableFields.begin(), tableFields.end(),
                                        [&](const Field& f) { return CompareCzech(f.name, column) == 0; });
        if (found == tableFields.end())
            throw JetError(kErrSyntax, "Dotaz smí vybírat jen sloupce tabulky „" + tables.front() + "“; sloupec „" +
                                           column + "“ v ní není.");
        fieldMap.push_back(static_cast<int>(found - tableFields.begin()));
    }
    std::vector<std::int64_t> rowids;
    for (int step; (step = sqlite3_step(statement.stmt)) != SQLITE_DONE;)
    {
        if (step != SQLITE_ROW)
            ThrowSqlError(db, translated);
        rowids.push_back(sqlite3_column_int64(statement.stmt, 0));
    }
    const std::string main = tables.front();
    // The record set may outlive this object: it keeps the connection, not the database.
    std::shared_ptr<sqlite3> connection = db_;
    auto translateCriteria = [connection, main](const std::string& criteria) {
        std::vector<std::string> referenced;
        std::vector<std::vector<Field>> fields;
        return TranslateFor(connection.get(), SqlTranslator("SELECT * FROM " + BracketedName(main) + " WHERE " + criteria),
                            referenced, fields);
    };
    return std::make_unique<SqliteRecordset>(db_, main, tableFields, std::move(fieldMap), std::move(rowids), !readOnly_,
                                             translateCriteria);
}

std::vector<Field> SqliteDatabase::QueryFields(const std::string& sql)
{
    return Open(sql)->Fields();
}

void SqliteDatabase::CreateTable(const std::string& name, const std::vector<Field>& fields)
{
    if (readOnly_)
        throw JetError(kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    if (name.empty() || !FindTable(Connection(), name).empty())
        throw JetError(kErrTableExists, "Tabulka „" + name + "“ již existuje.");
    if (fields.empty())
        throw JetError(kErrInvalidOperation, "Tabulka „" + name + "“ musí mít alespoň jeden sloupec.");
    std::string sql = "CREATE TABLE " + QuotedIdentifier(name) + " (";
    for (std::size_t i = 0; i < fields.size(); ++i)
        sql += (i ? ", " : "") + QuotedIdentifier(fields[i].name) + " " + DeclaredType(fields[i]);
    Execute(sql + ")");
}

void SqliteDatabase::DeleteTable(const std::string& name)
{
    if (readOnly_)
        throw JetError(kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    Execute("DROP TABLE " + QuotedIdentifier(ResolveTable(Connection(), name)));
}

void SqliteDatabase::RenameTable(const std::string& oldName, const std::string& newName)
{
    if (readOnly_)
        throw JetError(kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    const std::string table = ResolveTable(Connection(), oldName);
    if (newName.empty() || !FindTable(Connection(), newName).empty())
        throw JetError(kErrTableExists, "Tabulka „" + newName + "“ již existuje.");
    Execute("ALTER TABLE " + QuotedIdentifier(table) + " RENAME TO " + QuotedIdentifier(newName));
}

// Every change is committed at once; a checkpoint moves the log into the file itself.
void SqliteDatabase::Flush()
{
    if (!readOnly_)
        Execute("PRAGMA wal_checkpoint(FULL)");
}

// Committed changes are in the file already: there is nothing left to forget.
void SqliteDatabase::DiscardChanges() {}

void SqliteDatabase::Close()
{
    db_.reset();
}

} // namespace jet
