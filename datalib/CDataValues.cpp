#include "datalib/CData.h"

#include "datalib/DaoCalls.h"
#include "datalib/DataRules.h"
#include "platform/dao/DaoConstants.h"
#include "platform/dao/JetError.h"
#include "platform/core/NumberText.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/UserLocale.h"

#include <algorithm>
#include <charconv>

namespace
{
// Find codes of the library and the record set's find types.
constexpr int kFindFirstCode = 10;
constexpr int kFindLastCode = 20;
constexpr int kFindNextCode = 30;
constexpr int kFindPrevCode = 40;

// A variant that tells SetStringValue the text did not convert.
COleVariant NotConverted()
{
    return COleVariant();
}

COleVariant EmptyCell()
{
    COleVariant value;
    value.vt = VT_NULL;
    return value;
}

COleVariant Converted(const VARIANT& from, VARTYPE type)
{
    COleVariant value;
    if (FAILED(VariantChangeType(&value, &from, 0, type)))
        return NotConverted();
    return value;
}

// A number text into a numeric variant type; either decimal separator is accepted.
COleVariant NumberFromText(const CString& text, VARTYPE type)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return EmptyCell();
    double number = 0;
    if (!NumberText::Parse(trimmed.str(), number))
        return NotConverted();
    COleVariant value;
    value.vt = VT_R8;
    value.dblVal = number;
    return type == VT_R8 ? value : Converted(value, type);
}

COleVariant DateFromText(const CString& text)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return EmptyCell();
    return Converted(COleVariant(trimmed), VT_DATE);
}

// A number text, also one beyond the range of a double ("1e400").
bool LooksLikeNumber(const CString& text)
{
    double number = 0;
    if (NumberText::Parse(text.str(), number))
        return true;
    std::string plain = text.str();
    std::replace(plain.begin(), plain.end(), ',', '.');
    if (!plain.empty() && (plain.front() == '-' || plain.front() == '+'))
        plain.erase(0, 1);
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), number);
    return !plain.empty() && result.ptr == plain.data() + plain.size() && result.ec == std::errc::result_out_of_range;
}

COleVariant BooleanFromText(const CString& text)
{
    COleVariant value;
    value.vt = VT_BOOL;
    value.boolVal = DataRules::TextMeansTrue(text) ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}
} // namespace

int CData::HasColumn(int col) const
{
    return col >= 0 && col < m_nColCount && col < m_aColTypes.GetSize() ? 1 : 0;
}

// Makes a row current: -1 keeps the current row, any other row is moved to.
void CData::PositionRow(int row)
{
    if (row != -1 && row != m_nCurRecord)
    {
        m_rs.SetAbsolutePosition(row);
        m_nCurRecord = row;
    }
}

int CData::GetValue(int col, COleVariant& value, int row)
{
    if (!m_rs.IsOpen())
        return 0;
    return RunDao(
        [&]
        {
            PositionRow(row);
            m_rs.GetFieldValue(col, value);
        });
}

int CData::GetValue(CString col, COleVariant& value, int row, int storedNames)
{
    const int index = GetColIndex(col, storedNames);
    return index >= 0 ? GetValue(index, value, row) : 0;
}

int CData::SetValue(int col, COleVariant value, int row)
{
    if (!m_rs.IsOpen())
        return 0;
    const int written = RunDao(
        [&]
        {
            PositionRow(row);
            m_rs.Edit();
            m_rs.SetFieldValue(col, value);
            m_rs.Update();
        });
    if (!written)
        RunDaoQuietly([&] { m_rs.CancelUpdate(); });
    return written;
}

int CData::SetValue(CString col, COleVariant value, int row, int storedNames)
{
    const int index = GetColIndex(col, storedNames);
    return index >= 0 ? SetValue(index, value, row) : 0;
}

int CData::GetStringValue(int col, CString& text, int row, int precision)
{
    text.Empty();
    COleVariant value;
    if (!HasColumn(col) || !GetValue(col, value, row))
        return 0;
    text = VariantToString(value, precision, col);
    return 1;
}

int CData::GetStringValue(CString col, CString& text, int row, int precision, int storedNames)
{
    text.Empty();
    const int index = GetColIndex(col, storedNames);
    return index >= 0 ? GetStringValue(index, text, row, precision) : 0;
}

int CData::SetStringValue(int col, CString text, int row)
{
    if (!HasColumn(col))
        return 0;
    const COleVariant value = StringToVariant(text, m_aColTypes[col]);
    if (value.vt == VT_EMPTY)
        return RefuseUnconverted(text, m_aColTypes[col]);
    return SetValue(col, value, row);
}

// A number that does not fit its column is a database error; other text that does not
// convert is refused quietly.
int CData::RefuseUnconverted(const CString& text, int type)
{
    CString trimmed = text;
    trimmed.Trim();
    if (!IsNumberType(type, 1, 1) || !LooksLikeNumber(trimmed))
        return 0;
    return RunDao([&] { AfxThrowDaoException(jet::kErrOverflow, "Číslo " + trimmed + " je mimo rozsah sloupce (přetečení)."); });
}

int CData::SetStringValue(CString col, CString text, int row, int storedNames)
{
    const int index = GetColIndex(col, storedNames);
    return index >= 0 ? SetStringValue(index, text, row) : 0;
}

