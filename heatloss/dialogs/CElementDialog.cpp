#include "heatloss/dialogs/CElementDialog.h"

#include "common/AppSettings.h"
#include "cadlink/buttons/CVorbica.h"
#include "controls/dialogs/DialogSupport.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CEdit.h"

namespace
{
constexpr int kNoCad = 120;
} // namespace

void CElementDialog::OnOK()
{
    NextDlgCtrl();
}

void CElementDialog::OnFieldFocused(UINT id)
{
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(int(id))))
        edit->SetSel(0, -1);
}

void CElementDialog::Focus(int id)
{
    CWnd* control = GetDlgItem(id);
    GotoDlgCtrl(control);
    if (auto* edit = dynamic_cast<CEdit*>(control))
        edit->SetSel(0, -1);
}

bool CElementDialog::Accepts(int id, InputField field, double value)
{
    const CString typed = FieldText(*this, id);
    if (TypedInRange(field, value) && !NumberText::IsNonFinite(typed.str()))
        return true;
    TypedOutOfRange(field, typed).Show(GetSafeHwnd());
    Focus(id);
    return false;
}

void CElementDialog::SetUpCadButton(CVorbica& button, int id, bool offered)
{
    const AppSettings& settings = AppSettings::Get();
    const bool cad = settings.ProCAD != kNoCad;
    button.SubclassDlgItem(id, this);
    button.m_kodCAD = settings.ProCAD;
    if (cad)
        button.SetIcon(settings.CadIcon);
    button.EnableWindow(cad);
    button.ShowWindow(cad && offered ? SW_SHOW : SW_HIDE);
}
