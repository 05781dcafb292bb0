#include "hydraulics/dialogs/CZakrytiTelesa.h"

#include "hydraulics/dialogs/HydraulicsResource.h"

CZakrytiTelesa::CZakrytiTelesa(CWnd* parent) : CFactorChoiceDlg(IDD_ZAKRYTI_TELESA, RadiatorFactorTable::Cover, parent) {}
