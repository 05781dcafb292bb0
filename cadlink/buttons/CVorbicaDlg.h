#pragma once
// The CAD choice dialog: the CAD program the CAD buttons talk to, the colour and width of the
// auxiliary lines of an outline pick, and for AutoCAD LT a delay and a repeat interval. It also
// finds the icon of a CAD code and detects an installed AutoCAD LT from the registry.

#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/CommonControls.h"

class CScrollBar;

class CVorbicaDlg : public CDialog
{
public:
    explicit CVorbicaDlg(CWnd* pParent = nullptr);
    ~CVorbicaDlg() override;

    int m_kodCAD = 120;
    double m_tloustka = 0.2;
    int m_prodleva = 30000;
    int m_opakovani = 1000;
    HICON m_ikona = nullptr;
    RECT m_vzorek{};
    int m_red = 255;
    int m_green = 0;
    int m_blue = 255;
    HINSTANCE m_hPuvodniZdroje = nullptr;
    HINSTANCE m_hZdroje = nullptr;

    INT_PTR DoModal() override;
    BOOL DestroyWindow() override;

    // The icon of m_kodCAD into m_ikona, without a window.
    void DosadIkonu();
    // The icon of the AutoCAD LT release the registry names, null when none is installed.
    HICON NyniAktivovaneLT();
    COLORREF GetColor() const;
    void SetColor(COLORREF& colour);
    void EnableExpandedControls(BOOL enable);
    void ZobrazitVolbyLT(BOOL show);
    void ZobrazNastavenouTloustkuCary();
    void UpDateRGBValuesFromSlider();
    void UpDateRGBValuesFromSpin();
    // The step of a spin, clamped to its range and passed on to the values and the sliders; 0.
    LRESULT OpravHodnotu(NMUPDOWN* step);
    void Entry() {}

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnAcad14();
    afx_msg void OnAcadLT();
    afx_msg void OnAcad15();
    afx_msg void OnAcad02();
    afx_msg void OnAcad04();
    afx_msg void OnArch33();
    afx_msg void OnIcad22();
    afx_msg void OnIcad30();
    afx_msg void OnTcad80();
    afx_msg void OnCadZadny();
    afx_msg void OnRadioAcad14();
    afx_msg void OnRadioAcadLT();
    afx_msg void OnRadioAcad15();
    afx_msg void OnRadioAcad02();
    afx_msg void OnRadioAcad04();
    afx_msg void OnRadioArch33();
    afx_msg void OnRadioIcad22();
    afx_msg void OnRadioIcad30();
    afx_msg void OnRadioTcad80();
    afx_msg void OnRadioZadny();
    afx_msg void OnPaint();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnDeltaposSpinRed(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinGreen(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinBlue(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinTloustkaCary(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    // The dialog's controls, bound by DoDataExchange.
    CButton *m_acad14 = nullptr, *m_acadLT = nullptr, *m_acad15 = nullptr, *m_acad02 = nullptr, *m_acad04 = nullptr,
            *m_arch33 = nullptr, *m_icad22 = nullptr, *m_icad30 = nullptr, *m_tcad80 = nullptr, *m_cadZadny = nullptr;
    CStatic* m_ramecekVzorku = nullptr;
    CSliderCtrl *m_sliderRed = nullptr, *m_sliderGreen = nullptr, *m_sliderBlue = nullptr, *m_sliderTloustka = nullptr;
    CSpinButtonCtrl *m_spinRed = nullptr, *m_spinGreen = nullptr, *m_spinBlue = nullptr, *m_spinTloustka = nullptr,
                    *m_spinProdleva = nullptr, *m_spinOpakovani = nullptr;
    CEdit *m_editTloustka = nullptr, *m_editProdleva = nullptr, *m_editOpakovani = nullptr;
    CButton *m_skupinaOpakovani = nullptr, *m_skupinaProdleva = nullptr;

private:
    // Selects a CAD code: its icon, its radio button, the auxiliary-line area and the LT options.
    void Vyber(int kodCAD);
    void VyberRadiem(int kodCAD);
    void PouzijVlastniZdroje();
    void VratZdroje();
    HICON NactiIkonu(UINT id, int size) const;
    int TloustkaNaPozici() const;
    template <class Control> void Bind(CDataExchange* pDX, int id, Control*& control);
};
