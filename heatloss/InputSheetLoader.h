#pragma once
// Loading the rooms, walls and openings of the input sheet "SeznamV$" into the project model.
// Each returns an empty message when the model was loaded; otherwise the message to show,
// and the model is unchanged.

#include "heatloss/HeatLossMessage.h"

class CData;
class InputSheet;
class ProjectModel;

// What the loader does with a number outside its range (InputRanges.h), a number text that is
// not finite included: refuses the sheet, or loads it as stored (the input dialog, where the
// user puts it right; the calculation refuses such a project).
enum class StoredValues
{
    Checked,
    AsStored
};

// From rows already read. A sheet with more than 98 rooms, 19 walls in a room or 19 openings
// in a wall does not fit the model and is refused; so is one without a column that the
// calculation reads.
HeatLossMessage LoadInputSheet(const InputSheet& sheet, ProjectModel& model,
                               StoredValues values = StoredValues::Checked);
// From the sheet open in data.
HeatLossMessage LoadInputSheet(CData& data, ProjectModel& model);
// From the workbook at path ("Excel 8.0"), opened and closed here.
HeatLossMessage LoadInputSheet(const CString& workbookPath, ProjectModel& model,
                               StoredValues values = StoredValues::Checked);

// The first number of the sheet outside its range, named by its element's slots (as the
// loader counts them) and its field, with the cell's text. Empty when every number fits.
HeatLossMessage FirstStoredValueOutOfRange(const InputSheet& sheet);
