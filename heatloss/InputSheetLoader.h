#pragma once
// Loading the rooms, walls and openings of the input sheet "SeznamV$" into the project model.
// Each returns an empty message when the model was loaded; otherwise the message to show,
// and the model is unchanged.

#include "heatloss/HeatLossMessage.h"

class CData;
class InputSheet;
class ProjectModel;

// From rows already read. A sheet with more than 98 rooms, 19 walls in a room or 19 openings
// in a wall does not fit the model and is refused.
HeatLossMessage LoadInputSheet(const InputSheet& sheet, ProjectModel& model);
// From the sheet open in data.
HeatLossMessage LoadInputSheet(CData& data, ProjectModel& model);
// From the workbook at path ("Excel 8.0"), opened and closed here.
HeatLossMessage LoadInputSheet(const CString& workbookPath, ProjectModel& model);
