#include "platform/dao/DaoValue.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/JetError.h"
#include "platform/dao/JetField.h"

#include "platform/core/NumberText.h"

#include <cmath>

namespace
{
// A single as the decimal number it stands for (1.01f as 1.01, not 1.0099999904632568): the
// fewest digits that read back as the same single.
double SingleAsDecimal(float value)
{
    for (int digits = 6; digits <= 9; ++digits)
    {
        NumberText::Conversion conversion;
        conversion.type = 'g';
        conversion.precision = digits;
        double decimal = 0;
        if (NumberText::Parse(NumberText::FormatReal(double(value), conversion, '.'), decimal) &&
            float(decimal) == value)
            return decimal;
    }
    return value;
}
} // namespace

COleVariant VariantOfValue(const jet::Value& value, int fieldType)
{
    COleVariant result;
    switch (value.kind)
    {
    case jet::Value::Kind::Null:
        result.vt = VT_NULL;
        break;
    case jet::Value::Kind::Text:
        result = CString(value.text);
        break;
    case jet::Value::Kind::Number:
        switch (fieldType)
        {
        case jet::kByte:
            result = static_cast<BYTE>(std::lround(value.number));
            break;
        case jet::kInteger:
            result = static_cast<short>(std::lround(value.number));
            break;
        case jet::kLong:
            result = static_cast<LONG>(std::lround(value.number));
            break;
        case jet::kSingle:
            result = static_cast<float>(value.number);
            break;
        default:
            result = value.number;
            break;
        }
        break;
    case jet::Value::Kind::Date:
        result = COleVariant(value.number, VT_DATE);
        break;
    case jet::Value::Kind::Currency:
        result.vt = VT_CY;
        result.cyVal.int64 = value.currency;
        break;
    case jet::Value::Kind::Boolean:
        result = COleVariant(static_cast<short>(value.boolean ? VARIANT_TRUE : VARIANT_FALSE), VT_BOOL);
        break;
    }
    return result;
}

jet::Value ValueOfVariant(const VARIANT& v)
{
    switch (v.vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        return jet::Value::Null();
    case VT_BSTR:
        return jet::Value::Text(v.bstrVal ? std::string(v.bstrVal, SysStringByteLen(v.bstrVal)) : std::string());
    case VT_UI1:
        return jet::Value::Number(v.bVal);
    case VT_I2:
        return jet::Value::Number(v.iVal);
    case VT_I4:
        return jet::Value::Number(v.lVal);
    case VT_R4:
        return jet::Value::Number(SingleAsDecimal(v.fltVal));
    case VT_R8:
        return jet::Value::Number(v.dblVal);
    case VT_DATE:
        return jet::Value::Date(v.date);
    case VT_CY:
        return jet::Value::Currency(v.cyVal.int64);
    case VT_BOOL:
        return jet::Value::Boolean(v.boolVal != VARIANT_FALSE);
    default:
        AfxThrowDaoException(jet::kErrTypeMismatch, "Hodnotu tohoto typu nelze uložit do sloupce (neshoda typů).");
    }
}
