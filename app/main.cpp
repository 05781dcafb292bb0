#include "app/CMekrApp.h"
#include "app/ProgramDialogs.h"
#include "common/AppSettings.h"
#include "platform/gdi/SystemMetrics.h"

#include "platform/ui/DialogShot.h"

#include <QApplication>

CMekrApp theApp;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    RegisterProgramDialogs();
    // The pictures of the dialogs show the program's start values and colours.
    AppSettings::Get().SetStartValues(GetSysColor(COLOR_INACTIVEBORDER));
    if (DialogShot::RunFromCommandLine(argc, argv))
        return 0;
    return AfxWinMain(argc, argv);
}
