#include "datalib/CData.h"

#include "datalib/DaoCalls.h"
#include "datalib/DataRules.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"

#include <algorithm>
#include <memory>

namespace
{
CString SelectAllFrom(const CString& table)
{
    return "SELECT * FROM " + DataRules::BracketedName(table);
}

bool IsWorkbookType(const CString& type)
{
    return type.Find("Excel") >= 0;
}

CString WithoutSheetSuffix(const CString& name)
{
    return name.Right(1) == "$" ? name.Left(name.GetLength() - 1) : name;
}

int IndexOf(const CStringArray& names, const CString& name)
{
    for (int i = 0; i < names.GetSize(); ++i)
        if (names[i] == name)
            return i;
    return -1;
}
} // namespace

int CData::SetTablesInfo()
{
    if (!IsOpen())
        return 0;
    CStringArray names;
    const int read = RunDao(
        [&]
        {
            const int count = m_db.GetTableDefCount();
            for (int i = 0; i < count; ++i)
            {
                CDaoTableDefInfo info;
                m_db.GetTableDefInfo(i, info);
                CString name = info.m_strName;
                // A workbook reports a sheet name with blanks in apostrophes.
                if (name.Left(1) == "'")
                    name = name.GetLength() >= 2 ? name.Mid(1, name.GetLength() - 2) : CString();
                names.Add(name);
            }
        });
    if (!read)
        return 0;
    m_aTableNames.Append(names);
    m_nTableCount = m_aTableNames.GetSize();
    return 1;
}

int CData::SetColumnsInfo(CString table, CString sql, int storedNames)
{
    CString query;
    if (sql.IsEmpty())
        query = SelectAllFrom(table);
    else
    {
        query = sql;
        if (!storedNames && !TranslateSQLColNamesToOriginal(table, query))
            return 0;
    }
    CStringArray stored;
    CStringArray visible;
    CStringArray heads;
    CArray<int, int> types;
    CArray<int, int> sizes;
    CArray<int, int> decimals;
    const int read = RunDao(
        [&]
        {
            CDaoQueryDef query_def(&m_db);
            query_def.Create(nullptr, query);
            const int count = query_def.GetFieldCount();
            for (int i = 0; i < count; ++i)
            {
                CDaoFieldInfo info;
                query_def.GetFieldInfo(i, info);
                const DataRules::ColumnName name = DataRules::SplitStoredName(info.m_strName, m_cSeparator);
                stored.Add(info.m_strName);
                visible.Add(name.visible);
                heads.Add(info.m_strSourceField == info.m_strName
                              ? name.visible
                              : DataRules::SplitStoredName(info.m_strSourceField, m_cSeparator).visible);
                types.Add(info.m_nType);
                sizes.Add(static_cast<int>(info.m_lSize));
                decimals.Add(name.decimals);
            }
            query_def.Close();
        });
    if (!read)
        return 0;
    m_aOrigColNames.Append(stored);
    m_aColNames.Append(visible);
    m_aColHeads.Append(heads);
    m_aColTypes.Append(types);
    m_aColSizes.Append(sizes);
    m_aColDecimals.Append(decimals);
    m_nColCount = m_aColNames.GetSize();
    return 1;
}

int CData::SetColumnsInfo(int table, CString sql, int /*storedNames*/)
{
    if (table < 0 || table >= m_nTableCount)
        return 0;
    return SetColumnsInfo(m_aTableNames[table], sql, 0);
}

int CData::OpenTable(CString table, CString sql, int storedNames)
{
    const int index = GetTableIndex(table);
    if (index < 0 || table == m_strTable)
        return 0;
    // Columns of another table or of a create queue must not describe this one.
    CloseTable();
    CString query = sql;
    if (!storedNames && !sql.IsEmpty())
    {
        if (!SetColumnsInfo(table, CString(), 0))
            return 0;
        const int translated = TranslateSQLColNamesToOriginal(table, query);
        Clear(1);
        if (!translated)
            return 0;
    }
    if (!SetColumnsInfo(table, query, 1))
    {
        Clear(1);
        return 0;
    }
    m_strTable = table;
    m_nTable = index;
    if (!OpenRecordset(query.IsEmpty() ? SelectAllFrom(table) : query))
    {
        CloseTable();
        return 0;
    }
    return 1;
}

