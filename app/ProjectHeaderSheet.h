#pragma once
// The header sheet "DataAkce$" of a project workbook: row 0 holds the project header, the
// version mark and the project's calculation settings; row 1 holds only the minimum spreading
// difference under "ZakladSigma".

#include "platform/core/CString.h"

class AppSettings;
class CData;
struct ProjectHeader;

// The radiator catalogue choice of the header; written only while a catalogue is chosen.
struct RadiatorCatalogueChoice
{
    bool chosen = false;
    int priceList = 0;
    CString condition;
    CString lengthChoice;
    CString widthChoice;
    CString heightChoice;
};

class ProjectHeaderSheet
{
public:
    ProjectHeaderSheet(ProjectHeader& header, AppSettings& settings, RadiatorCatalogueChoice& radiators,
                       CString& version);

    // Reads the header from the sheet open in data. A column the sheet does not hold changes
    // nothing.
    void Read(CData& data);
    // Writes the header into the sheet open in data (rows added as needed); 0 when a value
    // could not be written.
    int Write(CData& data);

    // The columns of the sheet open in data that no part of the program reads or writes,
    // parted by ", "; empty when there are none.
    static CString UnknownColumns(CData& data);

    // The altitude text without trailing "0" characters after a decimal separator, then
    // without a trailing separator ("200" stays, "200,50" gives "200,5", "200.0" gives "200").
    static CString WithoutTrailingZeros(const CString& number);

private:
    CString Value(CData& data, UINT column, int row = 0);
    bool Has(CData& data, UINT column);
    void ReadTemperatureDrop(const CString& text);
    void ReadPositive(CData& data, UINT column, double& setting, int row = 0);

    ProjectHeader& m_header;
    AppSettings& m_settings;
    RadiatorCatalogueChoice& m_radiators;
    CString& m_version;
};
