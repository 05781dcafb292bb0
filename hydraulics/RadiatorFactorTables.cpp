#include "hydraulics/RadiatorFactorTables.h"

#include <span>

namespace
{
constexpr double connection[] = {1.0, 1.0, 0.9, 0.8, 0.85};
constexpr double placement[] = {1.0, 0.95, 0.9};
constexpr double cover[] = {1.1, 1.0, 1.0, 0.98, 0.97, 0.96, 0.95, 0.87};

std::span<const double> Factors(RadiatorFactorTable table)
{
    switch (table)
    {
    case RadiatorFactorTable::Connection: return connection;
    case RadiatorFactorTable::Placement: return placement;
    case RadiatorFactorTable::Cover: return cover;
    }
    return {};
}
} // namespace

int RadiatorFactorChoiceCount(RadiatorFactorTable table)
{
    return int(Factors(table).size());
}

bool RadiatorFactorOfChoice(RadiatorFactorTable table, int choice, double& factor)
{
    const std::span<const double> factors = Factors(table);
    if (choice < 1 || choice > int(factors.size()))
        return false;
    factor = factors[choice - 1];
    return true;
}
