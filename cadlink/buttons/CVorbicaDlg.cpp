#include "cadlink/buttons/CVorbicaDlg.h"

#include "cadlink/buttons/VorbicaResource.h"

#include "platform/core/Modules.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/WinApi.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
struct CadChoice
{
    int code;
    UINT button;
    UINT radio;
    UINT icon; // 0: the detected AutoCAD LT release
};

// The CAD programs of the dialog; the last row is "no CAD".
constexpr CadChoice Choices[] = {
    {121, IDC_ACAD14, IDC_RADIO_ACAD14, IDI_ACAD14}, {122, IDC_ACADLT, IDC_RADIO_ACADLT, 0},
    {123, IDC_ACAD15, IDC_RADIO_ACAD15, IDI_ACAD15}, {124, IDC_ACAD02, IDC_RADIO_ACAD02, IDI_ACAD02},
    {125, IDC_ACAD04, IDC_RADIO_ACAD04, IDI_ACAD04}, {126, IDC_ARCH33, IDC_RADIO_ARCH33, IDI_ARCH33},
    {127, IDC_ICAD22, IDC_RADIO_ICAD22, IDI_ICAD22}, {128, IDC_ICAD30, IDC_RADIO_ICAD30, IDI_ICAD30},
    {129, IDC_TCAD80, IDC_RADIO_TCAD80, IDI_TCAD80}, {120, IDC_CADZADNY, IDC_RADIO_ZADNY, IDI_CADZADNY},
};

const CadChoice& ChoiceOf(int code)
{
    for (const CadChoice& choice : Choices)
        if (choice.code == code)
            return choice;
    return Choices[std::size(Choices) - 1];
}

// A registry value as text of at most 100 bytes; empty when the key or the value is missing.
std::string ReadText(HKEY root, const std::string& key, const char* name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyEx(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return {};
    char buffer[101] = {};
    DWORD size = 100;
    DWORD type = 0;
    const LONG status = RegQueryValueEx(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS ? std::string(buffer) : std::string();
}

std::string Upper(std::string text)
{
    return CString(text.c_str()).MakeUpper().GetString();
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}
} // namespace

BEGIN_MESSAGE_MAP(CVorbicaDlg, CDialog)
    ON_BN_CLICKED(IDC_ACAD14, OnAcad14)
    ON_BN_CLICKED(IDC_ACADLT, OnAcadLT)
    ON_BN_CLICKED(IDC_ACAD15, OnAcad15)
    ON_BN_CLICKED(IDC_ACAD02, OnAcad02)
    ON_BN_CLICKED(IDC_ACAD04, OnAcad04)
    ON_BN_CLICKED(IDC_ARCH33, OnArch33)
    ON_BN_CLICKED(IDC_ICAD22, OnIcad22)
    ON_BN_CLICKED(IDC_ICAD30, OnIcad30)
    ON_BN_CLICKED(IDC_TCAD80, OnTcad80)
    ON_BN_CLICKED(IDC_CADZADNY, OnCadZadny)
    ON_BN_CLICKED(IDC_RADIO_ACAD14, OnRadioAcad14)
    ON_BN_CLICKED(IDC_RADIO_ACADLT, OnRadioAcadLT)
    ON_BN_CLICKED(IDC_RADIO_ACAD15, OnRadioAcad15)
    ON_BN_CLICKED(IDC_RADIO_ACAD02, OnRadioAcad02)
    ON_BN_CLICKED(IDC_RADIO_ACAD04, OnRadioAcad04)
    ON_BN_CLICKED(IDC_RADIO_ARCH33, OnRadioArch33)
    ON_BN_CLICKED(IDC_RADIO_ICAD22, OnRadioIcad22)
    ON_BN_CLICKED(IDC_RADIO_ICAD30, OnRadioIcad30)
    ON_BN_CLICKED(IDC_RADIO_TCAD80, OnRadioTcad80)
    ON_BN_CLICKED(IDC_RADIO_ZADNY, OnRadioZadny)
    ON_WM_PAINT()
    ON_WM_HSCROLL()
    ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN_RED, OnDeltaposSpinRed)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN_GREEN, OnDeltaposSpinGreen)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN_BLUE, OnDeltaposSpinBlue)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN_TLOUSTKA, OnDeltaposSpinTloustkaCary)
