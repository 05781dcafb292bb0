#include "hydraulics/PipeLoss.h"

#include "hydraulics/NumberReading.h"
#include "hydraulics/PressureDrop.h"
#include "hydraulics/ProductCatalogue.h"
#include "hydraulics/WaterDensity.h"

#include <numbers>

double DistributionWaterDensity()
{
    static const double density = WaterDensity(82.0, 0);
    return density;
}

std::optional<PipeLossParts> ComputePipeLoss(const CString& code, double flowKgPerH, double length,
                                             double resistances)
{
    const int pipe = PipeIndexFromCode(code);
    const std::optional<double> perMetre = PressureDropCharacteristic(flowKgPerH, pipe);
    const std::optional<double> diameter = PipeInnerDiameter(pipe);
    const double density = DistributionWaterDensity();
    if (!perMetre || !diameter || !(density > 0.0))
        return std::nullopt;
    PipeLossParts parts;
    parts.velocity = 4.0 * (flowKgPerH / 3600.0) / (density * std::numbers::pi * *diameter * *diameter);
    parts.perMetre = *perMetre;
    parts.friction = *perMetre * length;
    parts.local = density * resistances * parts.velocity * parts.velocity / 2.0;
    parts.total = parts.local + parts.friction;
    return parts;
}

std::vector<PipeChoice> LoadDistributionPipes(const CString& folder)
{
    constexpr int maker = 9001;
    std::vector<PipeChoice> pipes;
    const auto rows = ProductCatalogue::Products(
        folder, maker,
        ProductCatalogue::ByRecordList(ProductCatalogue::DataSheet, ProductCatalogue::RecordColumn,
                                       ProductCatalogue::DistributionPipes));
    for (const auto& row : rows)
    {
        auto cell = [&row](const char* column) {
            const auto it = row.find(column);
            return it == row.end() ? CString() : it->second;
        };
        if (cell("Mj").IsEmpty())
            continue;
        pipes.push_back({ProductCatalogue::ProductCode(maker, ReadInteger(cell("Věta"))),
                         cell("Typ") + "  " + cell("Název"), cell("Položka")});
    }
    return pipes;
}
