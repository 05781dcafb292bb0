#pragma once
// Design temperatures of unheated spaces next to a cooled wall, by the outdoor design
// temperature Te (−12, −15, −18 or −21 °C).

constexpr int ADJACENT_SPACE_CHOICES = 13;

// Whether the table has values for Te.
bool HasAdjacentSpaceTemperatures(int Te);
// The temperature of choice 0..12 (attic with leaky roofing, ... boiler room) at Te, in °C;
// false when choice or Te is not in the table.
bool AdjacentSpaceTemperature(int choice, int Te, int& temperature);
