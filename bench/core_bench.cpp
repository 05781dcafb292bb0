// Number texts and variant conversions of the platform core, each beside its C library peer.
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace
{
const double values[] = {0.125, 1234.5678, 2.5, 1e-7, 12300000.0, 273.15, 0.0, 99.995};

void FormatFixedNumberText(benchmark::State& state)
{
    for (auto _ : state)
        for (double v : values)
            benchmark::DoNotOptimize(NumberText::FormatReal("%.2f", v));
}
BENCHMARK(FormatFixedNumberText);

void FormatFixedSnprintf(benchmark::State& state)
{
    char buffer[64];
    for (auto _ : state)
        for (double v : values)
            benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.2f", v));
}
BENCHMARK(FormatFixedSnprintf);

void CStringFormat(benchmark::State& state)
{
    CString s;
    for (auto _ : state)
        for (double v : values)
        {
            s.Format("%s: %.3e (%d)", "hodnota", v, 7);
            benchmark::DoNotOptimize(s.GetString());
        }
}
BENCHMARK(CStringFormat);

const char* const texts[] = {"12,5", "1234.5678", "-0,001", "  42 ", "3,14159", "1e5", "0", "99,995"};

void ParseNumberText(benchmark::State& state)
{
    for (auto _ : state)
        for (const char* t : texts)
        {
            double v = 0;
            benchmark::DoNotOptimize(NumberText::Parse(t, v));
        }
}
BENCHMARK(ParseNumberText);

void ParseStrtod(benchmark::State& state)
{
    for (auto _ : state)
        for (const char* t : texts)
            benchmark::DoNotOptimize(std::strtod(t, nullptr));
}
BENCHMARK(ParseStrtod);

void TextToDoubleVariant(benchmark::State& state)
{
    const UserLocale czech = UserLocale::Czech();
    COleVariant out;
    for (auto _ : state)
        for (const char* t : texts)
        {
            COleVariant text(t);
            benchmark::DoNotOptimize(VariantChangeTypeIn(&out, &text, czech, 0, VT_R8));
        }
}
BENCHMARK(TextToDoubleVariant);
} // namespace

BENCHMARK_MAIN();
