#pragma once
// The makers' product catalogues in the price-list folder: the maker list "ZVK-VYROBCI.xls"
// with its sheet "Trubky$", and one catalogue "ZVK-%04d.XLS" a maker with its sheet "Data$".
// Read only; every reading opens, reads and closes.

#include "platform/core/CString.h"

#include <map>
#include <vector>

class ProductCatalogue
{
public:
    static constexpr const char* MakerListFile = "ZVK-VYROBCI.xls";
    static constexpr const char* PipeMakersSheet = "Trubky$";
    static constexpr const char* DataSheet = "Data$";
    static constexpr const char* RecordColumn = "Věta";
    static constexpr const char* DistributionPipes = "102,203,204,205,206,207,209,212,213";

    // "%04d-%04d": maker number, record number.
    static CString ProductCode(int maker, int record);
    static CString MakerListPath(const CString& folder);
    static CString CataloguePath(const CString& folder, int maker);

    // The query texts; text values are quoted safely.
    static CString ByRecord(const CString& table, const CString& column, long record);
    static CString ByRecordList(const CString& table, const CString& column, const CString& records);
    static CString Containing(const CString& table, const CString& column, const CString& text);
    static CString ByTextWithPositive(const CString& table, const CString& column, const CString& text,
                                      const CString& numberColumn);
    static CString ByTwoTexts(const CString& table, const CString& column1, const CString& text1,
                              const CString& column2, const CString& text2);
    static CString ByText(const CString& table, const CString& column, const CString& text);

    struct PipeMaker
    {
        int number = 0;
        CString name;
        CString search;
    };
    // The pipe makers of the maker list; rows without a maker number are skipped. Empty when
    // the workbook does not open (its message shown).
    static std::vector<PipeMaker> PipeMakers(const CString& folder);

    // The rows a query selects from a maker's catalogue, each as column → text. Empty when the
    // workbook or the query does not open (its message shown).
    using Product = std::map<CString, CString>;
    static std::vector<Product> Products(const CString& folder, int maker, const CString& sql);
};
