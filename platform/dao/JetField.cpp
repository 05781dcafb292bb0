#include "platform/dao/JetField.h"

namespace jet
{

int DefaultFieldSize(int type)
{
    switch (type)
    {
    case kBoolean:
    case kByte:
        return 1;
    case kInteger:
        return 2;
    case kLong:
    case kSingle:
        return 4;
    case kCurrency:
    case kDouble:
    case kDate:
        return 8;
    case kText:
        return 255;
    default:
        return 0;
    }
}

bool IsTextType(int type)
{
    return type == kText || type == kMemo;
}

bool IsNumericType(int type)
{
    return type == kByte || type == kInteger || type == kLong || type == kSingle || type == kDouble ||
           type == kCurrency;
}

} // namespace jet
