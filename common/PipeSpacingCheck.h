#pragma once
// The check of the floor design before it starts: the pipe spacings of the catalogue systems
// against the spacing the program is set to ("MinimRoztec").

#include "platform/core/CString.h"

#include <vector>

enum class PipeSpacingOutcome
{
    NoSpacing, // the catalogue has none: the design cannot start (message shown)
    Same,      // the setting matches the catalogue
    Taken,     // the user took the catalogue's spacing into the setting
    Declined   // the user keeps the setting: the floor settings come again
};

// spacings: the collected spacings in metres, ascending; minimRoztec: the setting's text, which
// becomes the first spacing ("%.4f" without trailing zeros) when the user takes it.
PipeSpacingOutcome CheckPipeSpacing(const std::vector<double>& spacings, CString& minimRoztec);
