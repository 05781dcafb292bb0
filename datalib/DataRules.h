#pragma once
// The text rules of the data access library that need no database: the stored column
// name "name;n", the translation of visible column names in SQL text, the choice of
// decimals for number texts and the texts of Booleans.

#include "platform/core/CString.h"

#include <functional>

namespace DataRules
{
// Decimals of a column whose stored name gives none.
constexpr int kNoDecimals = -2;

struct ColumnName
{
    CString visible;
    int decimals = kNoDecimals;
};

// Splits a stored field name at its last separator: "Délka;2" is "Délka" with 2 decimals.
// Without a separator inside the name, or with a negative number after it, the whole name
// is visible and the decimals are kNoDecimals. Text after the separator is read as atoi
// reads it ("Délka;x" gives 0 decimals).
ColumnName SplitStoredName(const CString& stored, char separator);

// The stored name a new column gets: "name;n" for a numeric column with n >= 0 decimals,
// the name alone otherwise.
CString MakeStoredName(const CString& visible, bool numeric, int decimals, char separator);

// A table or column name for SQL text: in brackets, a ']' inside doubled, so that no name
// can end the bracket and go on as SQL.
CString BracketedName(const CString& name);

// Finds the stored name of a visible column name; false when no column has it.
using StoredNameLookup = std::function<bool(const CString& visible, CString& stored)>;

// Replaces each bracketed identifier "[visible]" of the SQL text by "[stored]" ("]]" inside
// brackets stands for ']'), in one pass
// from left to right: a replaced name is never looked at again, text inside quoted literals
// ('...' or "...") is left alone, and so is the bracketed table name.
CString TranslateColumnNames(const CString& sql, const CString& table, const StoredNameLookup& lookup);

// Precision codes of the number texts: n >= 0 exactly n decimals; -1 the column's decimals,
// else the locale's; -2 the locale's; -4 the column's decimals with no locale fallback.
// Returns the decimals to write, or -1 for the default form of six decimals.
// columnDecimals is nullptr when no valid column is given; localeDigits is the user
// locale's decimal digits (its currency digits for a currency value).
int ChoosePrecision(int precision, const int* columnDecimals, int localeDigits);

// A number as the library writes it: '.' as decimal separator, "%.*f" (or "%f" for the
// default precision), switching to "%.*e" / "%e" when useExponent is set and the magnitude
// lies strictly above limit or strictly between 0 and 1/limit.
CString FormatNumber(double value, int decimals, bool useExponent, double limit);

// A text read as a Boolean: true when it starts with one of "pPyYtTaA1"
// (pravda, yes, true, ano, 1).
bool TextMeansTrue(const CString& text);
} // namespace DataRules
