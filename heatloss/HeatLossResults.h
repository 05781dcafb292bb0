#pragma once
// Per-room results of the last heat-loss calculation.

#include "heatloss/ModelCapacity.h"

#include <array>

struct HeatLossResults
{
    struct Room
    {
        double transmission = 0.0;    // Qp, W, with surcharges
        double ventilation = 0.0;     // Qv, W, at least the minimum air exchange loss
        double total = 0.0;           // Qc = Qp + Qv, W, rounded when rounding is on
        double volume = 0.0;          // V, m³
        double floorArea = 0.0;       // F, m²
        double surface = 0.0;         // A, m², the room's whole surface
        double perVolume = 0.0;       // Qc / V, W/m³
        double perFloorArea = 0.0;    // Qc / F, W/m²
        double perVolumeKelvin = 0.0; // Qc / V / (Ti − Te), W/(m³·K)
    };

    std::array<Room, MAX_ROOMS> rooms;

    Room& operator[](int room) { return rooms[room]; }
    const Room& operator[](int room) const { return rooms[room]; }
};
