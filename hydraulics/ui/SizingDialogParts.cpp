#include "hydraulics/ui/SizingDialogParts.h"

#include "common/AppSettings.h"
#include "controls/grid/CGridCtrl.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WinApi.h"

namespace
{
int ShowText(CWnd& owner, const CString& text, UINT type)
{
    const AppSettings& settings = AppSettings::Get();
    const CString& caption = (type & MB_TYPEMASK) == MB_YESNO ? settings.QuestionCaption() : settings.WarningCaption();
    return MessageBox(owner.GetSafeHwnd(), text, caption, type);
}
} // namespace

int ShowSizingMessage(CWnd& owner, UINT stringId, UINT type, const CString& argument, int number)
{
    CString format;
    format.LoadString(stringId);
    CString text;
    text.Format(format.GetString(), argument.GetString(), number);
    return ShowText(owner, text, type);
}

int ShowSizingNumberMessage(CWnd& owner, UINT stringId, UINT type, int number)
{
    CString format;
    format.LoadString(stringId);
    CString text;
    text.Format(format.GetString(), number);
    return ShowText(owner, text, type);
}
