#include "platform/dao/WorkbookDatabase.h"

#include "platform/dao/JetError.h"
#include "platform/dao/JetSqlFunctions.h"
#include "platform/dao/WorkbookRecordset.h"

#include <QString>

#include <algorithm>

namespace jet
{

namespace
{
std::string WithoutDollar(const std::string& name)
{
    return !name.empty() && name.back() == '$' ? name.substr(0, name.size() - 1) : name;
}

// A sheet name as a spreadsheet accepts it: 1 to 31 characters of valid text, none of
// : \ / ? * [ ] and no control character, no apostrophe at either end.
void RequireSheetName(const std::string& name)
{
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const auto refuse = [&](const char* why) {
        throw JetError(kErrInvalidName, "„" + name + "“ není platný název listu: " + why);
    };
    if (text.isEmpty())
        refuse("název je prázdný.");
    if (text.size() > 31)
        refuse("název smí mít nejvýše 31 znaků.");
    if (text.toUtf8().toStdString() != name)
        refuse("název není platný text.");
    for (const QChar c : text)
        if (c.unicode() < 0x20 || QStringLiteral(":\\/?*[]").contains(c))
            refuse("název nesmí obsahovat znaky : \\ / ? * [ ] ani řídicí znaky.");
    if (text.front() == '\'' || text.back() == '\'')
        refuse("název nesmí začínat ani končit apostrofem.");
}
} // namespace

WorkbookDatabase::WorkbookDatabase(const std::string& path, bool readOnly, bool create)
    : session_(std::make_shared<WorkbookSession>(WorkbookDocument::Acquire(path, create))), readOnly_(readOnly)
{
    if (!readOnly_)
        session_->Document().AddWriter();
}

WorkbookDatabase::~WorkbookDatabase()
{
    try
    {
        Close();
    }
    catch (const JetError&)
    {
        // A destructor cannot report; Close() is where callers learn of a failed write.
    }
}

void WorkbookDatabase::RequireOpen() const
{
    if (closed_)
        throw JetError(kErrInvalidOperation, "Databáze je zavřena.");
}

void WorkbookDatabase::RequireWritable() const
{
    RequireOpen();
    if (readOnly_)
        throw JetError(kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
}

std::vector<std::string> WorkbookDatabase::TableNames()
{
    RequireOpen();
    const workbook::Workbook& book = session_->Book();
    std::vector<std::string> names;
    for (int i = 0; i < book.SheetCount(); ++i)
        names.push_back(book.Sheet(i).Name() + "$");
    for (const workbook::DefinedName& name : book.Names())
        names.push_back(name.name);
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareCzech(a, b) < 0; });
    return names;
}

std::unique_ptr<Recordset> WorkbookDatabase::Open(const std::string& sql)
{
    RequireOpen();
    return std::make_unique<WorkbookRecordset>(session_, session_->Run(sql), !readOnly_);
}

std::vector<Field> WorkbookDatabase::QueryFields(const std::string& sql)
{
    return Open(sql)->Fields();
}

void WorkbookDatabase::CreateTable(const std::string& tableName, const std::vector<Field>& fields)
{
    RequireWritable();
    const std::string name = WithoutDollar(tableName);
    RequireSheetName(name);
    workbook::Workbook& book = session_->Book();
    if (book.SheetIndex(name) >= 0 || book.NameIndex(name) >= 0)
        throw JetError(kErrTableExists, "Tabulka „" + name + "“ již existuje.");
    workbook::Worksheet& sheet = book.AddSheet(name);
    // A table without columns is an empty sheet, as a workbook may hold: no header row, no range.
    if (fields.empty())
    {
        session_->Document().Touch();
        return;
    }
    for (int c = 0; c < static_cast<int>(fields.size()); ++c)
        sheet.SetText(0, c, fields[c].name);
    std::vector<Field> declared = fields;
    for (Field& field : declared)
        if (field.size <= 0 && field.type != kMemo)
            field.size = DefaultFieldSize(field.type);
    session_->Document().Declare(name, std::move(declared));
    book.Names().push_back(workbook::DefinedName{name, book.SheetCount() - 1, 0, 0, 0, 0, true});
    session_->Document().Touch();
}

void WorkbookDatabase::DeleteTable(const std::string& tableName)
{
    RequireWritable();
    const WorkbookSession::TableRef ref = session_->ResolveOrThrow(tableName);
    workbook::Workbook& book = session_->Book();
    if (ref.name >= 0)
        book.Names().erase(book.Names().begin() + ref.name);
    else
    {
        session_->Document().ForgetDeclared(book.Sheet(ref.sheet).Name());
        book.RemoveSheet(ref.sheet);
    }
    session_->Document().Touch();
}

void WorkbookDatabase::RenameTable(const std::string& oldName, const std::string& newTableName)
{
    RequireWritable();
    const WorkbookSession::TableRef ref = session_->ResolveOrThrow(oldName);
    const std::string newName = WithoutDollar(newTableName);
    if (ref.name < 0)
        RequireSheetName(newName);
    workbook::Workbook& book = session_->Book();
    if (newName.empty() || book.SheetIndex(newName) >= 0 || book.NameIndex(newName) >= 0)
        throw JetError(kErrTableExists, "Tabulka „" + newName + "“ již existuje.");
    if (ref.name >= 0)
        book.Names()[ref.name].name = newName;
    else
    {
        workbook::Worksheet& sheet = book.Sheet(ref.sheet);
        if (const std::vector<Field>* declared = session_->Document().DeclaredFields(sheet.Name()))
        {
            std::vector<Field> kept = *declared;
            session_->Document().ForgetDeclared(sheet.Name());
            session_->Document().Declare(newName, std::move(kept));
        }
        // The name that follows the sheet goes with it.
        for (workbook::DefinedName& name : book.Names())
            if (name.followsSheet && name.sheet == ref.sheet && workbook::SameName(name.name, sheet.Name()))
                name.name = newName;
        sheet.SetName(newName);
    }
    session_->Document().Touch();
}

void WorkbookDatabase::Flush()
{
    RequireOpen();
    if (!readOnly_)
        session_->Document().Save();
}

void WorkbookDatabase::DiscardChanges()
{
    RequireOpen();
    if (!readOnly_)
        session_->Document().DiscardChanges();
}

void WorkbookDatabase::Close()
{
    if (closed_)
        return;
    closed_ = true;
    if (!readOnly_)
        session_->Document().ReleaseWriter();
}

} // namespace jet