int CData::OpenTable(int table, CString sql, int /*storedNames*/)
{
    if (table < 0 || table >= m_nTableCount)
        return 0;
    return OpenTable(m_aTableNames[table], sql, 0);
}

int CData::OpenRecordset(const CString& query)
{
    return RunDao(
        [&]
        {
            CDaoQueryDef query_def(&m_db);
            query_def.Create(nullptr, query);
            m_rs.Open(&query_def, dbOpenDynaset, 0);
            query_def.Close();
            if (!m_rs.IsEOF())
            {
                m_rs.MoveLast();
                m_nRecordCount = static_cast<int>(m_rs.GetRecordCount());
                m_rs.MoveFirst();
                m_nCurRecord = 0;
            }
            else
            {
                m_nRecordCount = 0;
                m_nCurRecord = -1;
            }
        });
}

void CData::CloseTable()
{
    if (m_rs.IsOpen())
        RunDao([&] { m_rs.Close(); });
    Clear(1);
}

int CData::IsTable(CString name)
{
    return GetTableIndex(name) >= 0 ? 1 : 0;
}

int CData::IsOpenTable(CString name)
{
    return name == m_strTable ? 1 : 0;
}

int CData::IsOpenTable(int index)
{
    return index == m_nTable ? 1 : 0;
}

int CData::GetTableIndex(CString name)
{
    return IndexOf(m_aTableNames, name);
}

int CData::GetColIndex(CString name, int storedNames)
{
    return IndexOf(storedNames ? m_aOrigColNames : m_aColNames, name);
}

CString CData::GetColNameFromOriginal(CString stored)
{
    const int i = IndexOf(m_aOrigColNames, stored);
    return i >= 0 && i < m_aColNames.GetSize() ? m_aColNames[i] : CString("?");
}

CString CData::GetColHead(int col)
{
    if (col >= 0 && col < m_aColHeads.GetSize())
        return m_aColHeads[col];
    return col >= 0 && col < m_aColNames.GetSize() ? m_aColNames[col] : CString("?");
}

CString CData::GetOriginalFromColName(CString visible)
{
    const int i = IndexOf(m_aColNames, visible);
    return i >= 0 && i < m_aOrigColNames.GetSize() ? m_aOrigColNames[i] : CString("?");
}

int CData::TranslateSQLColNamesToOriginal(CString table, CString& sql)
{
    // Without loaded columns no name needs mapping.
    if (sql.IsEmpty() || sql.Find('[') < 0 || m_nColCount == 0)
        return 1;
    const int known = std::min(m_aColNames.GetSize(), m_aOrigColNames.GetSize());
    bool renamed = false;
    for (int i = 0; i < known && !renamed; ++i)
        renamed = m_aColNames[i] != m_aOrigColNames[i];
    if (!renamed)
        return 1;
    sql = DataRules::TranslateColumnNames(sql, table,
                                          [&](const CString& visible, CString& stored)
                                          {
                                              const int i = IndexOf(m_aColNames, visible);
                                              if (i < 0 || i >= known)
                                                  return false;
                                              stored = m_aOrigColNames[i];
                                              return true;
                                          });
    return 1;
}

void CData::AddColBeforeCreateTable(CString name, int type, int size, int decimals)
{
    m_aColNames.Add(name);
    m_aColTypes.Add(type);
    m_aColSizes.Add(size);
    m_aColDecimals.Add(decimals);
    ++m_nColCount;
}

