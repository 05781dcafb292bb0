#include "JetFixture.h"

#include <QFile>

using namespace jet;

class JetAccess : public JetFixture
{
protected:
    std::unique_ptr<Database> MakeDatabase()
    {
        auto db = OpenDatabase(PathOf("data.mdb"), "", false, true);
        db->CreateTable("Místnosti", {{"Číslo", kText, 10},
                                      {"Název", kText, 50},
                                      {"Plocha;2", kDouble, 8},
                                      {"Vytápěno", kBoolean, 1},
                                      {"Od", kDate, 8},
                                      {"Cena", kCurrency, 8},
                                      {"Poznámka", kMemo, 0}});
        const auto rs = db->Open("SELECT * FROM [Místnosti]");
        const char* names[] = {"Kuchyň", "chodba", "Hala", "cibule"};
        for (int r = 0; r < 4; ++r)
        {
            const int p = rs->Append();
            rs->Set(p, 0, Value::Text(std::string("00") + std::to_string(r + 1)));
            rs->Set(p, 1, Value::Text(names[r]));
            rs->Set(p, 2, Value::Number(r * 2.5));
            rs->Set(p, 3, Value::Boolean(r % 2));
            rs->Set(p, 4, Value::Date(45000 + r));
            rs->Set(p, 5, Value::Currency(12345));
        }
        return db;
    }
};

TEST_F(JetAccess, KeepsTypesAndValuesInTheFile)
{
    MakeDatabase()->Close();
    const auto db = OpenDatabase(PathOf("data.mdb"), "Access", false, false);
    EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"Místnosti"}));
    const std::vector<Field> fields = db->QueryFields("SELECT * FROM [Místnosti]");
    ASSERT_EQ(fields.size(), 7u);
    const int types[] = {kText, kText, kDouble, kBoolean, kDate, kCurrency, kMemo};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(fields[i].type, types[i]) << fields[i].name;
    EXPECT_EQ(fields[1].size, 50);
    const auto rs = db->Open("SELECT * FROM [Místnosti]");
    ASSERT_EQ(rs->Count(), 4);
    EXPECT_EQ(rs->Get(0, 1), Value::Text("Kuchyň"));
    EXPECT_EQ(rs->Get(1, 2), Value::Number(2.5));
    EXPECT_EQ(rs->Get(1, 3), Value::Boolean(true));
    EXPECT_EQ(rs->Get(2, 4), Value::Date(45002));
    EXPECT_EQ(rs->Get(3, 5), Value::Currency(12345));
    EXPECT_TRUE(rs->Get(3, 6).IsNull());
    rs->Set(0, 0, Value::Number(7));       // coerced to the Text field
    rs->Set(0, 2, Value::Text("1,5"));     // and to the Double field
    rs->Set(0, 6, Value::Text(""));        // an empty text: NULL
    EXPECT_EQ(rs->Get(0, 0), Value::Text("7"));
    EXPECT_EQ(rs->Get(0, 2), Value::Number(1.5));
}

