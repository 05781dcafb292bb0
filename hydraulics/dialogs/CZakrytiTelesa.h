#pragma once
// How the radiator is covered (eight variants).

#include "hydraulics/dialogs/CFactorChoiceDlg.h"

class CZakrytiTelesa : public CFactorChoiceDlg
{
public:
    explicit CZakrytiTelesa(CWnd* parent = nullptr);
};
