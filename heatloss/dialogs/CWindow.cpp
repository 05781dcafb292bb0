#include "heatloss/dialogs/CWindow.h"

#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "heatloss/OpeningEntry.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/COpeningPicker.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/FieldTexts.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace
{
template <class Picker>
int RunPicker(CWnd* owner)
{
    Picker picker(owner);
    return int(picker.DoModal());
}
} // namespace

const char* const CWindow::Kinds[5] = {"OJ -okno jednoduché", "OZ -okno zdvojené", "OD -okno dvojité",
                                       "DO -dveře venkovní", "DN -dveře vnitřní"};

BEGIN_MESSAGE_MAP(CWindow, CElementDialog)
ON_BN_CLICKED(IDC_WIN_OK, OnConfirm)
ON_EN_KILLFOCUS(IDC_WIN_WIDTH, OnSizeLeft)
ON_EN_KILLFOCUS(IDC_WIN_HEIGHT, OnSizeLeft)
ON_BN_CLICKED(IDC_WIN_PICK_U, OnPickU)
ON_BN_CLICKED(IDC_WIN_PICK_I, OnPickI)
ON_BN_CLICKED(IDC_WIN_PICK_OPENING, OnPickOpening)
ON_BN_CLICKED(IDC_WIN_CAD_WIDTH, OnCadWidth)
ON_BN_CLICKED(IDC_WIN_CAD_HEIGHT, OnCadHeight)
ON_BN_CLICKED(IDC_WIN_CAD_COUNT, OnCadCount)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_WIN_WIDTH, IDC_WIN_COUNT, OnFieldFocused)
END_MESSAGE_MAP()

CWindow::CWindow(ProjectModel& model, CWnd* parent) : CElementDialog(IDD_WINDOW, parent), m_model(model)
{
    m_pickU = [this] { return RunPicker<CWindow_K>(this); };
    m_pickI = [this] { return RunPicker<CWindow_I>(this); };
    m_pickOpening = [this] { return RunPicker<CWindow_OT>(this); };
}

BOOL CWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    SetUpCadButtons();
    const InputCursor& at = m_model.Cursor;
    const auto& opening = m_model.Openings.At(at.room, at.wall, at.opening);
    SetDlgItemText(IDC_WIN_SLOT, WholeText(at.opening));
    SetDlgItemText(IDC_WIN_WIDTH, WholeText(opening.length));
    SetDlgItemText(IDC_WIN_HEIGHT, WholeText(opening.height));
    SetDlgItemText(IDC_WIN_U, RealText("%9.3f", opening.U));
    SetDlgItemText(IDC_WIN_I, RealText("%9.3f", opening.i));
    SetDlgItemText(IDC_WIN_JOINT, WholeText(opening.jointLength));
    SetDlgItemText(IDC_WIN_COUNT, WholeText(opening.count));
    ShowCircumference(false);
    auto* kinds = static_cast<CComboBox*>(GetDlgItem(IDC_WIN_KIND));
    int chosen = -1;
    for (int k = 0; k < 5; ++k)
    {
        kinds->AddString(Kinds[k]);
        if (chosen < 0 && !opening.code.IsEmpty() &&
            CString(Kinds[k]).Left(opening.code.GetLength()).CompareNoCase(opening.code) == 0)
            chosen = k;
    }
    kinds->SetCurSel(chosen);
    return TRUE;
}

void CWindow::SetUpCadButtons()
{
    SetUpCadButton(m_cadWidth, IDC_WIN_CAD_WIDTH);
    SetUpCadButton(m_cadHeight, IDC_WIN_CAD_HEIGHT);
    SetUpCadButton(m_cadCount, IDC_WIN_CAD_COUNT);
}

int CWindow::Whole(int id) const
{
    return NumberText::ToInt(FieldText(*this, id).str());
}

double CWindow::Decimal(int id) const
{
    return NumberText::ToDouble(LocalizeDecimalSeparator(FieldText(*this, id)).str());
}

void CWindow::ShowCircumference(bool joint)
{
    const long circumference = 2L * Whole(IDC_WIN_HEIGHT) + 2L * Whole(IDC_WIN_WIDTH);
    SetDlgItemText(IDC_WIN_CIRCUMFERENCE, WholeText(circumference));
    if (joint)
        SetDlgItemText(IDC_WIN_JOINT, WholeText(circumference));
}

void CWindow::OnSizeLeft()
{
    ShowCircumference(true);
}

