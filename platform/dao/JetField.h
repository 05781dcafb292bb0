#pragma once

#include <optional>
#include <string>

namespace jet
{

// Field types by their DAO codes.
enum FieldType : int
{
    kBoolean = 1,
    kByte = 2,
    kInteger = 3,
    kLong = 4,
    kCurrency = 5,
    kSingle = 6,
    kDouble = 7,
    kDate = 8,
    kText = 10,
    kMemo = 12
};

struct Field
{
    std::string name;
    int type = kText;
    int size = 255;
    // The heading cell's text as the sheet holds it, where the name differs from it (a head
    // with ". ! [ ] `", an empty or a repeated head).
    std::optional<std::string> head;
};

// The size DAO reports for a field type (Text 255 unless declared otherwise, Memo 0).
int DefaultFieldSize(int type);
bool IsTextType(int type);
bool IsNumericType(int type);

} // namespace jet
