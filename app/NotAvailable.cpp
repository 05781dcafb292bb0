#include "app/NotAvailable.h"

#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "platform/core/MessageBox.h"
#include "platform/frame/CWinApp.h"
#include "platform/ui/CWnd.h"

void ShowNotAvailable()
{
    CString text;
    text.LoadString(IDS_NOT_AVAILABLE);
    CWnd* main = AfxGetMainWnd();
    MessageBox(main ? main->GetSafeHwnd() : nullptr, text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONINFORMATION);
}