END_MESSAGE_MAP()

CVorbicaDlg::CVorbicaDlg(CWnd* pParent) : CDialog(IDD_VORBICA, pParent) {}

// A dialog that goes without DestroyWindow (its window closed by the base destructor) still
// gives the resources back.
CVorbicaDlg::~CVorbicaDlg()
{
    VratZdroje();
}

// The control the template made for the id (the dialog's controls are made of their classes).
template <class Control> void CVorbicaDlg::Bind(CDataExchange* pDX, int id, Control*& control)
{
    control = dynamic_cast<Control*>(CWnd::FromHandle(pDX->PrepareCtrl(id)));
    if (!control)
        throw new CUserException;
}

void CVorbicaDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    Bind(pDX, IDC_ACAD14, m_acad14);
    Bind(pDX, IDC_ACADLT, m_acadLT);
    Bind(pDX, IDC_ACAD15, m_acad15);
    Bind(pDX, IDC_ACAD02, m_acad02);
    Bind(pDX, IDC_ACAD04, m_acad04);
    Bind(pDX, IDC_ARCH33, m_arch33);
    Bind(pDX, IDC_ICAD22, m_icad22);
    Bind(pDX, IDC_ICAD30, m_icad30);
    Bind(pDX, IDC_TCAD80, m_tcad80);
    Bind(pDX, IDC_CADZADNY, m_cadZadny);
    Bind(pDX, IDC_VZOREK, m_ramecekVzorku);
    Bind(pDX, IDC_SLIDER_RED, m_sliderRed);
    Bind(pDX, IDC_SLIDER_GREEN, m_sliderGreen);
    Bind(pDX, IDC_SLIDER_BLUE, m_sliderBlue);
    Bind(pDX, IDC_SLIDER_TLOUSTKA, m_sliderTloustka);
    Bind(pDX, IDC_SPIN_RED, m_spinRed);
    Bind(pDX, IDC_SPIN_GREEN, m_spinGreen);
    Bind(pDX, IDC_SPIN_BLUE, m_spinBlue);
    Bind(pDX, IDC_SPIN_TLOUSTKA, m_spinTloustka);
    Bind(pDX, IDC_SPIN_PRODLEVA, m_spinProdleva);
    Bind(pDX, IDC_SPIN_OPAKOVANI, m_spinOpakovani);
    Bind(pDX, IDC_EDIT_TLOUSTKA, m_editTloustka);
    Bind(pDX, IDC_EDIT_PRODLEVA, m_editProdleva);
    Bind(pDX, IDC_EDIT_OPAKOVANI, m_editOpakovani);
    Bind(pDX, IDC_GROUP_OPAKOVANI, m_skupinaOpakovani);
    Bind(pDX, IDC_GROUP_PRODLEVA, m_skupinaProdleva);
}

// The dialog and its icons come from this library's own resources, whatever language pack is current.
void CVorbicaDlg::PouzijVlastniZdroje()
{
    if (!m_hPuvodniZdroje)
        m_hPuvodniZdroje = AfxGetResourceHandle();
    m_hZdroje = GetModuleHandle("Vorbica.dll");
    AfxSetResourceHandle(m_hZdroje);
}

void CVorbicaDlg::VratZdroje()
{
    if (!m_hPuvodniZdroje)
        return;
    AfxSetResourceHandle(m_hPuvodniZdroje == AfxGetInstanceHandle() ? nullptr : m_hPuvodniZdroje);
    m_hPuvodniZdroje = nullptr;
}

INT_PTR CVorbicaDlg::DoModal()
{
    PouzijVlastniZdroje();
    const INT_PTR result = CDialog::DoModal();
    VratZdroje();
    return result;
}

BOOL CVorbicaDlg::DestroyWindow()
{
    VratZdroje();
    return CDialog::DestroyWindow();
}

