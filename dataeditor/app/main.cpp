// The catalogue data editor Sobrel.
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/EditorDialogs.h"
#include "platform/ui/DialogShot.h"

#include <QApplication>

namespace
{
CSobrelApp theApp;
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The dialogs' texts lie in the language pack.
    if (DialogShot::RequestedFolder(argc, argv) && !PrepareDialogPictures(theApp))
        return 1;
    if (DialogShot::RunFromCommandLine(argc, argv))
        return 0;
    return AfxWinMain(argc, argv);
}
