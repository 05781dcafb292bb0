#pragma once
// The design heat loss of every room by ČSN 06 0210: transmission through the cooled walls
// and their openings with the surcharges p1, p2 and p3, ventilation with the room
// characteristic number M and the minimum air exchange. Shows nothing: the caller shows the
// messages in order.

#include "heatloss/HeatLossMessage.h"

#include <vector>

class ProjectModel;

// The four switches of the settings sheet's application page.
struct CalculationSwitches
{
    bool checkRooms = false;
    bool checkWalls = false;
    bool checkOpenings = false;
    bool round = false; // round each room's total loss (ČSN 06 0210, clause 5.3)
};

struct CalculationOutcome
{
    int result = 0; // 1: every room computed; 0: a check stopped the calculation
    // Warnings in the order they arose, then the error that stopped the calculation.
    std::vector<HeatLossMessage> messages;
};

// Checks the input of the model and writes its results and totals. After an error the
// results of the rooms before the failing one stay and the totals hold their partial sums.
// Whatever the switches, a project holding a value outside its range (InputRanges.h) is
// refused before any room is computed. Rooms colder than outside and walls whose openings
// are larger than the wall are told in one warning each, after the rooms' own warnings.
CalculationOutcome CalculateHeatLosses(ProjectModel& model, const CalculationSwitches& switches);

// The room characteristic number M from the room's joint air permeability S and its doors.
double RoomCharacteristicNumber(double S, int doors);

// A room's total loss rounded as ČSN 06 0210 clause 5.3 asks: up to the next multiple of 10 W
// up to 500 W, to the nearest multiple of 20 W up to 1000 W, of 50 W above.
double RoundHeatLoss(double x);
