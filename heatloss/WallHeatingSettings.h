#pragma once
// The wall-heating dimensions of the settings, mm.

struct WallHeatingSettings
{
    double upToHeight = 2200.0;  // StenovDoVysky: the heated band ends at this height
    double aboveFloor = 100.0;   // StenovOdPodlah: the band starts this high above the floor
    double innerCorner = 200.0;  // StenovVnitRoh: clearance around an opening
    double outerCorner = 100.0;  // StenovVnejRoh: clearance at each end of the wall
    double parapet = 900.0;      // StenovParapet: the window sill height
};
