#include "platform/dao/SqlTranslator.h"

#include "platform/dao/JetConvert.h"
#include "platform/dao/JetError.h"
#include "platform/dao/JetField.h"
#include "platform/dao/SqliteStatement.h"

#include <QDate>
#include <QString>

#include <cctype>
#include <cstring>
#include <strings.h>

namespace jet
{

namespace
{

bool IsWordStart(unsigned char c)
{
    return std::isalpha(c) || c == '_' || c >= 0x80;
}

bool IsWordChar(unsigned char c)
{
    return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80;
}

[[noreturn]] void SyntaxError(const std::string& detail)
{
    throw JetError(kErrSyntax, "Chyba syntaxe v dotazu: " + detail);
}

// Quoted; the connections do not take an unknown "name" for a text.
std::string BracketIdentifier(const std::string& name)
{
    return QuotedIdentifier(name);
}

std::string Quoted(const std::string& text, char quote)
{
    std::string out(1, quote);
    for (char c : text)
    {
        out += c;
        if (c == quote)
            out += quote;
    }
    out += quote;
    return out;
}

// A Jet date literal (#m/d/yyyy#, #yyyy-mm-dd#, #d.m.yyyy#, each with an optional time) as an OLE date.
std::string DateLiteral(const std::string& inside)
{
    const QString s = QString::fromStdString(inside).trimmed();
    static const QDate epoch(1899, 12, 30);
    for (const char* format : {"M/d/yyyy", "M/d/yyyy H:mm:ss", "M/d/yyyy H:mm", "yyyy-MM-dd", "yyyy-MM-dd H:mm:ss"})
    {
        const QDateTime parsed = QDateTime::fromString(s, QString::fromLatin1(format));
        if (parsed.isValid())
            return NumberToText(static_cast<double>(epoch.daysTo(parsed.date())) +
                                parsed.time().msecsSinceStartOfDay() / 86400000.0);
    }
    if (const auto date = TextToDate(inside))
        return NumberToText(*date);
    SyntaxError("neplatné datum #" + inside + "#");
}

} // namespace

std::string BracketedName(std::string_view name)
{
    std::string out = "[";
    for (const char c : name)
    {
        out += c;
        if (c == ']')
            out += ']';
    }
    return out + "]";
}

SqlTranslator::SqlTranslator(std::string_view sql)
{
    Tokenize(sql);
    const int first = NextSolid(0);
    if (!IsWord(first, "SELECT"))
    {
        for (const char* statement : {"DELETE", "INSERT", "UPDATE", "REPLACE", "CREATE", "DROP", "ALTER", "ATTACH",
                                      "DETACH", "PRAGMA", "VACUUM", "REINDEX", "ANALYZE", "BEGIN", "COMMIT", "END",
                                      "ROLLBACK", "SAVEPOINT", "RELEASE", "WITH", "TRANSFORM", "PARAMETERS"})
            if (IsWord(first, statement))
                RefuseQuery(std::string(sql));
        SyntaxError("dotaz nezačíná slovem SELECT");
    }
    for (int i = 0; i < static_cast<int>(tokens_.size()); ++i)
    {
        if (!IsWord(i, "FROM") && !IsWord(i, "JOIN"))
            continue;
        const int table = NextSolid(i + 1);
        if (table < 0)
            SyntaxError("za FROM chybí tabulka");
        if (tokens_[table].kind != Token::Word && tokens_[table].kind != Token::Bracket)
            continue; // a sub-select in FROM
        tables_.push_back(Identifier(table));
        tableTokens_.push_back(table);
    }
    if (tables_.empty())
        SyntaxError("dotaz neuvádí tabulku");
}

void SqlTranslator::Tokenize(std::string_view sql)
{
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < sql.size() ? static_cast<unsigned char>(sql[k]) : 0; };
    while (i < sql.size())
    {
        const unsigned char c = at(i);
        const std::size_t start = i;
        if (std::isspace(c))
        {
            while (i < sql.size() && std::isspace(at(i)))
                ++i;
            tokens_.push_back({Token::Space, " "});
        }
        else if (c == '[')
        {
            // "]]" inside the brackets stands for one ']'.
            std::string name;
            for (++i;; ++i)
            {
                if (i >= sql.size())
                    SyntaxError("neuzavřená závorka [");
                if (sql[i] == ']' && at(i + 1) == ']')
                    name += sql[i++];
                else if (sql[i] == ']')
                    break;
                else
                    name += sql[i];
            }
            tokens_.push_back({Token::Bracket, std::move(name)});
            ++i;
        }
        else if (c == '\'' || c == '"')
        {
            std::string text;
            ++i;
            for (;;)
            {
                if (i >= sql.size())
                    SyntaxError("neuzavřený text");
                if (at(i) == c && at(i + 1) == c)
                {
                    text += static_cast<char>(c);
                    i += 2;
                }
                else if (at(i) == c)
                {
                    ++i;
                    break;
                }
                else
                    text += sql[i++];
            }
            tokens_.push_back({c == '\'' ? Token::String : Token::DoubleString, text});
        }
        else if (c == '#')
        {
            const std::size_t close = sql.find('#', i + 1);
            if (close == std::string_view::npos)
                SyntaxError("neuzavřené datum #");
            tokens_.push_back({Token::Date, std::string(sql.substr(i + 1, close - i - 1))});
            i = close + 1;
        }
        else if (std::isdigit(c) || (c == '.' && std::isdigit(at(i + 1))))
        {
            while (std::isdigit(at(i)) || at(i) == '.')
                ++i;
            if ((at(i) == 'e' || at(i) == 'E') &&
                (std::isdigit(at(i + 1)) || ((at(i + 1) == '+' || at(i + 1) == '-') && std::isdigit(at(i + 2)))))
            {
                i += 2;
                while (std::isdigit(at(i)))
                    ++i;
            }
            tokens_.push_back({Token::Number, std::string(sql.substr(start, i - start))});
        }
        else if (IsWordStart(c))
        {
            while (i < sql.size() && IsWordChar(at(i)))
                ++i;
            tokens_.push_back({Token::Word, std::string(sql.substr(start, i - start))});
        }
        else
        {
            static const char* const pairs[] = {"<=", ">=", "<>", "!=", "||"};
            std::size_t length = 1;
            for (const char* pair : pairs)
                if (sql.substr(i, 2) == pair)
                    length = 2;
            tokens_.push_back({Token::Operator, std::string(sql.substr(i, length))});
            i += length;
        }
    }
}

