#include "JetFixture.h"

#include "platform/dao/JetSqlFunctions.h"

#include <cstdio>

using namespace jet;
using workbook::Workbook;
using workbook::Worksheet;

namespace
{

struct Room
{
    const char* number;
    const char* name;
    double area;
    const char* kind;
};

const Room kRooms[] = {
    {"010", "Kuchyň", 12.5, "B"}, {"002", "chodba", 6.0, "C"},  {"001", "Hala", 20.0, "C"},
    {"100", "KUCHYŇKA", 4.0, "B"}, {"011", "cibule", 1.0, "X"}, {"003", "Čajovna", 9.5, "A"},
};

} // namespace

class JetSql : public JetFixture
{
protected:
    void SetUp() override
    {
        path_ = MakeWorkbook("sql.xls", [](Workbook& book) {
            Worksheet& rooms = book.AddSheet("Seznam místností");
            rooms.SetText(0, 0, "Číslo                Místnosti");
            rooms.SetText(0, 1, "Název");
            rooms.SetText(0, 2, "Plocha;2");
            rooms.SetText(0, 3, "2D");
            for (int r = 0; r < static_cast<int>(std::size(kRooms)); ++r)
            {
                rooms.SetText(r + 1, 0, kRooms[r].number);
                rooms.SetText(r + 1, 1, kRooms[r].name);
                rooms.SetNumber(r + 1, 2, kRooms[r].area);
                rooms.SetText(r + 1, 3, kRooms[r].kind);
            }
            Worksheet& kinds = book.AddSheet("Druhy");
            kinds.SetText(0, 0, "Kód");
            kinds.SetText(0, 1, "Vytápěno");
            const char* codes[] = {"A", "B", "C"};
            for (int r = 0; r < 3; ++r)
            {
                kinds.SetText(r + 1, 0, codes[r]);
                kinds.SetNumber(r + 1, 1, r == 2 ? 0 : 1);
            }
        });
        db_ = OpenExcel(path_);
    }

    // The room numbers a query gives, in its order.
    std::vector<std::string> Numbers(const std::string& where)
    {
        const auto rs = db_->Open("SELECT * FROM [Seznam místností$] " + where);
        std::vector<std::string> numbers;
        for (int p = 0; p < rs->Count(); ++p)
            numbers.push_back(rs->Get(p, 0).text);
        return numbers;
    }

    std::string path_;
    std::unique_ptr<Database> db_;
};

TEST_F(JetSql, RunsTheFormsTheSystemWrites)
{
    using V = std::vector<std::string>;
    const std::pair<const char*, V> cases[] = {
        {"WHERE [Název]='kuchyň'", V{"010"}},
        {"WHERE [Název] = 'KUCHYŇ' ", V{"010"}},
        {"WHERE [Název] LIKE '*chyň*'", V{"010", "100"}},
        {"WHERE [Název] LIKE 'k?chyň'", V{"010"}},
        {"WHERE [Název] LIKE 'KUCHYŇ*'", V{"010", "100"}},
        {"WHERE [Číslo                Místnosti] LIKE '0#1'", V{"001", "011"}},
        {"WHERE [Název] LIKE '[!a-k]*'", V{"003"}},
        {"WHERE [Plocha;2] > 9", V{"010", "001", "003"}},
        {"WHERE [Plocha;2] > 5 AND [2D] = 'C'", V{"002", "001"}},
        {"WHERE [2D] IN ('A', 'X')", V{"011", "003"}},
        {"WHERE [2D] IN (SELECT [Kód] FROM [Druhy$] WHERE [Vytápěno] = 1)", V{"010", "100", "003"}},
        {"ORDER BY [Číslo                Místnosti]", V{"001", "002", "003", "010", "011", "100"}},
        {"ORDER BY [Číslo                Místnosti] DESC", V{"100", "011", "010", "003", "002", "001"}},
        {"ORDER BY [Plocha;2] ASC", V{"011", "100", "002", "003", "010", "001"}},
        // Czech order: "ch" after "h", "č" after "c", case ignored
        {"ORDER BY [Název]", V{"011", "003", "001", "002", "010", "100"}},
        {"WHERE [Číslo                Místnosti] = 10", V{"010"}}, // a Text field compared with a number
        {"WHERE [Číslo                Místnosti] > 10 ORDER BY [Plocha;2] DESC", V{"100", "011"}},
        {"WHERE [Číslo                Místnosti] IN (1, 2)", V{"002", "001"}},
        {"WHERE [Název] = \"Hala\"", V{"001"}},
        {"WHERE [Název] = 'O''Brien'", V{}},
    };
    for (const auto& [where, expected] : cases)
        EXPECT_EQ(Numbers(where), expected) << where;
}

TEST_F(JetSql, BadStatementsAreDatabaseErrors)
{
    ExpectJetError(kErrSyntax, [&] { db_->Open("SELECT * FROM [Seznam místností$] WHERE"); });
    ExpectJetError(kErrSyntax, [&] { db_->Open("SELEKT * FROM [Druhy$]"); });
    ExpectJetError(kErrSyntax, [&] { db_->Open("SELECT * FROM [Druhy$] WHERE [Kód] = 'A"); });
    ExpectJetError(kErrObjectNotFound, [&] { db_->Open("SELECT * FROM [Nic$]"); });
    ExpectJetError(kErrTooFewParameters, [&] { db_->Open("SELECT * FROM [Druhy$] WHERE [Nic] = 1"); });
}

TEST_F(JetSql, SeesChangesMadeSinceTheLastQuery)
{
    const auto rs = db_->Open("SELECT * FROM [Druhy$]");
    rs->Set(0, 0, Value::Text("Z"));
    EXPECT_EQ(db_->Open("SELECT * FROM [Druhy$] WHERE [Kód] = 'z'")->Count(), 1);
}

TEST(JetLikePattern, FollowsJetWildcards)
{
    const struct
    {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        {"*", "", true},         {"a*", "ABC", true},       {"*c", "abc", true},     {"a?c", "abc", true},
        {"a?c", "ac", false},    {"#", "5", true},          {"#", "x", false},       {"[a-c]x", "bx", true},
        {"[!a-c]x", "bx", false}, {"*ř*", "MAŘENA", true},   {"ř", "r", false},       {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXcYb", false}, {"%", "%", true},         {"_", "x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JetLike(c.pattern, c.text), c.matches) << c.pattern << " ~ " << c.text;
}
