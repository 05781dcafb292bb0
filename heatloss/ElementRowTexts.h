#pragma once
// The texts of an element's row in the input sheet "SeznamV$" and in the input grid:
// integers "%d", U and i "%f" in the user's number notation with trailing zeros removed
// ("0,35", "2,"), and the row's format text.

#include "heatloss/InputSheet.h"

class ProjectModel;

InputSheet::Row RoomRowTexts(const ProjectModel& model, int room);
InputSheet::Row WallRowTexts(const ProjectModel& model, int room, int wall);
InputSheet::Row OpeningRowTexts(const ProjectModel& model, int room, int wall, int opening);

// A decimal as "%f" writes it with the user's decimal separator, trailing "0" removed; a
// value that is not finite is no number and gives an empty text.
CString DecimalCellText(double value);
