#include "app/ProgramDialogs.h"

#include "app/CAboutDlg.h"
#include "app/CNastaveniAplikace.h"
#include "app/CNastaveniCestSouborum.h"
#include "app/CNastaveniSobrelem.h"
#include "app/CNastaveniVlastnik.h"
#include "app/CPageSetupDlg.h"
#include "app/CVyberTiskSestavy.h"
#include "app/MekrIds.h"
#include "app/PrintIds.h"
#include "cadlink/buttons/CVorbicaDlg.h"
#include "cadlink/buttons/VorbicaResource.h"
#include "floorwall/dialogs/CBilanceMatPodlah.h"
#include "floorwall/dialogs/CDotazVybaveni.h"
#include "floorwall/dialogs/CDruhyKonstrukci.h"
#include "floorwall/dialogs/CSkladbaPodlahy.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/CNazevSkladby.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CKalkulackaPodlah.h"
#include "floorwall/dialogs/CNastavVypocetPodl.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "heatloss/dialogs/CBase.h"
#include "heatloss/dialogs/CBase_B.h"
#include "heatloss/dialogs/CBase_P2.h"
#include "heatloss/dialogs/CBase_Te.h"
#include "heatloss/dialogs/CBase_Typ.h"
#include "heatloss/dialogs/CVysledky.h"
#include "heatloss/dialogs/CWall_K.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "hydraulics/dialogs/CDeleniZtratKeKryti.h"
#include "hydraulics/dialogs/CPripojeniTelesa.h"
#include "hydraulics/dialogs/CTelesa.h"
#include "hydraulics/dialogs/CTopneMedium.h"
#include "hydraulics/dialogs/CUmisteniTelesa.h"
#include "hydraulics/dialogs/CZakrytiTelesa.h"
#include "hydraulics/dialogs/CZmenenePodminky.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "platform/ui/DialogShot.h"

#include <memory>

void RegisterProgramDialogs()
{
    DialogShot::RegisterClass(IDD_ABOUTBOX, [] { return std::make_unique<CAboutDlg>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_CEST, [] { return std::make_unique<CNastaveniCestSouborum>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_APLIKACE, [] { return std::make_unique<CNastaveniAplikace>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_SOBREL, [] { return std::make_unique<CNastaveniSobrelem>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_VLASTNIK, [] { return std::make_unique<CNastaveniVlastnik>(); });
    DialogShot::RegisterClass(IDD_PAGE_SETUP, [] { return std::make_unique<CPageSetupDlg>(); });
    DialogShot::RegisterClass(IDD_REPORT_CHOICE, [] { return std::make_unique<CVyberTiskSestavy>(); });
    DialogShot::RegisterClass(IDD_VORBICA, [] { return std::make_unique<CVorbicaDlg>(); });
    DialogShot::RegisterClass(IDD_TOPNE_MEDIUM, [] { return std::make_unique<CTopneMedium>(); });
    DialogShot::RegisterClass(IDD_ZMENENE_PODMINKY, [] { return std::make_unique<CZmenenePodminky>(); });
    DialogShot::RegisterClass(IDD_PRIPOJENI_TELESA, [] { return std::make_unique<CPripojeniTelesa>(); });
    DialogShot::RegisterClass(IDD_UMISTENI_TELESA, [] { return std::make_unique<CUmisteniTelesa>(); });
    DialogShot::RegisterClass(IDD_ZAKRYTI_TELESA, [] { return std::make_unique<CZakrytiTelesa>(); });
    DialogShot::RegisterClass(IDD_TELESA, [] { return std::make_unique<CTelesa>(); });
    DialogShot::RegisterClass(IDD_DELENI_ZTRAT, [] { return std::make_unique<CDeleniZtratKeKryti>(); });
    DialogShot::RegisterClass(IDD_BASE, [] { return std::make_unique<CBase>(); });
    DialogShot::RegisterClass(IDD_BASE_B, [] { return std::make_unique<CBase_B>(); });
    DialogShot::RegisterClass(IDD_BASE_P2, [] { return std::make_unique<CBase_P2>(); });
    DialogShot::RegisterClass(IDD_BASE_TE, [] { return std::make_unique<CBase_Te>(); });
    DialogShot::RegisterClass(IDD_BASE_TYP, [] { return std::make_unique<CBase_Typ>(); });
    DialogShot::RegisterClass(IDD_VYSLEDKY, [] { return std::make_unique<CVysledky>(); });
    DialogShot::RegisterClass(IDD_WALL_K, [] {
        auto dialog = std::make_unique<CWall_K>();
        dialog->m_strKind = "SO";
        return dialog;
    });
    DialogShot::RegisterClass(IDD_INDEXY_ROZDELOVACE, [] { return std::make_unique<CIndexyRozdelovace>(); });
    DialogShot::RegisterClass(IDD_NASTAV_VYPOCET_PODL, [] { return std::make_unique<CNastavVypocetPodl>(); });
    DialogShot::RegisterClass(IDD_NAZEV_SKLADBY, [] { return std::make_unique<CNazevSkladby>(); });
    DialogShot::RegisterClass(IDD_NAVRH_PODLAHOVKY, [] { return std::make_unique<CNavrhPodlahovky>(); });
    DialogShot::RegisterClass(IDD_BILANCE_MAT, [] { return std::make_unique<CBilanceMatPodlah>(); });
    DialogShot::RegisterClass(IDD_DOTAZ_VYBAVENI, [] { return std::make_unique<CDotazVybaveni>(); });
    DialogShot::RegisterClass(IDD_DRUHY_KONSTRUKCI, [] { return std::make_unique<CDruhyKonstrukci>(); });
    DialogShot::RegisterClass(IDD_PARAM_SOUST_TYP_A, [] { return std::make_unique<CParamSoustTypA>(); });
    DialogShot::RegisterClass(IDD_SKLADBA_PODLAHY, [] { return std::make_unique<CSkladbaPodlahy>(); });
}
