#include "hydraulics/dialogs/CUmisteniTelesa.h"

#include "hydraulics/dialogs/HydraulicsResource.h"

CUmisteniTelesa::CUmisteniTelesa(CWnd* parent) : CFactorChoiceDlg(IDD_UMISTENI_TELESA, RadiatorFactorTable::Placement, parent) {}
