#pragma once
// Sheet and column names of the project's results sheet "SeznamM$" that the hydraulics use.

namespace ResultSheet
{
inline constexpr const char* Sheet = "SeznamM$";
inline constexpr const char* InputSheet = "SeznamV$";
inline constexpr const char* Number = "Číslo                Místnosti";
inline constexpr const char* Name = "NázevM";
inline constexpr const char* RoomTemperature = "TeplotaM";
inline constexpr const char* RoomLoss = "ZtrátaM";
inline constexpr const char* Heating = "Vytápění";
inline constexpr const char* ItemCount = "PočetT";
inline constexpr const char* ItemText = "VětaT";
inline constexpr const char* Sections = "PočetČl";
inline constexpr const char* FloorHeating = "Podlahové     Vytápění";
inline constexpr const char* System = "Soustava";
inline constexpr const char* CoveringFactor = "R krytiny";
inline constexpr const char* ConnectionFactor = "R RoznášVrstvy";
inline constexpr const char* CoverFactor = "R izolace";
inline constexpr const char* PlacementFactor = "R stropu";
inline constexpr const char* TemperatureFactor = "R omítky";
inline constexpr const char* FloorShare = "ZTRATA_PODL";
inline constexpr const char* WallShare = "ZTRATA_STEN";
inline constexpr const char* UncoveredShare = "ZTRATA_TELE";
inline constexpr const char* RadiatorOutput = "Q_TELE_SKUT";
inline constexpr const char* WallHeating = "Stěnové Vytápění";
inline constexpr const char* RecordType = "TYP_ZAZNAMU";
inline constexpr const char* Format = "Format";
} // namespace ResultSheet
