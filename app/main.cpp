#include "app/CMekrApp.h"
#include "app/DialogPictures.h"
#include "app/ProgramDialogs.h"
#include "platform/ui/DialogShot.h"

#include <QApplication>

CMekrApp theApp;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    RegisterProgramDialogs();
    if (const char* folder = DialogShot::RequestedFolder(argc, argv))
        return RenderProgramDialogs(theApp, folder);
    return AfxWinMain(argc, argv);
}
