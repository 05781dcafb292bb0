#pragma once
// What the bulk change of the input table decides without windows: whether a row meets a
// condition, whether a new value fits a column, and the model field a changed cell sets.

#include "heatloss/HeatLossMessage.h"
#include "heatloss/InputCursor.h"
#include "platform/core/CString.h"

class ProjectModel;

// One condition of a bulk change: operator 0 "<", 1 "<=", 2 "=", 3 ">=", 4 ">".
struct BulkCondition
{
    int column = -1;
    int op = 2;
    CString value;

    // A value of only "+-.,0123456789" compares as a number (either decimal separator, on
    // both sides); any other is a text that the cell must equal exactly, whatever the operator.
    bool IsNumeric() const;
    bool Holds(const CString& cell) const;
};

// Whether text can go into the column of a row of level (2 room, 3 wall, 4 opening): a whole
// number, a number, or a text short enough for the model; columns the model does not take
// accept anything.
bool BulkValueFits(const CString& columnName, int level, const CString& text);

// When text goes into the column of a row of level as a number of the model that lies outside
// its range (InputRanges.h), the message that names the field and the range; else empty.
HeatLossMessage BulkValueOutOfRange(const CString& columnName, int level, const CString& text);

// Sets the model field of the column for the element of level at the cursor from text.
void ApplyBulkValue(ProjectModel& model, int level, const InputCursor& at, const CString& columnName,
                    const CString& text);
