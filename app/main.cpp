#include "app/CMekrApp.h"
#include "app/ProgramDialogs.h"

#include "platform/ui/DialogShot.h"

#include <QApplication>

CMekrApp theApp;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    RegisterProgramDialogs();
    if (DialogShot::RunFromCommandLine(argc, argv))
        return 0;
    return AfxWinMain(argc, argv);
}
