#pragma once
// The climate and building values of the basic data: the accepted design outdoor
// temperatures, the building characteristic number B and the heating-up surcharge p2.

// True for the design outdoor temperatures −12, −15, −18 and −21 °C.
bool IsDesignOutdoorTemperature(long Te);

enum class BuildingKind
{
    Detached = 1, // "osaměle stojící budova"
    Terraced = 2  // "řadová budova"
};

enum class BuildingPosition
{
    Protected = 0,    // "chráněná"
    Unprotected = 1,  // "nechráněná"
    VeryUnfavourable = 2 // "velmi nepříznivá"
};

// The building characteristic number B, Pa^0.67, of a building of kind in position, in a
// normal landscape or in one with intensive winds.
int BuildingCharacteristicNumber(bool windyLandscape, BuildingPosition position, BuildingKind kind);

enum class Landscape
{
    Normal, // "ne"
    Windy,  // "ano": with intensive winds
    Unknown // any other text, such as the catalogue's "neuvedeno"
};

// The landscape that the windy-landscape text says, "ano" or "ne" in any case.
Landscape LandscapeOf(const char* text);
// The windy-landscape text of a landscape the user chose: "ano" or "ne".
const char* LandscapeText(bool windy);

enum class HeatingOperation
{
    Continuous = 0,       // "nepřerušovaný", 24 h a day
    IntermittentLong = 1, // "přerušovaný", more than 16 h a day
    IntermittentShort = 2 // "přerušovaný", less than 16 h a day
};

// The heating-up surcharge p2 of the operation.
double HeatingUpSurcharge(HeatingOperation operation);
