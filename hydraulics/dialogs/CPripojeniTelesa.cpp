#include "hydraulics/dialogs/CPripojeniTelesa.h"

#include "hydraulics/dialogs/HydraulicsResource.h"

CPripojeniTelesa::CPripojeniTelesa(CWnd* parent) : CFactorChoiceDlg(IDD_PRIPOJENI_TELESA, RadiatorFactorTable::Connection, parent) {}