void CWindow::OnPickU()
{
    if (m_pickU && m_pickU() == IDOK)
        SetDlgItemText(IDC_WIN_U, RealText("%9.3f", OpeningEntry::Instance().U));
}

void CWindow::OnPickI()
{
    if (m_pickI && m_pickI() == IDOK)
        SetDlgItemText(IDC_WIN_I, RealText("%9.3f", OpeningEntry::Instance().i));
}

void CWindow::OnPickOpening()
{
    if (!m_pickOpening || m_pickOpening() != IDOK)
        return;
    const OpeningEntry& entry = OpeningEntry::Instance();
    SetDlgItemText(IDC_WIN_WIDTH, WholeText(entry.width));
    SetDlgItemText(IDC_WIN_HEIGHT, WholeText(entry.height));
    SetDlgItemText(IDC_WIN_U, RealText("%9.3f", entry.U));
    SetDlgItemText(IDC_WIN_I, RealText("%9.3f", entry.i));
    if (entry.jointLength > 0)
        SetDlgItemText(IDC_WIN_JOINT, WholeText(entry.jointLength));
    SetDlgItemText(IDC_WIN_COUNT, WholeText(entry.count));
    ShowCircumference(false);
}

void CWindow::TakeCadDistance(CVorbica& button, int id)
{
    const double distance = button.PoStiskuVzdal();
    SetDlgItemText(id, distance < 0 ? CString() : RealText("%.0f", distance));
    ShowCircumference(true);
}

void CWindow::OnCadWidth()
{
    TakeCadDistance(m_cadWidth, IDC_WIN_WIDTH);
}

void CWindow::OnCadHeight()
{
    TakeCadDistance(m_cadHeight, IDC_WIN_HEIGHT);
}

void CWindow::OnCadCount()
{
    const long count = m_cadCount.PoStiskuVyber();
    SetDlgItemText(IDC_WIN_COUNT, count < 0 ? CString() : WholeText(count));
}

void CWindow::OnConfirm()
{
    const int width = Whole(IDC_WIN_WIDTH);
    const int height = Whole(IDC_WIN_HEIGHT);
    const double U = Decimal(IDC_WIN_U);
    const double i = Decimal(IDC_WIN_I);
    int joint = Whole(IDC_WIN_JOINT);
    if (joint <= 0) // the circumference; a width or height out of range is refused below
        joint = int(std::clamp(2LL * height + 2LL * width, 0LL, (long long)INT_MAX));
    const int count = Whole(IDC_WIN_COUNT);
    if (!Accepts(IDC_WIN_COUNT, InputField::OpeningCount, count))
        return;
    auto* kinds = static_cast<CComboBox*>(GetDlgItem(IDC_WIN_KIND));
    if (kinds->GetCurSel() < 0)
    {
        CString text;
        text.LoadString(IDS_NOT_FILLED_IN);
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::tuple<int, InputField, double> fields[] = {
        {IDC_WIN_WIDTH, InputField::OpeningLength, width}, {IDC_WIN_HEIGHT, InputField::OpeningHeight, height},
        {IDC_WIN_U, InputField::OpeningU, U},              {IDC_WIN_I, InputField::OpeningI, i},
        {IDC_WIN_JOINT, InputField::OpeningJointLength, joint}};
    for (const auto& [id, field, value] : fields)
        if (!Accepts(id, field, value))
            return;
    CString kind;
    kinds->GetLBText(kinds->GetCurSel(), kind);
    OpeningEntry& entry = OpeningEntry::Instance();
    entry.code = kind.Left(3);
    entry.slot = Whole(IDC_WIN_SLOT);
    entry.width = width;
    entry.height = height;
    entry.U = U;
    entry.i = i;
    entry.jointLength = joint;
    entry.count = count;
    EndDialog(IDOK);
}

int EditOpening(ProjectModel& model)
{
    CWindow dialog(model);
    const int result = int(dialog.DoModal());
    if (result != IDOK)
        return result;
    const OpeningEntry& entry = OpeningEntry::Instance();
    const InputCursor& at = model.Cursor;
    auto& opening = model.Openings.At(at.room, at.wall, at.opening);
    opening.U = entry.U;
    opening.height = entry.height;
    opening.i = entry.i;
    opening.length = entry.width;
    opening.count = entry.count;
    opening.jointLength = entry.jointLength;
    opening.code = entry.code;
    return result;
}
