#include "platform/dao/JetDatabase.h"

#include "platform/dao/JetError.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/dao/TableFolderDatabase.h"
#include "platform/dao/WorkbookDatabase.h"

namespace jet
{

std::unique_ptr<Database> OpenDatabase(const std::string& path, const std::string& connect, bool readOnly,
                                       bool create)
{
    const std::string driver = connect.substr(0, connect.find(';'));
    if (connect.empty() || connect == "Access")
        return std::make_unique<SqliteDatabase>(path, readOnly, create);
    if (driver == "Excel 8.0")
        return std::make_unique<WorkbookDatabase>(path, readOnly, create);
    if (driver == "dBASE III" || driver == "text")
        return std::make_unique<TableFolderDatabase>(TableFolderOf(path, connect), driver == "text"
                                                                                      ? TableFolderDatabase::Kind::Text
                                                                                      : TableFolderDatabase::Kind::Dbase);
    throw JetError(kErrNotInstallableIsam, "Ovladač databáze „" + driver + "“ není k dispozici.");
}

} // namespace jet