int CData::AddRow()
{
    if (m_nTable == -1 || !m_rs.IsOpen())
        return 0;
    const int added = RunDao(
        [&]
        {
            m_rs.AddNew();
            m_rs.Update();
            m_rs.SetBookmark(m_rs.GetLastModifiedBookmark());
        });
    if (!added)
    {
        RunDaoQuietly([&] { m_rs.CancelUpdate(); });
        return 0;
    }
    m_nCurRecord = m_nRecordCount;
    ++m_nRecordCount;
    return 1;
}

int CData::Find(int code, CString criteria, int storedNames)
{
    ClearError();
    if (m_nTable == -1 || criteria.IsEmpty())
        return 0;
    long findType = 0;
    switch (code)
    {
    case kFindFirstCode:
        findType = AFX_DAO_FIRST;
        break;
    case kFindLastCode:
        findType = AFX_DAO_LAST;
        break;
    case kFindNextCode:
        findType = AFX_DAO_NEXT;
        break;
    case kFindPrevCode:
        findType = AFX_DAO_PREV;
        break;
    default:
        return 0;
    }
    if (!storedNames && !TranslateSQLColNamesToOriginal(CString(), criteria))
        return 0;
    int found = 0;
    const int searched = RunDao(
        [&]
        {
            found = m_rs.Find(findType, criteria) ? 1 : 0;
            if (found)
                m_nCurRecord = static_cast<int>(m_rs.GetAbsolutePosition());
            else if (m_nCurRecord >= 0)
                m_rs.SetAbsolutePosition(m_nCurRecord);
        });
    return searched && found;
}

CString CData::VariantToString(COleVariant& value, int precision, int col)
{
    CString text;
    switch (value.vt)
    {
    case VT_I2:
        text.Format("%hd", value.iVal);
        break;
    case VT_I4:
        text.Format("%d", value.lVal);
        break;
    case VT_UI1:
        text.Format("%hu", value.bVal);
        break;
    case VT_R4:
    case VT_R8:
    case VT_CY:
    {
        const bool money = value.vt == VT_CY;
        const double number = value.vt == VT_R4   ? value.fltVal
                              : value.vt == VT_R8 ? value.dblVal
                                                  : static_cast<double>(value.cyVal.int64) * 0.0001;
        const bool hasColumn = col >= 0 && col < m_nColCount && col < m_aColDecimals.GetSize();
        const int columnDecimals = hasColumn ? m_aColDecimals[col] : 0;
        const int decimals = DataRules::ChoosePrecision(precision, hasColumn ? &columnDecimals : nullptr,
                                                        money ? m_nMoneyDigits : m_nDecimalDigits);
        text = DataRules::FormatNumber(number, decimals, m_bExpFormat != 0, m_dExpLimit);
        break;
    }
    case VT_BOOL:
        text = value.boolVal ? m_strYes : m_strNo;
        break;
    case VT_DATE:
    {
        const COleDateTime date(value.date);
        if (date.GetStatus() == COleDateTime::valid)
            text = date.Format(VAR_DATEVALUEONLY, LANG_USER_DEFAULT);
        break;
    }
    case VT_BSTR:
        text = CString(value.bstrVal ? value.bstrVal : "");
        break;
    default:
        break;
    }
    return text;
}

COleVariant CData::StringToVariant(CString text, int type)
{
    const VARTYPE target = DbTypeToVarType(type);
    switch (target)
    {
    case VT_BSTR:
        return COleVariant(text);
    case VT_BOOL:
        return BooleanFromText(text);
    case VT_UI1:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
        return NumberFromText(text, target);
    case VT_DATE:
        return DateFromText(text);
    default:
        return NotConverted();
    }
}

VARTYPE CData::DbTypeToVarType(int type)
{
    switch (type)
    {
    case dbBoolean:
        return VT_BOOL;
    case dbByte:
        return VT_UI1;
    case dbInteger:
        return VT_I2;
    case dbLong:
        return VT_I4;
    case dbCurrency:
        return VT_CY;
    case dbSingle:
        return VT_R4;
    case dbDouble:
        return VT_R8;
    case dbDate:
        return VT_DATE;
    case dbText:
    case dbMemo:
        return VT_BSTR;
    default:
        return VT_EMPTY;
    }
}

int CData::VarTypeToDbType(VARTYPE type)
{
    switch (type)
    {
    case VT_BOOL:
        return dbBoolean;
    case VT_UI1:
        return dbByte;
    case VT_I2:
        return dbInteger;
    case VT_I4:
        return dbLong;
    case VT_CY:
        return dbCurrency;
    case VT_R4:
        return dbSingle;
    case VT_R8:
        return dbDouble;
    case VT_DATE:
        return dbDate;
    case VT_BSTR:
        return dbText;
    default:
        return -1;
    }
}

int CData::IsNumberType(int type, int integers, int currency)
{
    switch (type)
    {
    case dbSingle:
    case dbDouble:
        return 1;
    case dbBoolean:
    case dbByte:
    case dbInteger:
    case dbLong:
        return integers ? 1 : 0;
    case dbCurrency:
        return currency ? 1 : 0;
    default:
        return 0;
    }
}

char CData::GetDecimalPoint()
{
    return UserLocale::Current().decimalSeparator;
}

int CData::GetDecimalDigits()
{
    return UserLocale::Current().decimalDigits;
}

int CData::GetMoneyDecimalDigits()
{
    return UserLocale::Current().currencyDigits;
}
