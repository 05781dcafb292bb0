#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace jet
{

// A table or field name as Jet SQL writes it: in brackets, a ']' inside doubled.
std::string BracketedName(std::string_view name);

// Turns the Jet SQL the system writes into SQLite SQL: "..." texts become '...', #dates#
// become OLE date numbers, True/False become -1/0, '&' joins texts, table references take
// the names of the tables the engine mirrors, and a Text field compared with a number is
// compared as a number (kalv_num). LIKE keeps its Jet pattern: the engine's own LIKE reads it.
class SqlTranslator
{
public:
    explicit SqlTranslator(std::string_view sql);

    // The table names the statement refers to (after FROM and JOIN), as written, first the main one.
    const std::vector<std::string>& Tables() const { return tables_; }

    // The canonical name of a table as written (throws when there is none);
    // the type of a field of the referenced tables, -1 when none has that name.
    using TableResolver = std::function<std::string(const std::string& written)>;
    using FieldType = std::function<int(const std::string& field)>;

    // The SQLite statement. With recordColumn, the first SELECT also yields "rowid" first, so
    // that each result row names its record.
    std::string Translate(const TableResolver& resolve, const FieldType& fieldType, bool recordColumn) const;

    // "SELECT * FROM [t]" alone (no condition, no order): every record in sheet order.
    bool IsWholeTable() const;

private:
    struct Token
    {
        enum Kind
        {
            Space,
            Word,
            Bracket,
            String,
            DoubleString,
            Number,
            Date,
            Operator
        };
        Kind kind;
        std::string text;
    };
    void Tokenize(std::string_view sql);
    int NextSolid(int from) const;
    int PreviousSolid(int from) const;
    bool IsWord(int index, const char* word) const;
    bool IsComparison(int index) const;
    std::string Identifier(int index) const;
    bool NumericListFollows(int openParen) const;

    std::vector<Token> tokens_;
    std::vector<std::string> tables_;
    std::vector<int> tableTokens_;
};

} // namespace jet
