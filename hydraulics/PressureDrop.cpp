#include "hydraulics/PressureDrop.h"

#include <cmath>
#include <iterator>

namespace
{
struct CodeIndex
{
    const char* code;
    int index;
};

// Searched in this order: maker 9001, maker 9005, maker 1212.
constexpr CodeIndex kCodes[] = {
    {"9001-0003", 35}, {"9001-0004", 35}, {"9001-0005", 35}, {"9001-0205", 35}, {"9001-0206", 35},
    {"9001-0006", 36}, {"9001-0007", 36}, {"9001-0008", 36}, {"9001-0207", 36}, {"9001-0208", 36},
    {"9001-0009", 37}, {"9001-0209", 37}, {"9001-0102", 32}, {"9001-0203", 33}, {"9001-0204", 34},
    {"9001-0212", 38}, {"9001-0213", 39},
    {"9005-0003", 35}, {"9005-0004", 35}, {"9005-0005", 35}, {"9005-0205", 35}, {"9005-0206", 35},
    {"9005-0006", 36}, {"9005-0007", 36}, {"9005-0008", 36}, {"9005-0207", 36}, {"9005-0208", 36},
    {"9005-0009", 37}, {"9005-0209", 37}, {"9005-0102", 32}, {"9005-0203", 33}, {"9005-0204", 34},
    {"9005-0212", 38}, {"9005-0213", 39},
    {"1212-0125", 1}, {"1212-0126", 2}, {"1212-0127", 3}, {"1212-0128", 4}, {"1212-0129", 5},
    {"1212-0124", 6},
};

struct Diameter
{
    int index;
    double metres;
};

constexpr Diameter kDiameters[] = {
    {1, 0.0124}, {2, 0.014}, {3, 0.0154}, {4, 0.018}, {5, 0.0232}, {6, 0.0092}, {7, 0.0388},
    {31, 0.004}, {32, 0.006}, {33, 0.0094}, {34, 0.01}, {35, 0.012}, {36, 0.014}, {37, 0.016},
    {38, 0.0204}, {39, 0.026},
};

// A straight line on log-log axes through (c, d) and (a, b).
struct PowerLaw
{
    int type;
    double a, b, c, d;
};

constexpr PowerLaw kPowerLaws[] = {
    {1, 1150, 6800, 35, 17.5},         {2, 1600, 5500, 53, 15},
    {3, 1700, 5250, 60, 14},           {4, 2800, 3950, 96, 10.5},
    {5, 4850, 2900, 195, 10},          {6, 700, 8750, 22.5, 22.5},
    {7, 12000, 1800, 600, 10},         {21, 75000, 100000, 2280, 100},
    {22, 135000, 100000, 4320, 100},   {23, 192000, 100000, 6000, 100},
    {24, 240000, 100000, 7800, 100},   {25, 270000, 100000, 9000, 100},
    {26, 303000, 100000, 9600, 100},   {27, 315000, 100000, 10200, 100},
    {31, 61.5, 8000, 6, 210},          {32, 100, 3150, 8.3, 65},
    {33, 500, 4500, 50, 100},          {34, 500, 3500, 50, 80},
    {35, 500, 1600, 50, 27},           {36, 666, 1000, 50, 13},
    {37, 700, 650, 60, 10},            {38, 10000, 30000, 100, 9},
    {39, 10000, 10000, 100, 3},
};

// The line through (c, 0) and (a, b), zero below c.
struct Linear
{
    int type;
    double a, b, c;
};

constexpr Linear kLinears[] = {{16, 30.0, 196.0, 0.3}, {17, 30.5, 189.0, 0.1}, {18, 30.5, 180.0, 0.1}};

template <typename Table, typename Key>
auto FindEntry(const Table& table, Key key) -> decltype(&table[0])
{
    for (const auto& entry : table)
        if (entry.type == key)
            return &entry;
    return nullptr;
}
} // namespace

int PipeIndexFromCode(CString code)
{
    for (const CodeIndex& entry : kCodes)
        if (code == entry.code)
            return entry.index;
    return -1;
}

std::optional<double> PipeInnerDiameter(int pipeIndex)
{
    for (const Diameter& entry : kDiameters)
        if (entry.index == pipeIndex)
            return entry.metres;
    return std::nullopt;
}

std::optional<double> PressureDropCharacteristic(double x, int type)
{
    if (!(x > 0.0))
        return 0.0;
    const PowerLaw* line = FindEntry(kPowerLaws, type);
    if (!line)
        return std::nullopt;
    const double slope = (std::log(line->b) - std::log(line->d)) / (std::log(line->a) - std::log(line->c));
    return std::exp(std::log(line->d) + slope * (std::log(x) - std::log(line->c)));
}

double PressureDropByKind(double x, int kind)
{
    if (kind < 1 || kind > 12)
        return 0.0;
    const int type = kind <= 7 ? kind + 20 : 27;
    return PressureDropCharacteristic(x, type).value_or(0.0);
}

std::optional<double> LinearCharacteristic(double x, int type)
{
    const Linear* line = FindEntry(kLinears, type);
    if (!line)
        return std::nullopt;
    if (x < line->c)
        return 0.0;
    return line->b * (x - line->c) / (line->a - line->c);
}
