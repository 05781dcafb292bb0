#pragma once
// The fixed correction factors of a radiator's connection, placement and cover, by choice.

enum class RadiatorFactorTable
{
    Connection, // 1..5
    Placement,  // 1..3
    Cover       // 1..8
};

// The number of choices of a table.
int RadiatorFactorChoiceCount(RadiatorFactorTable table);

// The factor of a 1-based choice into factor; false, factor untouched, when the choice lies
// outside the table.
bool RadiatorFactorOfChoice(RadiatorFactorTable table, int choice, double& factor);
