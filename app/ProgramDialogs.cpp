#include "app/ProgramDialogs.h"

#include "app/CAboutDlg.h"
#include "app/CNastaveniAplikace.h"
#include "app/CNastaveniCestSouborum.h"
#include "app/CNastaveniSobrelem.h"
#include "app/CNastaveniVlastnik.h"
#include "app/MekrIds.h"
#include "cadlink/buttons/CVorbicaDlg.h"
#include "cadlink/buttons/VorbicaResource.h"
#include "platform/ui/DialogShot.h"

#include <memory>

void RegisterProgramDialogs()
{
    DialogShot::RegisterClass(IDD_ABOUTBOX, [] { return std::make_unique<CAboutDlg>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_CEST, [] { return std::make_unique<CNastaveniCestSouborum>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_APLIKACE, [] { return std::make_unique<CNastaveniAplikace>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_SOBREL, [] { return std::make_unique<CNastaveniSobrelem>(); });
    DialogShot::RegisterClass(IDD_NASTAVENI_VLASTNIK, [] { return std::make_unique<CNastaveniVlastnik>(); });
    DialogShot::RegisterClass(IDD_VORBICA, [] { return std::make_unique<CVorbicaDlg>(); });
}