TEST_F(JetAccess, RunsJetSqlWithCzechText)
{
    const auto db = MakeDatabase();
    const auto numbers = [&](const std::string& where) {
        const auto rs = db->Open("SELECT * FROM [Místnosti] " + where);
        std::vector<std::string> out;
        for (int p = 0; p < rs->Count(); ++p)
            out.push_back(rs->Get(p, 0).text);
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(numbers("WHERE [Název] = 'KUCHYŇ'"), V{"001"});
    EXPECT_EQ(numbers("WHERE [Název] LIKE 'c*'"), (V{"002", "004"}));
    EXPECT_EQ(numbers("ORDER BY [Název]"), (V{"004", "003", "002", "001"}));
    EXPECT_EQ(numbers("WHERE [Vytápěno] = True"), (V{"002", "004"}));
    EXPECT_EQ(numbers("WHERE [Číslo] = 3"), V{"003"});
    EXPECT_EQ(numbers("WHERE [Plocha;2] > 2 ORDER BY [Plocha;2] DESC"), (V{"004", "003", "002"}));
    const auto rs = db->Open("SELECT * FROM [Místnosti] ORDER BY [Číslo] DESC");
    EXPECT_EQ(rs->Matching("[Název] LIKE '*a'"), (std::vector<int>{1, 2}));
    ExpectJetError(kErrObjectNotFound, [&] { db->Open("SELECT * FROM [Nic]"); });
    ExpectJetError(kErrSyntax, [&] { db->Open("SELECT * FROM [Místnosti] WHERE"); });
}

TEST_F(JetAccess, CreateOpenAndProtection)
{
    ExpectJetError(kErrFileNotFound, [&] { OpenDatabase(PathOf("chybi.mdb"), "", false, false); });
    MakeDatabase()->Close();
    ExpectJetError(kErrDatabaseExists, [&] { OpenDatabase(PathOf("data.mdb"), "", false, true); });
    QFile text(QString::fromStdString(PathOf("text.mdb")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    ExpectJetError(kErrUnrecognizedFormat, [&] { OpenDatabase(PathOf("text.mdb"), "", false, false); });

    const auto reader = OpenDatabase(PathOf("data.mdb"), "", true, false);
    ExpectJetError(kErrNotUpdatable, [&] { reader->Open("SELECT * FROM [Místnosti]")->Append(); });
    ExpectJetError(kErrNotUpdatable, [&] { reader->CreateTable("X", {{"A", kText, 10}}); });

    const auto db = OpenDatabase(PathOf("data.mdb"), "", false, false);
    ExpectJetError(kErrTableExists, [&] { db->CreateTable("místnosti", {{"A", kText, 10}}); });
    db->RenameTable("Místnosti", "Pokoje");
    db->CreateTable("Druhy", {{"Kód", kText, 5}});
    EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"Druhy", "Pokoje"}));
    db->DeleteTable("Druhy");
    ExpectJetError(kErrObjectNotFound, [&] { db->DeleteTable("Druhy"); });
    EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"Pokoje"}));
}

// Rows are read ahead in blocks while a recordset is read row by row: every value read must
// still be the one in the file after any change, through any recordset or connection.
TEST_F(JetAccess, RowsReadAheadFollowEveryChange)
{
    const auto db = OpenDatabase(PathOf("bloky.mdb"), "", false, true);
    db->CreateTable("Řady", {{"Kód", kLong, 4}, {"Text", kText, 20}});
    {
        const auto writer = db->Open("SELECT * FROM [Řady]");
        for (int r = 0; r < 300; ++r)
        {
            const int p = writer->Append();
            writer->Set(p, 0, Value::Number(r));
            writer->Set(p, 1, Value::Text("řada " + std::to_string(r)));
        }
    }
    const auto rs = db->Open("SELECT * FROM [Řady]");
    for (int p = 0; p < rs->Count(); ++p)
    {
        ASSERT_EQ(rs->Get(p, 0), Value::Number(p));
        ASSERT_EQ(rs->Get(p, 1), Value::Text("řada " + std::to_string(p)));
    }
    // Rows read backwards and rows far apart.
    const auto backwards = db->Open("SELECT * FROM [Řady] ORDER BY [Kód] DESC");
    EXPECT_EQ(backwards->Get(0, 0), Value::Number(299));
    EXPECT_EQ(backwards->Get(1, 1), Value::Text("řada 298"));
    const auto apart = db->Open("SELECT * FROM [Řady] WHERE [Kód] = 3 OR [Kód] = 290");
    ASSERT_EQ(apart->Count(), 2);
    EXPECT_EQ(apart->Get(0, 0), Value::Number(3));
    EXPECT_EQ(apart->Get(1, 0), Value::Number(290));

    rs->Get(10, 1);
    rs->Get(11, 1);
    const auto other = db->Open("SELECT * FROM [Řady]");
    other->Set(12, 1, Value::Text("jinak"));
    EXPECT_EQ(rs->Get(12, 1), Value::Text("jinak"));
    rs->Set(13, 1, Value::Text("znovu"));
    EXPECT_EQ(rs->Get(13, 1), Value::Text("znovu"));
    EXPECT_EQ(rs->GetStored(12, 0), Value::Number(12));

    const auto second = OpenDatabase(PathOf("bloky.mdb"), "", false, false);
    second->Open("SELECT * FROM [Řady]")->Set(14, 1, Value::Text("odjinud"));
    EXPECT_EQ(rs->Get(14, 1), Value::Text("odjinud"));
    second->DeleteTable("Řady");
    ExpectJetError(kErrObjectNotFound, [&] { rs->Get(15, 1); });
}
