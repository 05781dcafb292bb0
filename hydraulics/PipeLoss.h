#pragma once
// The pressure loss of a run of distribution pipe: friction from the pipe's characteristic and
// local losses ξ·ρ·w²/2, with water at 82 °C.

#include "platform/core/CString.h"

#include <optional>
#include <vector>

struct PipeLossParts
{
    double velocity = 0.0;  // m/s
    double perMetre = 0.0;  // R, Pa/m
    double friction = 0.0;  // R·L, Pa
    double local = 0.0;     // Z, Pa
    double total = 0.0;     // Pa
};

// Empty when the code names no known pipe.
std::optional<PipeLossParts> ComputePipeLoss(const CString& code, double flowKgPerH, double length,
                                             double resistances);

// The water density of the distribution's losses: water at 82 °C.
double DistributionWaterDensity();

// A pipe the distribution sizing offers.
struct PipeChoice
{
    CString code;        // "%04d-%04d"
    CString description; // "Typ", two blanks, "Název"
    CString item;        // "Položka"
};

// The distribution pipes of maker 9001 in the price-list folder, in catalogue order; rows
// without a unit are left out. Empty when the catalogue does not open (its message shown).
std::vector<PipeChoice> LoadDistributionPipes(const CString& folder);
