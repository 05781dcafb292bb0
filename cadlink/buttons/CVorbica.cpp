#include "cadlink/buttons/CVorbica.h"

#include "cadlink/bridge/BridgeExports.h"
#include "cadlink/buttons/CVorbicaDlg.h"

#include "platform/core/Modules.h"
#include "platform/ole/OleInit.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/WinApi.h"

#include <cstring>

namespace
{
VARIANT Typed(VARTYPE vt)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    if (vt == VT_ERROR)
        v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}
} // namespace

BEGIN_MESSAGE_MAP(CVorbica, CButton)
    ON_WM_RBUTTONDBLCLK()
END_MESSAGE_MAP()

CVorbica::CVorbica()
    : m_kodCAD(21073), m_knihovna(""), m_ikona(nullptr), m_tloustka(0.2), m_rezerva(0), m_barva(0xFF00FF),
      m_prodleva(30000), m_opakovani(800)
{
    VyberKnihovnu();
}

CVorbica::~CVorbica() = default;

const char* CVorbica::KnihovnaKodu(int kodCAD)
{
    switch (kodCAD)
    {
    case 121:
        return "Kestrolm.dll";
    case 122:
        return "Sefranil.dll";
    case 123:
    case 124:
    case 126:
        return "Vanderop.dll";
    case 125:
        return "Polmirek.dll";
    case 127:
    case 128:
        return "Durnavec.dll";
    case 129:
        return "Omblerik.dll";
    default:
        return "";
    }
}

void CVorbica::VyberKnihovnu()
{
    m_knihovna = KnihovnaKodu(m_kodCAD);
    DejNaPozadi();
}

CWnd* CVorbica::HorniOkno() const
{
    if (!m_hWnd)
        return nullptr;
    CWnd* window = const_cast<CVorbica*>(this);
    while ((window->GetStyle() & WS_CHILD) && window->GetParent())
        window = window->GetParent();
    return window;
}

