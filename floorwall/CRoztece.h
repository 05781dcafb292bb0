#pragma once
// One series of allowed pipe spacings of an underfloor heating system: an arithmetic range
// (step, from, to), the spacings it yields and whether the design uses it.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CGridCtrl;

class CRoztece : public CObject
{
    DECLARE_SERIAL(CRoztece)

public:
    CRoztece();
    ~CRoztece() override = default;

    void Serialize(CArchive&) override {}

    // The second series of the program's defaults: 0.05 to 0.3 by 0.05, not in use.
    static CRoztece* CreateFineSeries();

    // Spacings from "from" by "step" up to "to"; always at least "from".
    void BuildSpacings();
    // Spacings from "from" to "to" by "step", each sum passed through "%.3f" text.
    void BuildRoundedSpacings();
    // The flags for the chosen floor system code and the smallest spacing.
    void UpdateFlags(const CString& systemCode, double minimumSpacing);
    int GetImageIndex() const;
    // The text of a grid column 1 to 4 (step, from, to, spacings); empty for another column.
    CString ColumnText(int column) const;
    // Writes the series into one row of the settings grid (dialog library).
    void FillGridRow(int row, CGridCtrl* grid) const;

    double m_dStep = 0.075;  // m
    double m_dFrom = 0.075;  // m
    double m_dTo = 0.3;      // m
    std::vector<double> m_spacings; // m, ascending
    int m_nUse = 1;
    int m_nSystem0072 = 1;
};
