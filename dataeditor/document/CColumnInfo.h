#pragma once
// The description of one data column of the editor's grid: DAO field type, size, decimals
// (-2: the locale's default), description text and an optional list of values.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CColumnInfo : public CObject
{
public:
    CColumnInfo() = default;
    CColumnInfo(int type, int size, int decimals) : type(type), size(size), decimals(decimals) {}

    bool IsNumeric() const { return type >= 2 && type <= 7; }
    bool IsReal() const { return type >= 5 && type <= 7; }
    bool IsDate() const { return type == 8; }
    bool IsText() const { return type == 10 || type == 12; }

    int type = 10;
    int size = 255;
    int decimals = -2;
    CString description;
    std::vector<CString> values;
    // The column's name as the table was read and its heading as the file holds it (a head
    // with ". ! [ ] `" is named with "#"): while the name stays, the heading is saved as read.
    CString nameAsRead;
    CString headAsRead;
    CString HeadToSave(const CString& name) const
    {
        return !nameAsRead.IsEmpty() && name == nameAsRead ? headAsRead : name;
    }
};
