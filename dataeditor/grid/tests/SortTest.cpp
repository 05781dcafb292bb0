#include "controls/grid/CGridCtrl.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CCellSortKeys.h"
#include "dataeditor/grid/CGridRowSort.h"
#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "testing/UiTest.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <random>

namespace
{
// The order of texts sorted by the keys.
std::vector<CString> Sorted(std::vector<CString> texts, const CColumnInfo* description, bool ascending,
                            const CCollationAlphabet& alphabet)
{
    const std::vector<int> order = CCellSortKeys(texts, description, alphabet).Order(ascending);
    std::vector<CString> result;
    for (int place : order)
        result.push_back(texts[place]);
    return result;
}

class CzechPack : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        pack = LoadLibrary(KALVENROD_BIN_DIR "/Sobrel-CZ.so");
        ASSERT_NE(pack, nullptr);
        AfxSetResourceHandle(pack);
        UserLocale::SetCurrent(UserLocale::Czech());
    }
    static void TearDownTestSuite() { UserLocale::ResetToSystem(); }
    static HMODULE pack;
    const CCollationAlphabet& Alphabet() const { return CCollationAlphabet::OfLanguagePack(); }
};
HMODULE CzechPack::pack = nullptr;

TEST(CollationAlphabet, RanksDigraphsAndMissingCharacters)
{
    const CCollationAlphabet alphabet("abcčhchChiIzÞ");
    const struct
    {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"hz", "ch", -1},    // ch after every h
        {"ch", "i", -1},     // and before the letter after it
        {"cz", "ch", -1},    // c before ch
        {"CHi", "Chi", 0},
        {"ch", "Ch", -1},
        {"cH", "ch", -1},    // c then H: the H is missing, the c decides
        {"Praha", "Praha 2", -1},
        {"", "a", -1},
        {"a", "a", 0},
        {"z", "x", -1},      // x is missing: after the whole alphabet
        {"x", "y", -1},      // missing ones in code-point order
        {"þ", "Þ", 1},       // a missing character never equals a letter
        {"Þ", "Ch", 1},
        {"ž", "x", 1},       // both missing: code points
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(alphabet.Compare(c.a, c.b), c.expected) << c.a << " : " << c.b;
        EXPECT_EQ(alphabet.Compare(c.b, c.a), -c.expected) << c.b << " : " << c.a;
    }
}

