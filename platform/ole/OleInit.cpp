#include "platform/ole/OleInit.h"

#include "platform/ole/SafeArray.h"

BOOL AfxOleInit()
{
    SafeArrayInstallVariantHooks();
    return TRUE;
}
