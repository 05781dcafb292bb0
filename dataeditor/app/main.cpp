// The catalogue data editor Sobrel.
#include "dataeditor/app/CSobrelApp.h"
#include "platform/ui/DialogShot.h"

#include <QApplication>

namespace
{
CSobrelApp theApp;
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (DialogShot::RunFromCommandLine(argc, argv))
        return 0;
    return AfxWinMain(argc, argv);
}