// Of "." and "," the one that is not the thousands separator is the decimal point; with a
// blank as the separator both are.
TEST(NumberSortKeys, NumbersReadWithTheThousandsSeparatorOfTheSettings)
{
    const struct
    {
        const char* text;
        const char* separator;
        double value;
    } cases[] = {
        {"12,5", ",", 125},
        {"1,234.5", ",", 1234.5},
        {"12.5", ",", 12.5},
        {"-1,000", ",", -1000},
        {"12,5", "\u00A0", 12.5},
        {"12.5", "\u00A0", 12.5},
        {"1\u00A0234,5", "\u00A0", 1234.5},
        {"1 234,5", "\u00A0", 1234.5},
        {"1.234,5", ".", 1234.5},
        {"12,5", ".", 12.5},
        {"1'234.5", "'", 1234.5},
        {"12,5", "", 12.5},
        {"abc", ",", 0},
        {"", ",", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(CCellSortKeys::NumberValue(c.text, c.separator), c.value)
            << c.text << " with " << c.separator;

    struct SystemSettingsAfterwards
    {
        ~SystemSettingsAfterwards() { UserLocale::ResetToSystem(); }
    } afterwards;
    const CColumnInfo real(7, 8, 2);
    const CCollationAlphabet alphabet("abc");
    UserLocale::SetCurrent(UserLocale::English());
    EXPECT_EQ(Sorted({"1,234.50", "999.90", "12,5", "-2,000.5"}, &real, true, alphabet),
              (std::vector<CString>{"-2,000.5", "12,5", "999.90", "1,234.50"}));
    UserLocale::SetCurrent(UserLocale::Czech());
    EXPECT_EQ(Sorted({"1\u00A0234,50", "999,90", "12,6", "12.5", "-2 000,5"}, &real, true, alphabet),
              (std::vector<CString>{"-2 000,5", "12.5", "12,6", "999,90", "1\u00A0234,50"}));
}

TEST_F(CzechPack, LowerCaseWordsSortAsTheCzechLocaleSortsThem)
{
    const std::vector<std::string> letters = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                              "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z",
                                              "č", "ř", "š", "ž", "ch", "ch", "h", "c"};
    std::mt19937 random(31);
    std::vector<CString> words;
    QStringList qwords;
    for (int i = 0; i < 600; ++i)
    {
        std::string word;
        const int length = 1 + int(random() % 5);
        for (int k = 0; k < length; ++k)
            word += letters[random() % letters.size()];
        words.push_back(word.c_str());
        qwords << QString::fromStdString(word);
    }
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    std::stable_sort(qwords.begin(), qwords.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    const std::vector<CString> ours = Sorted(words, nullptr, true, Alphabet());
    for (std::size_t i = 0; i < ours.size(); ++i)
        ASSERT_EQ(ours[i].str(), qwords[int(i)].toStdString()) << "place " << i;
}

TEST_F(CzechPack, CellTextsCompareByTheColumnType)
{
    const CColumnInfo number(4, 4, 0), real(7, 8, 2), date(8, 8, -2), text(10, 50, -2);
    const struct
    {
        const char* a;
        const char* b;
        const CColumnInfo* description;
        int expected;
    } cases[] = {
        {"9", "10", &number, -1},
        {"abc", "0", &number, 0},
        {"1 234,5", "999,9", &real, 1},
        {"-1,5", "-1", &real, -1},
        {"", "1.1.2020", &date, -1},
        {"2.1.2020", "1.2.2020", &date, -1},
        {"31.12.2019", "1.1.2020", &date, -1},
        {"1.1.2020", "bez data", &date, -1}, // a text that is no date stays after the dates
        {"9", "10", &text, 1},
        {"9", "10", nullptr, 1},
        {"chata", "hrad", nullptr, 1},
        {"čáp", "cop", nullptr, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareCellTexts(c.a, c.b, c.description), c.expected) << c.a << " : " << c.b;
}

TEST_F(CzechPack, EqualKeysKeepTheirOrderBothWays)
{
    const CColumnInfo number(4, 4, 0);
    const std::vector<CString> texts = {"2", "1", "2.0", "1,0", "2,00"};
    EXPECT_EQ(Sorted(texts, &number, true, Alphabet()), (std::vector<CString>{"1", "1,0", "2", "2.0", "2,00"}));
    EXPECT_EQ(Sorted(texts, &number, false, Alphabet()), (std::vector<CString>{"2", "2.0", "2,00", "1", "1,0"}));
}

TEST_F(CzechPack, DateColumnKeepsEmptyCellsFirstAndUnreadableTextsLast)
{
    const CColumnInfo date(8, 8, -2);
    const std::vector<CString> texts = {"5.5.2021", "", "nevím", "1.1.1999", ""};
    EXPECT_EQ(Sorted(texts, &date, true, Alphabet()),
              (std::vector<CString>{"", "", "1.1.1999", "5.5.2021", "nevím"}));
}
} // namespace

namespace
{
// A grid of a heading row and five rows: index, name, price; each row as high as 20 + its index.
struct CatalogueGrid
{
    CGridCtrl grid{6, 3, 1, 1};
    CatalogueGrid()
    {
        const char* names[] = {"chata", "Praha 2", "hrad", "Praha", "čáp"};
        const char* prices[] = {"10", "9", "1 200,5", "9", "abc"};
        for (int i = 0; i < 5; ++i)
        {
            CString index;
            index.Format("%d", i + 1);
            grid.SetItemText(i + 1, 0, index);
            grid.SetItemText(i + 1, 1, names[i]);
            grid.SetItemText(i + 1, 2, prices[i]);
            grid.SetRowHeight(i + 1, 21 + i);
        }
    }
    std::vector<CString> Column(int col) const
    {
        std::vector<CString> texts;
        for (int row = 1; row < grid.GetRowCount(); ++row)
            texts.push_back(grid.GetItemText(row, col));
        return texts;
    }
};

TEST_F(CzechPack, GridRowsMoveWholeIntoTheSortedOrder)
{
    CatalogueGrid c;
    ASSERT_TRUE(CGridRowSort::SortRows(c.grid, 1, true, nullptr, 1, -1));
    EXPECT_EQ(c.Column(1), (std::vector<CString>{"čáp", "hrad", "chata", "Praha", "Praha 2"}));
    EXPECT_EQ(c.Column(0), (std::vector<CString>{"5", "3", "1", "4", "2"}));
    EXPECT_EQ(c.grid.GetRowHeight(1), 25);
    EXPECT_EQ(c.grid.GetRowHeight(5), 22);
    EXPECT_EQ(c.grid.GetItemText(0, 1), ""); // the heading row stays

    const CColumnInfo real(7, 8, 2);
    ASSERT_TRUE(CGridRowSort::SortRows(c.grid, 2, false, &real, 1, -1));
    EXPECT_EQ(c.Column(2), (std::vector<CString>{"1 200,5", "10", "9", "9", "abc"}));
    EXPECT_EQ(c.Column(1), (std::vector<CString>{"hrad", "chata", "Praha", "Praha 2", "čáp"})); // ties kept

    ASSERT_TRUE(CGridRowSort::SortRowsByIndex(c.grid, 1, -1));
    EXPECT_EQ(c.Column(0), (std::vector<CString>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(c.grid.GetRowHeight(1), 21);
}

TEST_F(CzechPack, GridSortRefusesABadColumnOrSpan)
{
    CatalogueGrid c;
    EXPECT_FALSE(CGridRowSort::SortRows(c.grid, 3, true, nullptr, 1, -1));
    EXPECT_FALSE(CGridRowSort::SortRows(c.grid, 1, true, nullptr, 3, 3));
    EXPECT_FALSE(CGridRowSort::SortRows(c.grid, 1, true, nullptr, 2, 9));
    EXPECT_EQ(c.Column(1), (std::vector<CString>{"chata", "Praha 2", "hrad", "Praha", "čáp"}));
}
} // namespace
