#pragma once
// The changed conditions of a radiator: taken from the radiator, stored back into it, and the
// silent recomputation of its temperature and mass-flow factors.

#include "platform/core/CString.h"

class COtopneTeleso;
class ChangedConditionsCorrection;

// Kind, sections, exponent (preset and used), the seven factors, supply, return and room
// temperatures, the three choices and the carried count; Δt and tm from supply and return;
// entry mode 0.
void CopyRadiatorToConditions(const COtopneTeleso& radiator, ChangedConditionsCorrection& conditions);
// Everything back; the exponent used becomes the radiator's exponent.
void CopyConditionsToRadiator(const ChangedConditionsCorrection& conditions, COtopneTeleso& radiator);
// Recomputes the radiator's mass-flow and temperature factors from its temperatures. False,
// the factors untouched, when the temperatures are not in order (supply > return > room).
bool RecomputeRadiatorFactors(COtopneTeleso& radiator);
// The project's temperature gradient as stored: "%.1f#%.1f" of supply and return.
CString TemperatureGradientText(double supply, double returnTemperature);
