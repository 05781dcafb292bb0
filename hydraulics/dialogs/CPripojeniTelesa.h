#pragma once
// How the radiator is connected (five variants).

#include "hydraulics/dialogs/CFactorChoiceDlg.h"

class CPripojeniTelesa : public CFactorChoiceDlg
{
public:
    explicit CPripojeniTelesa(CWnd* parent = nullptr);
};