int CData::CreateTable(CString name)
{
    if (m_nTable != -1)
        return 0;
    const int made = RunDao(
        [&]
        {
            CDaoTableDef table_def(&m_db);
            table_def.Create(name, 0, nullptr, nullptr);
            for (int i = 0; i < m_nColCount; ++i)
            {
                const int type = m_aColTypes[i];
                const CString stored = DataRules::MakeStoredName(m_aColNames[i], IsNumberType(type, 1, 1),
                                                                 m_aColDecimals[i], m_cSeparator);
                table_def.CreateField(stored, static_cast<short>(type), m_aColSizes[i], dbUpdatableField);
            }
            table_def.Append();
            table_def.Close();
        });
    if (!made)
    {
        CloseTable();
        return 0;
    }
    CString table = name;
    if (IsWorkbookType(GetFileType()) && table.Right(1) != "$")
        table += "$";
    Clear(0);
    if (!SetTablesInfo() || !OpenTable(table, CString(), 0))
        return 0;
    m_strTable = table;
    return 1;
}

int CData::CopyTable(CString path, int table, CData* target)
{
    if (table < 0 || table >= m_nTableCount)
        return 0;
    std::unique_ptr<CData> local;
    if (!target)
    {
        local = std::make_unique<CData>();
        target = local.get();
    }
    target->m_bShowErrors = m_bShowErrors;
    const bool targetWasOpen = target->IsOpen();
    const CString type = GetFileType();
    if (type == "?")
        return 0;
    if (!targetWasOpen && !target->Open(path, type, 0, 0))
        return 0;
    auto finish = [&](int result)
    {
        CloseTable();
        target->CloseTable();
        if (!targetWasOpen)
            result = target->CloseDatabase() && result;
        return result;
    };
    if (!IsOpenTable(table) && !OpenTable(table, CString(), 0))
        return finish(0);
    // The stored names go over unchanged, so that "name;n" survives whatever the types.
    target->CloseTable();
    for (int c = 0; c < m_nColCount; ++c)
        target->AddColBeforeCreateTable(m_aOrigColNames[c], m_aColTypes[c], m_aColSizes[c],
                                        DataRules::kNoDecimals);
    CString name = m_aTableNames[table];
    if (IsWorkbookType(type))
        name = WithoutSheetSuffix(name);
    if (!target->CreateTable(name))
        return finish(0);
    return finish(CopyRows(*target));
}

// Each row goes over as the file holds it, so that a cell of another type than its column
// (a text in a number column) is not lost.
int CData::CopyRows(CData& target)
{
    if (m_nRecordCount == 0)
        return 1;
    if (target.m_nTable == -1 || !target.m_rs.IsOpen())
        return 0;
    if (!RunDao([&] { target.m_rs.AppendStoredRows(m_rs, 0, m_nRecordCount, m_nColCount); }))
        return 0;
    m_nCurRecord = m_nRecordCount - 1;
    target.m_nCurRecord = target.m_nRecordCount + m_nRecordCount - 1;
    target.m_nRecordCount += m_nRecordCount;
    return 1;
}

int CData::DeleteTable(CString name)
{
    if (name.IsEmpty() || name == m_strTable)
    {
        name = m_strTable;
        CloseTable();
    }
    if (!IsTable(name))
        return 0;
    if (!RunDao([&] { m_db.DeleteTableDef(name); }))
        return 0;
    return ReOpen();
}

int CData::RenameTable(CString newName, CString oldName)
{
    if (newName.GetLength() > 64 || newName.FindOneOf(" .,;") >= 0)
        return 0;
    bool reopen = false;
    if (oldName.IsEmpty() || oldName == m_strTable)
    {
        oldName = m_strTable;
        reopen = m_nTable != -1;
        CloseTable();
    }
    const int index = GetTableIndex(oldName);
    if (index < 0)
        return 0;
    // A workbook lists a sheet as "<name>$"; the sheet itself is named without the "$".
    const bool sheet = IsWorkbookType(GetFileType()) && oldName.Right(1) == "$";
    const CString storedName = sheet ? WithoutSheetSuffix(newName) : newName;
    if (!RunDao(
            [&]
            {
                CDaoTableDef table_def(&m_db);
                table_def.Open(oldName);
                table_def.SetName(storedName);
                table_def.Close();
            }))
        return 0;
    m_aTableNames[index] = sheet ? storedName + "$" : newName;
    if (reopen && !OpenTable(m_aTableNames[index], CString(), 0))
        return 0;
    return 1;
}