void CVorbica::DejNaPozadi()
{
    if (CWnd* top = HorniOkno())
        top->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

// Shown again as it was, raised and activated; never made to stay on top of other programs.
void CVorbica::DejNaPopredi()
{
    CWnd* top = HorniOkno();
    if (!top)
        return;
    top->ShowWindow(top->IsZoomed() ? SW_SHOWMAXIMIZED : SW_RESTORE);
    top->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    top->SetActiveWindow();
}

template <class Function, class Result, class Call>
Result CVorbica::Zavolej(const char* exportName, Result failure, Call call, bool raiseAfter)
{
    AfxOleInit();
    VyberKnihovnu();
    Result result = failure;
    // Only the handle loaded here is released: a module that other code loaded stays loaded.
    HMODULE module = *m_knihovna ? LoadLibrary(m_knihovna) : nullptr;
    if (module)
    {
        if (auto function = reinterpret_cast<Function>(GetProcAddress(module, exportName)))
            result = call(function);
        FreeLibrary(module);
    }
    if (raiseAfter)
        DejNaPopredi();
    return result;
}

long CVorbica::PoStiskuStart(CString path, int flag)
{
    return Zavolej<PoStiskuStartFn>("PoStiskuStartButton", -1L,
                                    [&](PoStiskuStartFn f) { return long(f(path.GetString(), flag)); });
}

void CVorbica::PoStiskuKonec()
{
    Zavolej<PoStiskuKonecFn>("PoStiskuKonecButton", 0L, [](PoStiskuKonecFn f) { return long(f()); }, false);
}

long CVorbica::PoStiskuPosli(CString name, VARIANT& value)
{
    if (value.vt == VT_EMPTY || value.vt == VT_ERROR)
        return Zavolej<PoStiskuPovelFn>("PoStiskuPovelButton", -1L, [&](PoStiskuPovelFn f)
                                        { return name.IsEmpty() ? -1L : long(f(name.GetString())); });
    return Zavolej<PoStiskuDosadFn>("PoStiskuDosadButton", -1L, [&](PoStiskuDosadFn f)
                                    { return name.IsEmpty() ? -1L : long(f(name.GetString(), &value)); });
}

VARIANT CVorbica::PoStiskuObrys(int draw)
{
    return Zavolej<PoStiskuObrysFn>("PoStiskuObrysButton", Typed(VT_EMPTY), [&](PoStiskuObrysFn f)
                                    { return f(draw, m_tloustka, m_rezerva, m_barva); });
}

VARIANT CVorbica::PoStiskuAtrib()
{
    return Zavolej<PoStiskuAtribFn>("PoStiskuAtribButton", Typed(VT_EMPTY), [](PoStiskuAtribFn f) { return f(); });
}

VARIANT CVorbica::PoStiskuUtvor()
{
    return Zavolej<PoStiskuUtvorFn>("PoStiskuUtvorButton", Typed(VT_EMPTY), [](PoStiskuUtvorFn f) { return f(); });
}

long CVorbica::PoStiskuVyber()
{
    return Zavolej<PoStiskuPocetFn>("PoStiskuPocetButton", -1L, [](PoStiskuPocetFn f) { return long(f()); });
}

double CVorbica::PoStiskuVzdal()
{
    return Zavolej<PoStiskuVzdalFn>("PoStiskuVzdalButton", -1.0, [](PoStiskuVzdalFn f) { return f(); });
}

VARIANT CVorbica::PoStiskuPoint()
{
    return Zavolej<PoStiskuPointFn>("PoStiskuPointButton", Typed(VT_EMPTY), [](PoStiskuPointFn f) { return f(); });
}

VARIANT CVorbica::PoStisku2Body()
{
    return Zavolej<PoStisku2BodyFn>("PoStisku2BodyButton", Typed(VT_EMPTY), [](PoStisku2BodyFn f) { return f(); });
}

VARIANT CVorbica::PoStiskuNacti(CString name)
{
    return Zavolej<PoStiskuNactiFn>("PoStiskuNactiButton", Typed(VT_ERROR), [&](PoStiskuNactiFn f)
                                    { return name.IsEmpty() ? Typed(VT_ERROR) : f(name.GetString()); });
}

VARIANT CVorbica::PoStiskuNajdi(CString name, CString second)
{
    return Zavolej<PoStiskuNajdiFn>("PoStiskuNajdiButton", Typed(VT_ERROR), [&](PoStiskuNajdiFn f)
                                    { return name.IsEmpty() ? Typed(VT_ERROR) : f(name.GetString(), second.GetString()); });
}

int CVorbica::DoModal()
{
    CVorbicaDlg dialog(nullptr);
    dialog.m_kodCAD = m_kodCAD;
    dialog.m_tloustka = m_tloustka;
    dialog.m_prodleva = m_prodleva;
    dialog.m_opakovani = m_opakovani;
    dialog.m_red = int(m_barva & 0xFF);
    dialog.m_green = int((m_barva >> 8) & 0xFF);
    dialog.m_blue = int((m_barva >> 16) & 0xFF);
    const int result = int(dialog.DoModal());
    if (result == IDOK)
    {
        m_kodCAD = dialog.m_kodCAD;
        m_tloustka = dialog.m_tloustka;
        m_barva = dialog.GetColor();
        m_prodleva = dialog.m_prodleva;
        m_opakovani = dialog.m_opakovani;
        m_ikona = dialog.m_ikona;
        m_knihovna = KnihovnaKodu(m_kodCAD);
    }
    return result;
}

HICON CVorbica::DosadIkonu()
{
    CVorbicaDlg dialog;
    dialog.m_kodCAD = m_kodCAD;
    dialog.DosadIkonu();
    m_ikona = dialog.m_ikona;
    m_knihovna = KnihovnaKodu(m_kodCAD);
    return m_ikona;
}

void CVorbica::Entry()
{
    CVorbicaDlg dialog;
    dialog.Entry();
}

void CVorbica::OnRButtonDblClk(UINT nFlags, CPoint point)
{
    if (DoModal() == IDOK)
    {
        SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_ikona));
        Invalidate(TRUE);
    }
    CButton::OnRButtonDblClk(nFlags, point);
}
