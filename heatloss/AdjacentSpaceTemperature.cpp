#include "heatloss/AdjacentSpaceTemperature.h"

namespace
{
constexpr int kTe[4] = {-12, -15, -18, -21};

// One row a choice, one column a Te of kTe.
constexpr int kTemperatures[ADJACENT_SPACE_CHOICES][4] = {
    {-6, -9, -12, -15}, // attic: leaky roofing
    {-3, -6, -9, -12},  // attic: tight roofing without insulation
    {0, 0, -3, -6},     // attic: tight roofing with insulation
    {-9, -12, -15, -18}, // air gap of a ventilated double roof
    {15, 15, 15, 15},   // room next to mostly heated rooms
    {6, 6, 3, 3},       // room partly next to the outside: without outer doors
    {0, 0, -3, -3},     // ... with outer doors
    {5, 5, 5, 5},       // cellar wholly below ground
    {0, 0, -3, -3},     // cellar partly below ground, ventilated
    {3, 3, 0, 0},       // cellar partly below ground, not ventilated
    {15, 15, 15, 15},   // rarely heated room in the same building
    {10, 10, 10, 10},   // rarely heated room in the next building
    {15, 15, 15, 15},   // boiler room, heat exchanger station, machine room
};

int TeColumn(int Te)
{
    for (int k = 0; k < 4; ++k)
        if (kTe[k] == Te)
            return k;
    return -1;
}
} // namespace

bool HasAdjacentSpaceTemperatures(int Te)
{
    return TeColumn(Te) >= 0;
}

bool AdjacentSpaceTemperature(int choice, int Te, int& temperature)
{
    const int column = TeColumn(Te);
    if (column < 0 || choice < 0 || choice >= ADJACENT_SPACE_CHOICES)
        return false;
    temperature = kTemperatures[choice][column];
    return true;
}
