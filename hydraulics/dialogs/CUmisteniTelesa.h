#pragma once
// Where the radiator stands in the heated room (three variants).

#include "hydraulics/dialogs/CFactorChoiceDlg.h"

class CUmisteniTelesa : public CFactorChoiceDlg
{
public:
    explicit CUmisteniTelesa(CWnd* parent = nullptr);
};
