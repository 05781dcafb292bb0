#pragma once
// The CAD push button: it holds the chosen CAD program (a code of 120 to 129), the width and
// colour of the auxiliary lines of an outline pick and the AutoCAD LT timing values. Every CAD
// operation loads the bridge module of the code, calls the bridge export of the same operation
// and frees the module again; the value picked in the CAD program comes back as a VARIANT, a
// count or a length (a negative number, VT_EMPTY or VT_ERROR when there is none).

#include "platform/core/CString.h"
#include "platform/core/Variant.h"
#include "platform/ui/CButton.h"

class CVorbica : public CButton
{
public:
    CVorbica();
    ~CVorbica() override;

    int m_kodCAD;
    const char* m_knihovna;
    HICON m_ikona;
    double m_tloustka;
    int m_rezerva;
    COLORREF m_barva;
    int m_prodleva;
    int m_opakovani;

    long PoStiskuStart(CString path, int flag);
    void PoStiskuKonec();
    // VT_EMPTY or VT_ERROR: the name is typed as a command; any other value sets the variable.
    long PoStiskuPosli(CString name, VARIANT& value);
    VARIANT PoStiskuObrys(int draw);
    VARIANT PoStiskuAtrib();
    VARIANT PoStiskuUtvor();
    long PoStiskuVyber();
    double PoStiskuVzdal();
    VARIANT PoStiskuPoint();
    VARIANT PoStisku2Body();
    VARIANT PoStiskuNacti(CString name);
    VARIANT PoStiskuNajdi(CString name, CString second);

    // The bridge module of m_kodCAD into m_knihovna, and the button's window to the bottom.
    void VyberKnihovnu();
    void DejNaPozadi();
    void DejNaPopredi();
    // The CAD choice dialog; on OK the choice is the button's.
    int DoModal();
    HICON DosadIkonu();
    void Entry();

protected:
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // The module name of the code (the empty name for no CAD).
    static const char* KnihovnaKodu(int kodCAD);
    CWnd* HorniOkno() const;
    // One bridge call: the export looked up in the loaded module and called, or the failure value.
    template <class Function, class Result, class Call>
    Result Zavolej(const char* exportName, Result failure, Call call, bool raiseAfter = true);
};
