#include "hydraulics/CTopnaTrubka.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "datalib/CData.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ProductCatalogue.h"

IMPLEMENT_DYNCREATE(CTopnaTrubka, CObject)

namespace
{
// The value of the column in row 0, or the current value when the cell is not above 0.
void ReadPositive(CData& data, const char* column, double& value)
{
    CString text;
    data.GetStringValue(column, text, 0, -1, 0);
    const double read = ReadNumber(text);
    if (read > 0.0)
        value = read;
}
} // namespace

void CTopnaTrubka::ResetValues()
{
    const CTopnaTrubka defaults;
    m_dOuterDiameter = defaults.m_dOuterDiameter;
    m_dCoatingDiameter = defaults.m_dCoatingDiameter;
    m_dWallThickness = defaults.m_dWallThickness;
    m_dPipeConductivity = defaults.m_dPipeConductivity;
    m_dCoatingConductivity = defaults.m_dCoatingConductivity;
}

int CTopnaTrubka::LoadFromDatabase(CString code)
{
    m_strCode = code;
    ResetValues();
    const int maker = ReadInteger(code.Left(4));
    const int item = ReadInteger(code.Right(4));
    const CString sql = ProductCatalogue::ByRecord(ProductCatalogue::DataSheet, ProductCatalogue::RecordColumn, item);
    CData data;
    const CString path = ProductCatalogue::CataloguePath(AppSettings::Get().PathList, maker);
    if (OpenWorkbookTable(data, path, ProductCatalogue::DataSheet, sql) < 0)
        return 0;
    if (data.m_nRecordCount == 1)
    {
        ReadPositive(data, "Průměr trubky", m_dOuterDiameter);
        ReadPositive(data, "Průměr povlaku", m_dCoatingDiameter);
        ReadPositive(data, "TepVod trubky", m_dPipeConductivity);
        ReadPositive(data, "TepVod povlaku", m_dCoatingConductivity);
        ReadPositive(data, "Tloušťka stěny", m_dWallThickness);
    }
    data.CloseTable();
    data.Close();
    return 1;
}

void CTopnaTrubka::CopyFrom(const CTopnaTrubka* other)
{
    if (!other)
        return;
    m_strCode = other->m_strCode;
    m_dOuterDiameter = other->m_dOuterDiameter;
    m_dCoatingDiameter = other->m_dCoatingDiameter;
    m_dWallThickness = other->m_dWallThickness;
    m_dPipeConductivity = other->m_dPipeConductivity;
    m_dCoatingConductivity = other->m_dCoatingConductivity;
}
