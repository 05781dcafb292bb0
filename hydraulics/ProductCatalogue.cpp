#include "hydraulics/ProductCatalogue.h"

#include "common/CommonRoutines.h"
#include "common/OpenWorkbookTable.h"
#include "datalib/CData.h"
#include "datalib/SqlTextLiteral.h"
#include "hydraulics/NumberReading.h"

namespace
{
// The literal between the quotes of a LIKE pattern: apostrophes doubled.
CString QuotedInside(const CString& text)
{
    CString quoted = SqlTextLiteral(text);
    return quoted.Mid(1, quoted.GetLength() - 2);
}

CString Bracketed(const CString& name)
{
    return "[" + name + "]";
}
} // namespace

CString ProductCatalogue::ProductCode(int maker, int record)
{
    CString code;
    code.Format("%04d-%04d", maker, record);
    return code;
}

CString ProductCatalogue::MakerListPath(const CString& folder)
{
    return JoinPath(folder, MakerListFile);
}

CString ProductCatalogue::CataloguePath(const CString& folder, int maker)
{
    CString name;
    name.Format("ZVK-%04d.XLS", maker);
    return JoinPath(folder, name);
}

CString ProductCatalogue::ByRecord(const CString& table, const CString& column, long record)
{
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%ld", table.GetString(), column.GetString(), record);
    return sql;
}

CString ProductCatalogue::ByRecordList(const CString& table, const CString& column, const CString& records)
{
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s] IN (%s)", table.GetString(), column.GetString(), records.GetString());
    return sql;
}

CString ProductCatalogue::Containing(const CString& table, const CString& column, const CString& text)
{
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s] LIKE '*%s*'", table.GetString(), column.GetString(),
               QuotedInside(text).GetString());
    return sql;
}

CString ProductCatalogue::ByTextWithPositive(const CString& table, const CString& column, const CString& text,
                                             const CString& numberColumn)
{
    return "SELECT * FROM " + Bracketed(table) + " WHERE " + Bracketed(column) + "=" + SqlTextLiteral(text) +
           " AND " + Bracketed(numberColumn) + " > 0";
}

CString ProductCatalogue::ByTwoTexts(const CString& table, const CString& column1, const CString& text1,
                                     const CString& column2, const CString& text2)
{
    return "SELECT * FROM " + Bracketed(table) + " WHERE " + Bracketed(column1) + "=" + SqlTextLiteral(text1) +
           " AND " + Bracketed(column2) + "=" + SqlTextLiteral(text2);
}

CString ProductCatalogue::ByText(const CString& table, const CString& column, const CString& text)
{
    return "SELECT * FROM " + Bracketed(table) + " WHERE " + Bracketed(column) + "=" + SqlTextLiteral(text);
}

std::vector<ProductCatalogue::PipeMaker> ProductCatalogue::PipeMakers(const CString& folder)
{
    std::vector<PipeMaker> makers;
    CData data;
    if (OpenWorkbookTable(data, MakerListPath(folder), PipeMakersSheet, "") != 0)
        return makers;
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        CString number;
        data.GetStringValue("ČísloDatabáze", number, r, -1, 0);
        if (number.Trim().IsEmpty())
            continue;
        PipeMaker maker;
        maker.number = ReadInteger(number);
        data.GetStringValue("Výrobce otopných trubek", maker.name, r, -1, 0);
        data.GetStringValue("Vyhledat", maker.search, r, -1, 0);
        makers.push_back(maker);
    }
    data.CloseTable();
    data.Close();
    return makers;
}

std::vector<ProductCatalogue::Product> ProductCatalogue::Products(const CString& folder, int maker,
                                                                  const CString& sql)
{
    std::vector<Product> products;
    CData data;
    if (OpenWorkbookTable(data, CataloguePath(folder, maker), DataSheet, sql) != 0)
        return products;
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        Product product;
        for (int c = 0; c < data.m_nColCount; ++c)
        {
            CString text;
            data.GetStringValue(c, text, r, -1);
            product[data.m_aColNames[c]] = text;
        }
        products.push_back(product);
    }
    data.CloseTable();
    data.Close();
    return products;
}