HICON CVorbicaDlg::NactiIkonu(UINT id, int size) const
{
    return static_cast<HICON>(LoadImage(m_hZdroje, MAKEINTRESOURCE(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

int CVorbicaDlg::TloustkaNaPozici() const
{
    return int(std::trunc(m_tloustka * 1000.0 + 1e-9));
}

BOOL CVorbicaDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    PouzijVlastniZdroje();
    SetIcon(NactiIkonu(IDI_VORBICA, 16), FALSE);

    for (const CadChoice& choice : Choices)
        if (choice.icon)
            static_cast<CButton*>(GetDlgItem(choice.button))->SetIcon(NactiIkonu(choice.icon, 32));
    HICON lt = NyniAktivovaneLT();
    m_acadLT->SetIcon(lt);
    if (!lt)
    {
        m_acadLT->EnableWindow(FALSE);
        GetDlgItem(IDC_RADIO_ACADLT)->EnableWindow(FALSE);
        if (m_kodCAD == 122)
            m_kodCAD = 120;
    }
    Vyber(ChoiceOf(m_kodCAD).code);

    const int width = TloustkaNaPozici();
    for (CSliderCtrl* slider : {m_sliderRed, m_sliderGreen, m_sliderBlue, m_sliderTloustka})
    {
        const bool isWidth = slider == m_sliderTloustka;
        slider->SetRange(0, isWidth ? 2000 : 255);
        slider->SetTic(85);
        slider->SetTicFreq(10);
        slider->SetLineSize(10);
        slider->SetPageSize(isWidth ? 200 : 51);
    }
    for (CSpinButtonCtrl* spin : {m_spinRed, m_spinGreen, m_spinBlue})
        spin->SetRange32(0, 255);
    m_spinTloustka->SetRange32(0, 2000);
    m_spinTloustka->SetPos32(width);
    m_sliderRed->SetPos(m_red);
    m_sliderGreen->SetPos(m_green);
    m_sliderBlue->SetPos(m_blue);
    m_sliderTloustka->SetPos(width);
    ZobrazNastavenouTloustkuCary();

    CRect frame;
    m_ramecekVzorku->GetWindowRect(&frame);
    ScreenToClient(&frame);
    const int inset = frame.Width() / 22;
    frame.DeflateRect(inset, inset);
    m_vzorek = frame;
    UpDateRGBValuesFromSlider();

    // Whole values of 1 to 300000 ms, not cut to 16 bits.
    m_spinProdleva->SetRange32(1, 300000);
    m_spinOpakovani->SetRange32(1, 300000);
    m_spinProdleva->SetPos32(m_prodleva);
    m_spinOpakovani->SetPos32(m_opakovani);
    return TRUE;
}

void CVorbicaDlg::OnOK()
{
    if (m_kodCAD == 122)
    {
        m_opakovani = m_spinOpakovani->GetPos32();
        m_prodleva = m_spinProdleva->GetPos32();
    }
    CDialog::OnOK();
}

void CVorbicaDlg::Vyber(int kodCAD)
{
    const CadChoice& choice = ChoiceOf(kodCAD);
    m_kodCAD = choice.code;
    m_ikona = choice.icon ? NactiIkonu(choice.icon, 16) : NyniAktivovaneLT();
    CheckRadioButton(IDC_RADIO_ACAD14, IDC_RADIO_ZADNY, int(choice.radio));
    if (choice.code == 120)
    {
        EnableExpandedControls(FALSE);
        return;
    }
    EnableExpandedControls(TRUE);
    ZobrazitVolbyLT(choice.code == 122);
}

void CVorbicaDlg::VyberRadiem(int kodCAD)
{
    Vyber(kodCAD);
    GetDlgItem(ChoiceOf(kodCAD).button)->SetFocus();
}

void CVorbicaDlg::OnAcad14() { Vyber(121); }
void CVorbicaDlg::OnAcadLT() { Vyber(122); }
void CVorbicaDlg::OnAcad15() { Vyber(123); }
void CVorbicaDlg::OnAcad02() { Vyber(124); }
void CVorbicaDlg::OnAcad04() { Vyber(125); }
void CVorbicaDlg::OnArch33() { Vyber(126); }
void CVorbicaDlg::OnIcad22() { Vyber(127); }
void CVorbicaDlg::OnIcad30() { Vyber(128); }
void CVorbicaDlg::OnTcad80() { Vyber(129); }
void CVorbicaDlg::OnCadZadny() { Vyber(120); }
void CVorbicaDlg::OnRadioAcad14() { VyberRadiem(121); }
void CVorbicaDlg::OnRadioAcadLT() { VyberRadiem(122); }
void CVorbicaDlg::OnRadioAcad15() { VyberRadiem(123); }
void CVorbicaDlg::OnRadioAcad02() { VyberRadiem(124); }
void CVorbicaDlg::OnRadioAcad04() { VyberRadiem(125); }
void CVorbicaDlg::OnRadioArch33() { VyberRadiem(126); }
void CVorbicaDlg::OnRadioIcad22() { VyberRadiem(127); }
void CVorbicaDlg::OnRadioIcad30() { VyberRadiem(128); }
void CVorbicaDlg::OnRadioTcad80() { VyberRadiem(129); }
void CVorbicaDlg::OnRadioZadny() { VyberRadiem(120); }

// The auxiliary-line area follows the OK button; the AutoCAD 2004 choice placed after it stays
// available whatever is selected.
void CVorbicaDlg::EnableExpandedControls(BOOL enable)
{
    CWnd* child = GetDlgItem(IDOK);
    bool acad04Label = false;
    for (child = child ? child->GetWindow(GW_HWNDNEXT) : nullptr; child; child = child->GetWindow(GW_HWNDNEXT))
    {
        const int id = child->GetDlgCtrlID();
        if (id == IDC_ACAD04 || id == IDC_RADIO_ACAD04 || acad04Label)
        {
            acad04Label = id == IDC_ACAD04;
            continue;
        }
        child->EnableWindow(enable);
    }
}

void CVorbicaDlg::ZobrazitVolbyLT(BOOL show)
{
    for (CWnd* group : {static_cast<CWnd*>(m_skupinaProdleva), static_cast<CWnd*>(m_skupinaOpakovani)})
        group->EnableWindow(show);
    for (CWnd* control : {static_cast<CWnd*>(m_editProdleva), static_cast<CWnd*>(m_spinProdleva),
                          static_cast<CWnd*>(m_editOpakovani), static_cast<CWnd*>(m_spinOpakovani)})
    {
        control->EnableWindow(show);
        control->ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

void CVorbicaDlg::ZobrazNastavenouTloustkuCary()
{
    CString text;
    text.Format("%.3f", m_tloustka);
    m_editTloustka->SetWindowText(text);
}

COLORREF CVorbicaDlg::GetColor() const
{
    return COLORREF(m_red | (m_green << 8) | (m_blue << 16));
}

void CVorbicaDlg::SetColor(COLORREF& colour)
{
    CClientDC dc(this);
    colour = dc.GetBkColor();
}

void CVorbicaDlg::UpDateRGBValuesFromSlider()
{
    m_spinRed->SetPos32(m_sliderRed->GetPos());
    m_spinGreen->SetPos32(m_sliderGreen->GetPos());
    m_spinBlue->SetPos32(m_sliderBlue->GetPos());
}

void CVorbicaDlg::UpDateRGBValuesFromSpin()
{
    InvalidateRect(&m_vzorek, FALSE);
    UpdateWindow();
}

void CVorbicaDlg::OnPaint()
{
    if (!m_sliderRed)
    {
        Default();
        return;
    }
    m_red = m_sliderRed->GetPos();
    m_green = m_sliderGreen->GetPos();
    m_blue = m_sliderBlue->GetPos();
    {
        CPaintDC dc(this);
        dc.FillSolidRect(&m_vzorek, RGB(m_red, m_green, m_blue));
    }
    UpDateRGBValuesFromSlider();
}

void CVorbicaDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CWnd* source = pScrollBar;
    if (source && source->m_hWnd == m_sliderTloustka->m_hWnd)
    {
        const int position = m_sliderTloustka->GetPos();
        m_tloustka = position * 0.001;
        m_spinTloustka->SetPos32(position);
        ZobrazNastavenouTloustkuCary();
    }
    else if (source)
    {
        const HWND window = source->m_hWnd;
        if (window == m_sliderRed->m_hWnd)
            m_red = m_sliderRed->GetPos();
        else if (window == m_sliderGreen->m_hWnd)
            m_green = m_sliderGreen->GetPos();
        else if (window == m_sliderBlue->m_hWnd)
            m_blue = m_sliderBlue->GetPos();
        UpDateRGBValuesFromSlider();
        UpDateRGBValuesFromSpin();
    }
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

LRESULT CVorbicaDlg::OpravHodnotu(NMUPDOWN* step)
{
    const UINT id = UINT(step->hdr.idFrom);
    if (id == IDC_SPIN_TLOUSTKA)
    {
        const int value = std::clamp(step->iPos + step->iDelta, 0, 2000);
        m_tloustka = value * 0.001;
        ZobrazNastavenouTloustkuCary();
        m_sliderTloustka->SetPos(value);
        return 0;
    }
    const int value = std::clamp(step->iPos + step->iDelta, 0, 255);
    if (id == IDC_SPIN_RED)
        m_red = value, m_sliderRed->SetPos(value);
    else if (id == IDC_SPIN_GREEN)
        m_green = value, m_sliderGreen->SetPos(value);
    else if (id == IDC_SPIN_BLUE)
        m_blue = value, m_sliderBlue->SetPos(value);
    UpDateRGBValuesFromSpin();
    return 0;
}

void CVorbicaDlg::OnDeltaposSpinRed(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = OpravHodnotu(reinterpret_cast<NMUPDOWN*>(pNMHDR));
}

void CVorbicaDlg::OnDeltaposSpinGreen(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = OpravHodnotu(reinterpret_cast<NMUPDOWN*>(pNMHDR));
}

void CVorbicaDlg::OnDeltaposSpinBlue(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = OpravHodnotu(reinterpret_cast<NMUPDOWN*>(pNMHDR));
}

void CVorbicaDlg::OnDeltaposSpinTloustkaCary(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = OpravHodnotu(reinterpret_cast<NMUPDOWN*>(pNMHDR));
}

void CVorbicaDlg::DosadIkonu()
{
    PouzijVlastniZdroje();
    m_ikona = m_kodCAD == 122 ? NyniAktivovaneLT() : NactiIkonu(ChoiceOf(m_kodCAD).icon, 16);
    VratZdroje();
}

HICON CVorbicaDlg::NyniAktivovaneLT()
{
    const std::string autodesk = "Software\\Autodesk";
    const std::string lt = autodesk + "\\AUTOCAD LT";
    std::string version;
    bool machine = false;
    if (Upper(ReadText(HKEY_CURRENT_USER, autodesk, "CurProd")) == "AUTOCAD LT")
        machine = false;
    else if (Upper(ReadText(HKEY_LOCAL_MACHINE, autodesk, "CurProd")) == "AUTOCAD LT")
        version = ReadText(HKEY_LOCAL_MACHINE, lt, "CurVer"), machine = true;
    else if (Contains(Upper(ReadText(HKEY_LOCAL_MACHINE, autodesk, "ProdList")), "ACLT"))
    {
        version = ReadText(HKEY_LOCAL_MACHINE, lt, "CurVer");
        machine = !version.empty();
    }
    UINT icon = 0;
    if (machine)
        icon = Contains(version, "R2000") || Contains(version, "R7") ? IDI_ACADLT_R7
               : Contains(version, "R8")                              ? IDI_ACADLT_R8
                                                                      : 0;
    else if (Contains(ReadText(HKEY_CURRENT_USER, lt, "CurVer"), "R9"))
        icon = IDI_ACADLT_R9;
    return icon ? NactiIkonu(icon, 32) : nullptr;
}