int SqlTranslator::NextSolid(int from) const
{
    for (int i = from; i < static_cast<int>(tokens_.size()); ++i)
        if (tokens_[i].kind != Token::Space)
            return i;
    return -1;
}

int SqlTranslator::PreviousSolid(int from) const
{
    for (int i = from; i >= 0; --i)
        if (tokens_[i].kind != Token::Space)
            return i;
    return -1;
}

bool SqlTranslator::IsWord(int index, const char* word) const
{
    return index >= 0 && index < static_cast<int>(tokens_.size()) && tokens_[index].kind == Token::Word &&
           strcasecmp(tokens_[index].text.c_str(), word) == 0;
}

bool SqlTranslator::IsComparison(int index) const
{
    if (index < 0 || tokens_[index].kind != Token::Operator)
        return false;
    const std::string& op = tokens_[index].text;
    return op == "=" || op == "<" || op == ">" || op == "<=" || op == ">=" || op == "<>" || op == "!=";
}

std::string SqlTranslator::Identifier(int index) const
{
    std::string name = tokens_[index].text;
    // A sheet with blanks may be written with apostrophes around its name: ['Moje data$'].
    if (name.size() >= 2 && name.front() == '\'')
    {
        const std::size_t close = name.rfind('\'');
        if (close > 0)
            name = name.substr(1, close - 1) + name.substr(close + 1);
    }
    return name;
}

bool SqlTranslator::NumericListFollows(int openParen) const
{
    bool any = false;
    for (int i = NextSolid(openParen + 1); i >= 0; i = NextSolid(i + 1))
    {
        const Token& t = tokens_[i];
        if (t.kind == Token::Operator && t.text == ")")
            return any;
        if (t.kind == Token::Number)
            any = true;
        else if (!(t.kind == Token::Operator && (t.text == "," || t.text == "-")))
            return false;
    }
    return false;
}

