#include "platform/dao/TableFolderDatabase.h"

#include "platform/dao/DbaseFile.h"
#include "platform/dao/DelimitedText.h"
#include "platform/dao/JetError.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <regex>

namespace jet
{
namespace
{
std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The rows of a loaded table, read only.
class MemoryRecordset : public Recordset
{
public:
    explicit MemoryRecordset(const TableFolderDatabase::Table& table) : table_(table) {}
    const std::vector<Field>& Fields() const override { return table_.fields; }
    int Count() const override { return int(table_.rows.size()); }
    bool IsUpdatable() const override { return false; }
    Value Get(int position, int field) override { return At(position, field); }
    Value GetStored(int position, int field) override { return At(position, field); }
    void Set(int, int, const Value&) override { ReadOnly(); }
    void SetStored(int, int, const Value&) override { ReadOnly(); }
    int Append() override
    {
        ReadOnly();
        return -1;
    }
    std::vector<int> Matching(const std::string&) override
    {
        throw JetError(kErrSyntax, "Podmínky nad tabulkami dBASE a textu nejsou k dispozici.");
    }

private:
    Value At(int position, int field) const
    {
        if (position < 0 || position >= Count() || field < 0 || field >= int(table_.fields.size()))
            throw JetError(kErrNoCurrentRecord, "Žádný aktuální záznam.");
        const auto& row = table_.rows[std::size_t(position)];
        return std::size_t(field) < row.size() ? row[std::size_t(field)] : Value::Null();
    }
    [[noreturn]] static void ReadOnly() { throw JetError(kErrNotUpdatable, "Tabulku nelze měnit."); }

    const TableFolderDatabase::Table& table_;
};
} // namespace

std::string TableFolderOf(const std::string& path, const std::string& connect)
{
    if (!path.empty())
        return path;
    const std::size_t at = connect.find("Database=");
    if (at == std::string::npos)
        return path;
    const std::string rest = connect.substr(at + 9);
    return rest.substr(0, rest.find(';'));
}

TableFolderDatabase::TableFolderDatabase(const std::string& folder, Kind kind) : folder_(folder), kind_(kind)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder_, error))
        throw JetError(kErrFileNotFound, "Složka „" + folder_ + "“ neexistuje.");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files)
    {
        const std::string extension = Lower(file.extension().string());
        std::string name;
        if (kind_ == Kind::Dbase && extension == ".dbf")
            name = file.stem().string();
        else if (kind_ == Kind::Text && (extension == ".csv" || extension == ".txt"))
            name = file.filename().string();
        if (name.empty())
            continue;
        names_.push_back(name);
        files_[Lower(name)] = file.string();
    }
}

std::vector<std::string> TableFolderDatabase::TableNames() { return names_; }

std::string TableFolderDatabase::FileOf(const std::string& name) const
{
    const auto found = files_.find(Lower(name));
    return found == files_.end() ? std::string() : found->second;
}

const TableFolderDatabase::Table& TableFolderDatabase::Load(const std::string& sql)
{
    static const std::regex select(R"(^\s*SELECT\s+\*\s+FROM\s+(?:\[([^\]]+)\]|(\S+))\s*;?\s*$)", std::regex::icase);
    std::smatch match;
    if (!std::regex_match(sql, match, select))
        throw JetError(kErrSyntax, "Dotaz nad tabulkou dBASE nebo textu není k dispozici: " + sql);
    const std::string name = match[1].matched ? match[1].str() : match[2].str();
    const std::string file = FileOf(name);
    if (file.empty())
        throw JetError(kErrObjectNotFound, "Tabulka „" + name + "“ neexistuje.");
    auto found = loaded_.find(file);
    if (found == loaded_.end())
    {
        Table table;
        if (kind_ == Kind::Dbase)
        {
            dbase::Table read = dbase::ReadTable(file);
            table.fields = std::move(read.fields);
            table.rows = std::move(read.rows);
        }
        else
        {
            delimited::Table read = delimited::ReadTable(file);
            table.fields = std::move(read.fields);
            table.rows = std::move(read.rows);
        }
        found = loaded_.emplace(file, std::move(table)).first;
    }
    return found->second;
}

std::unique_ptr<Recordset> TableFolderDatabase::Open(const std::string& sql)
{
    return std::make_unique<MemoryRecordset>(Load(sql));
}

std::vector<Field> TableFolderDatabase::QueryFields(const std::string& sql) { return Load(sql).fields; }

void TableFolderDatabase::CreateTable(const std::string&, const std::vector<Field>&)
{
    throw JetError(kErrNotUpdatable, "Do složky tabulek dBASE nebo textu nelze zapisovat.");
}

void TableFolderDatabase::DeleteTable(const std::string& name) { CreateTable(name, {}); }

void TableFolderDatabase::RenameTable(const std::string& oldName, const std::string&) { CreateTable(oldName, {}); }

} // namespace jet
