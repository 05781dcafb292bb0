#pragma once
// CData: one open database (an "Access" file, a workbook, or a table folder reached through
// its driver) and at most one open table or query over it. Both programs read and write
// every workbook through this class; all members are public, callers read the counts and
// column arrays and set m_bShowErrors directly.

#include "platform/core/CArray.h"
#include "platform/core/CObject.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/core/CStringArray.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"

class CDaoException;

class CData : public CObject
{
public:
    CData();
    ~CData() override;

    // Database connection.
    int Open(CString path, CString type, int exclusive, int readOnly);
    int Create(CString path, CString type);
    void Close();
    void Clear(int keepTables);
    int ReOpen();
    int IsOpen();
    CString GetFileName();
    CString GetFileType();
    int Copy(CString path, int leaveOut);
    // Writes every change made so far to the file now: 1 when it is there, 0 when it cannot be
    // written (the file then stays as it was, and the changes wait for the next write).
    int Flush();

    // The database error of the latest call that met one: its code (0 for none) and its text.
    // Flush and Find start without one, so after a 0 from them the code tells a failure from
    // "nothing found"; ClearError starts afresh before any other call.
    int GetErrorCode() const;
    CString GetErrorText() const;
    void ClearError();

    // Tables, columns and queries.
    int SetTablesInfo();
    int SetColumnsInfo(CString table, CString sql, int storedNames);
    int SetColumnsInfo(int table, CString sql, int storedNames);
    int OpenTable(CString table, CString sql, int storedNames);
    int OpenTable(int table, CString sql, int storedNames);
    void CloseTable();
    int IsTable(CString name);
    int IsOpenTable(CString name);
    int IsOpenTable(int index);
    int GetTableIndex(CString name);
    int GetColIndex(CString name, int storedNames);
    CString GetColNameFromOriginal(CString stored);
    CString GetOriginalFromColName(CString visible);
    // A column's heading as the file holds it (without the decimals' ";n"): for a workbook
    // sheet the heading cell's text, which the column's name shows with "#" for ". ! [ ] `"
    // or as "F<n>" when empty or repeated; else the column's name.
    CString GetColHead(int col);
    int TranslateSQLColNamesToOriginal(CString table, CString& sql);
    void AddColBeforeCreateTable(CString name, int type, int size, int decimals);
    int CreateTable(CString name);
    int CopyTable(CString path, int table, CData* target);
    int DeleteTable(CString name);
    int RenameTable(CString newName, CString oldName);

    // Values, rows and conversions.
    int GetValue(int col, COleVariant& value, int row);
    int GetValue(CString col, COleVariant& value, int row, int storedNames);
    int SetValue(int col, COleVariant value, int row);
    int SetValue(CString col, COleVariant value, int row, int storedNames);
    int GetStringValue(int col, CString& text, int row, int precision);
    int GetStringValue(CString col, CString& text, int row, int precision, int storedNames);
    int SetStringValue(int col, CString text, int row);
    int SetStringValue(CString col, CString text, int row, int storedNames);
    int AddRow();
    int Find(int code, CString criteria, int storedNames);
    CString VariantToString(COleVariant& value, int precision, int col);
    COleVariant StringToVariant(CString text, int type);
    VARTYPE DbTypeToVarType(int type);
    int VarTypeToDbType(VARTYPE type);
    static int IsNumberType(int type, int integers, int currency);
    static char GetDecimalPoint();
    static int GetDecimalDigits();
    static int GetMoneyDecimalDigits();

    int m_bExpFormat;
    double m_dExpLimit;
    CString m_strNo;
    CString m_strYes;
    char m_cDecimalPoint;
    int m_nDecimalDigits;
    int m_nMoneyDigits;
    int m_bShowErrors;
    int m_nCurRecord;
    int m_nRecordCount;
    int m_nColCount;
    CStringArray m_aColNames;
    CStringArray m_aOrigColNames;
    CStringArray m_aColHeads;
    CStringArray m_aTableNames;
    CString m_strTable;
    int m_nTable;
    int m_nTableCount;
    char m_cSeparator;
    CArray<int, int> m_aColTypes;
    CArray<int, int> m_aColSizes;
    CArray<int, int> m_aColDecimals;
    CDaoDatabase m_db;
    CDaoRecordset m_rs;

protected:
    void DisplayDaoException(CDaoException* e);

private:
    // Runs database calls; a database error is reported and gives 0.
    template <class Calls> int RunDao(Calls&& calls);
    int CloseDatabase();
    void PositionRow(int row);
    int OpenRecordset(const CString& query);
    int HasColumn(int col) const;
    int RefuseUnconverted(const CString& text, int type);
    int CopyRows(CData& target);
    void AbandonCopy(const CString& path, bool targetExisted);

    int m_nErrorCode = 0;
    CString m_strErrorText;
};