bool SqlTranslator::IsWholeTable() const
{
    int i = NextSolid(0);
    if (!IsWord(i, "SELECT"))
        return false;
    i = NextSolid(i + 1);
    if (i < 0 || tokens_[i].kind != Token::Operator || tokens_[i].text != "*")
        return false;
    i = NextSolid(i + 1);
    if (!IsWord(i, "FROM"))
        return false;
    i = NextSolid(NextSolid(i + 1) + 1);
    if (i >= 0 && tokens_[i].kind == Token::Operator && tokens_[i].text == ";")
        i = NextSolid(i + 1);
    return i < 0;
}

std::string SqlTranslator::Translate(const TableResolver& resolve, const FieldType& fieldType, bool recordColumn) const
{
    std::string out;
    bool selectSeen = false;
    const auto isTextField = [&](int index) {
        if (index < 0 || (tokens_[index].kind != Token::Bracket && tokens_[index].kind != Token::Word))
            return false;
        // A qualified name [t].[f] is looked up by its field part.
        const int type = fieldType(Identifier(index));
        return IsTextType(type);
    };
    for (int i = 0; i < static_cast<int>(tokens_.size()); ++i)
    {
        const Token& t = tokens_[i];
        switch (t.kind)
        {
        case Token::Space:
            out += ' ';
            break;
        case Token::String:
        case Token::DoubleString:
            out += Quoted(t.text, '\'');
            break;
        case Token::Date:
            out += DateLiteral(t.text);
            break;
        case Token::Number:
            out += t.text;
            break;
        case Token::Bracket:
        case Token::Word: {
            if (t.kind == Token::Word && strcasecmp(t.text.c_str(), "TRUE") == 0)
            {
                out += "-1";
                break;
            }
            if (t.kind == Token::Word && strcasecmp(t.text.c_str(), "FALSE") == 0)
            {
                out += "0";
                break;
            }
            if (t.kind == Token::Word && !selectSeen && strcasecmp(t.text.c_str(), "SELECT") == 0)
            {
                selectSeen = true;
                out += t.text;
                if (recordColumn)
                    out += " rowid,";
                break;
            }
            bool isTable = false;
            for (int table : tableTokens_)
                isTable = isTable || table == i;
            const int before = PreviousSolid(i - 1);
            const bool qualified = before >= 0 && tokens_[before].kind == Token::Operator && tokens_[before].text == ".";
            if (isTable)
            {
                out += BracketIdentifier(resolve(Identifier(i)));
                break;
            }
            std::string ident = t.kind == Token::Bracket ? BracketIdentifier(t.text) : t.text;
            const int after = NextSolid(i + 1);
            const bool qualifier = after >= 0 && tokens_[after].kind == Token::Operator && tokens_[after].text == ".";
            if (qualifier)
            {
                // [t$].field: the table part takes its mirrored name when it is a table.
                try
                {
                    out += BracketIdentifier(resolve(Identifier(i)));
                }
                catch (const JetError&)
                {
                    out += ident;
                }
                break;
            }
            // A Text field compared with a number is compared as a number: [f] = 5 -> kalv_num([f]) = 5.
            bool numeric = false;
            if (!qualified && isTextField(i))
            {
                const int op = NextSolid(i + 1);
                const int operand = NextSolid(op + 1);
                const int signed_ = operand >= 0 && tokens_[operand].kind == Token::Operator &&
                                            tokens_[operand].text == "-"
                                        ? NextSolid(operand + 1)
                                        : operand;
                if (IsComparison(op) && signed_ >= 0 && tokens_[signed_].kind == Token::Number)
                    numeric = true;
                const int notOrIn = IsWord(op, "NOT") ? NextSolid(op + 1) : op;
                if (IsWord(notOrIn, "IN"))
                {
                    const int paren = NextSolid(notOrIn + 1);
                    if (paren >= 0 && tokens_[paren].text == "(" && NumericListFollows(paren))
                        numeric = true;
                }
                const int op2 = PreviousSolid(i - 1);
                const int operand2 = op2 >= 0 ? PreviousSolid(op2 - 1) : -1;
                if (IsComparison(op2) && operand2 >= 0 && tokens_[operand2].kind == Token::Number)
                    numeric = true;
            }
            out += numeric ? "kalv_num(" + ident + ")" : ident;
            break;
        }
        case Token::Operator:
            out += t.text == "&" ? "||" : t.text;
            break;
        }
    }
    return out;
}

} // namespace jet
