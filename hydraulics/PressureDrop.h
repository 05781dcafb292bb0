#pragma once
// Fixed hydraulic data of pipes and fittings: the pipe a catalogue product code stands for,
// the inner diameter of each pipe and the pressure-drop characteristics of pipes and fittings.
// The characteristics take the mass flow in kg/h; the pipe types give Pa per metre of pipe.

#include "platform/core/CString.h"

#include <optional>

// The pipe index of a product code "%04d-%04d" (exact, case-sensitive), -1 for any other text.
int PipeIndexFromCode(CString code);

// Inner diameter in m of a pipe index; empty for an unknown index.
[[nodiscard]] std::optional<double> PipeInnerDiameter(int pipeIndex);

// The power-law characteristic of a type at mass flow x: 0.0 for x not above 0 (any type),
// empty for an unknown type.
[[nodiscard]] std::optional<double> PressureDropCharacteristic(double x, int type);

// The fitting characteristic of a kind (1 to 7: types 21 to 27; 8 to 12: type 27);
// 0.0 for any other kind.
double PressureDropByKind(double x, int kind);

// The linear characteristics 16 to 18: 0.0 below their threshold; empty for another type.
[[nodiscard]] std::optional<double> LinearCharacteristic(double x, int type);

// The texts a window shows, once per user action, when a characteristic or a pipe is unknown.
inline constexpr const char* kUnknownCharacteristicText = "Nesmysl!!!";
inline constexpr const char* kUnknownPipeText = "Neznámá trubka!!!";
