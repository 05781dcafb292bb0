// The data editor's grid: sorting a catalogue table of 100,000 rows by a Czech text column with
// the keys of the language pack's alphabet, beside std::stable_sort with QCollator keys over the
// same texts; and by a number column.
// Part of build/bench/dataeditor_bench.
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CCellSortKeys.h"

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
} // namespace

BENCHMARK(SortByCzechText)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByQCollatorKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByNumber)->Unit(benchmark::kMillisecond);
