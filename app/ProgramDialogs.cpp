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
#include "floorwall/dialogs/CNavrhStenovky.h"
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
#include "heatloss/dialogs/CDataGridDialog.h"
#include "heatloss/dialogs/COpeningPicker.h"
#include "heatloss/dialogs/CRoom_Te.h"
#include "heatloss/dialogs/CWall_Ti_Vedl.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "heatloss/ProjectModel.h"
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
#include "hydraulics/ui/CDimenzRozvodu.h"
#include "hydraulics/ui/SizingIds.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "platform/ui/DialogShot.h"

#include "platform/ui/CComboBox.h"

#include <memory>

namespace
{
// A catalogue picker's picture: its first entry chosen as the user chooses it, so that the
// picture shows a catalogue row with its values.
void ChooseFirstEntry(CDialog& dialog)
{
    for (CWnd* child = dialog.GetTopWindow(); child; child = child->GetNextWindow())
    {
        auto* list = dynamic_cast<CComboBox*>(child);
        if (!list || list->GetCount() == 0)
            continue;
        list->SetCurSel(0);
        const int id = list->GetDlgCtrlID();
        for (const UINT code : {CBN_SELCHANGE, CBN_CLOSEUP})
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(list->m_hWnd));
        return;
    }
}
} // namespace

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
    DialogShot::RegisterClass(IDD_BASE_TE, [] { return std::make_unique<CBase_Te>(); }, ChooseFirstEntry);
    DialogShot::RegisterClass(IDD_BASE_TYP, [] { return std::make_unique<CBase_Typ>(); });
    DialogShot::RegisterClass(IDD_VYSLEDKY, [] { return std::make_unique<CVysledky>(); });
    DialogShot::RegisterClass(IDD_WALL_K, [] {
        auto dialog = std::make_unique<CWall_K>();
        dialog->m_strKind = "SO";
        return dialog;
    });
    // The catalogue pickers, for the building type and the outdoor temperature of the project.
    DialogShot::RegisterClass(IDD_WINDOW_K, [] { return std::make_unique<CWindow_K>(); }, ChooseFirstEntry);
    DialogShot::RegisterClass(IDD_WINDOW_I, [] { return std::make_unique<CWindow_I>(); }, ChooseFirstEntry);
    DialogShot::RegisterClass(IDD_WINDOW_OT, [] { return std::make_unique<CWindow_OT>(); });
    DialogShot::RegisterClass(
        IDD_ROOM_TE,
        [] {
            const int type = ProjectModel::Instance().Header.buildingType;
            return std::make_unique<CRoom_Te>(type > 0 ? type : 1);
        },
        ChooseFirstEntry);
    DialogShot::RegisterClass(IDD_WALL_TI_VEDL,
                              [] { return std::make_unique<CWall_Ti_Vedl>(ProjectModel::Instance().Header.Te); });
    DialogShot::RegisterClass(IDD_INDEXY_ROZDELOVACE, [] { return std::make_unique<CIndexyRozdelovace>(); });
    DialogShot::RegisterClass(IDD_NASTAV_VYPOCET_PODL, [] { return std::make_unique<CNastavVypocetPodl>(); });
    DialogShot::RegisterClass(IDD_NAZEV_SKLADBY, [] { return std::make_unique<CNazevSkladby>(); });
    // The grids of the project in use, loaded as their commands load them.
    DialogShot::RegisterClass(IDD_NAVRH_PODLAHOVKY, [] {
        auto dialog = std::make_unique<CNavrhPodlahovky>();
        dialog->LoadProjectData();
        dialog->m_design.m_calc.CollectPipeSpacings();
        dialog->ResetRoomSums();
        dialog->AssignPipes(FALSE);
        return dialog;
    });
    DialogShot::RegisterClass(IDD_DATA_GRID, [] { return std::make_unique<CDataGridDialog>(); });
    DialogShot::RegisterClass(IDD_NAVRH_STENOVKY, [] { return std::make_unique<CNavrhStenovky>(); });
    DialogShot::RegisterClass(IDD_DIMENZ_ROZVODU, [] { return std::make_unique<CDimenzRozvodu>(); });
    DialogShot::RegisterClass(IDD_BILANCE_MAT, [] { return std::make_unique<CBilanceMatPodlah>(); });
    DialogShot::RegisterClass(IDD_DOTAZ_VYBAVENI, [] { return std::make_unique<CDotazVybaveni>(); });
    DialogShot::RegisterClass(IDD_DRUHY_KONSTRUKCI, [] { return std::make_unique<CDruhyKonstrukci>(); });
    DialogShot::RegisterClass(IDD_PARAM_SOUST_TYP_A, [] { return std::make_unique<CParamSoustTypA>(); });
    DialogShot::RegisterClass(IDD_SKLADBA_PODLAHY, [] { return std::make_unique<CSkladbaPodlahy>(); });
}
