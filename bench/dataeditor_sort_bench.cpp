// The data editor's grid: sorting a catalogue table of 100,000 rows by a Czech text column with
// the keys of the language pack's alphabet, beside std::stable_sort with QCollator keys over the
// same texts; by a number column; and the rows of a 100,000 x 10 grid by its Czech text column.
// Part of build/bench/dataeditor_bench.
#include "dataeditor/document/CColumnInfo.h"
#include "controls/grid/CGridCtrl.h"
#include "dataeditor/grid/CCellSortKeys.h"
#include "dataeditor/grid/CGridRowSort.h"
#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "testing/UiTest.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace
{
constexpr int kRows = 100000;

const char* const kAlphabet = " -.,/()0123456789aAáÁäÄbBcCčČdDďĎeEéÉěĚëËfFgGhHchChiIíÍjJkKlLĺĹľĽmMnNňŇoOóÓôÔöÖ"
                              "pPqQrRŕŔřŘsSšŠtTťŤuUúÚůŮüÜvVwWxXyYýÝzZžŽ";

// Product names of catalogue rows: a word or two of Czech letters and a size.
const std::vector<CString>& ProductNames()
{
    static const std::vector<CString> names = [] {
        const char* const words[] = {"Radiátor", "ventil", "Šroubení", "čerpadlo", "Trubka", "chránička",
                                     "Koleno", "žebrový", "Řídicí", "termostat", "Hlavice", "směšovač"};
        std::mt19937 random(7);
        std::vector<CString> result;
        result.reserve(kRows);
        for (int i = 0; i < kRows; ++i)
        {
            CString name;
            name.Format("%s %s %d", words[random() % 12], words[random() % 12], int(random() % 2000));
            result.push_back(name);
        }
        return result;
    }();
    return names;
}

void SortByCzechText(benchmark::State& state)
{
    const CCollationAlphabet alphabet(kAlphabet);
    const std::vector<CString>& names = ProductNames();
    for (auto _ : state)
    {
        CCellSortKeys keys(names, nullptr, alphabet);
        benchmark::DoNotOptimize(keys.Order(true));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void SortByQCollatorKeys(benchmark::State& state)
{
    const std::vector<CString>& names = ProductNames();
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    for (auto _ : state)
    {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(names.size());
        for (const CString& name : names)
            keys.push_back(collator.sortKey(QString::fromUtf8(name.str())));
        std::vector<int> order(names.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
        benchmark::DoNotOptimize(order);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void SortByNumber(benchmark::State& state)
{
    const CCollationAlphabet alphabet(kAlphabet);
    const CColumnInfo real(7, 8, 2);
    std::mt19937 random(3);
    std::vector<CString> numbers;
    for (int i = 0; i < kRows; ++i)
    {
        CString text;
        text.Format("%d,%02d", int(random() % 100000), int(random() % 100));
        numbers.push_back(text);
    }
    for (auto _ : state)
    {
        CCellSortKeys keys(numbers, &real, alphabet);
        benchmark::DoNotOptimize(keys.Order(true));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
// The rows of a grid sorted whole, alternately ascending and descending.
void SortGridRowsByCzechText(benchmark::State& state)
{
    UiTest::EnsureApplication();
    if (HMODULE pack = LoadLibrary(KALVENROD_BIN_DIR "/Sobrel-CZ.so"))
        AfxSetResourceHandle(pack);
    constexpr int kColumns = 10;
    const std::vector<CString>& names = ProductNames();
    CGridCtrl grid(kRows + 1, kColumns, 1, 1);
    for (int row = 1; row <= kRows; ++row)
    {
        grid.SetItemText(row, 1, names[std::size_t(row - 1)]);
        for (int col = 2; col < kColumns; ++col)
            grid.SetItemTextFmt(row, col, "%d,%02d", row % 977, col);
    }
    bool ascending = true;
    for (auto _ : state)
    {
        CGridRowSort::SortRows(grid, 1, ascending, nullptr, 1, -1);
        ascending = !ascending;
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
} // namespace

BENCHMARK(SortGridRowsByCzechText)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByCzechText)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByQCollatorKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByNumber)->Unit(benchmark::kMillisecond);
