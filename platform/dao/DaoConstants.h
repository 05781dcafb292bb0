#pragma once
// Constants of the DAO classes: record set kinds, field types and attributes, find types,
// information levels and the general sort order of new database files.

#include <climits>

// Record set kinds.
constexpr int dbOpenTable = 1;
constexpr int dbOpenDynaset = 2;
constexpr int dbOpenSnapshot = 4;

// Field types.
constexpr short dbBoolean = 1;
constexpr short dbByte = 2;
constexpr short dbInteger = 3;
constexpr short dbLong = 4;
constexpr short dbCurrency = 5;
constexpr short dbSingle = 6;
constexpr short dbDouble = 7;
constexpr short dbDate = 8;
constexpr short dbText = 10;
constexpr short dbMemo = 12;

// Field attributes.
constexpr long dbFixedField = 0x1;
constexpr long dbVariableField = 0x2;
constexpr long dbAutoIncrField = 0x10;
constexpr long dbUpdatableField = 0x20;

// Find types of CDaoRecordset::Find.
constexpr long AFX_DAO_NEXT = 1;
constexpr long AFX_DAO_PREV = -1;
constexpr long AFX_DAO_FIRST = LONG_MIN;
constexpr long AFX_DAO_LAST = LONG_MAX;

// How much GetFieldInfo and GetTableDefInfo fill in.
constexpr unsigned long AFX_DAO_PRIMARY_INFO = 0x1;
constexpr unsigned long AFX_DAO_SECONDARY_INFO = 0x2;
constexpr unsigned long AFX_DAO_ALL_INFO = 0x4;

// The general sort order of a new database file.
#define dbLangGeneral ";LANGID=0x0409;CP=1252;COUNTRY=0"
