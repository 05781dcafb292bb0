#pragma once
// A button cell with up to four buttons of its own and its own text and format.

#include "controls/grid/CGridBtnCellBase.h"

#include <array>
#include <cstdint>

class CGridBtnCell : public CGridBtnCellBase
{
    DECLARE_DYNCREATE(CGridBtnCell)

public:
    static constexpr int kMaxBtns = 4;

    CGridBtnCell() = default;
    ~CGridBtnCell() override = default;

    void SetText(LPCTSTR szText) override { m_strText = szText ? szText : ""; }
    LPCTSTR GetText() const override { return m_strText.GetString(); }
    void SetFormat(DWORD nFormat) override { m_nFormat = nFormat; }
    DWORD GetFormat() const override { return m_nFormat; }

    int GetMaxBtns() const override { return kMaxBtns; }
    BYTE GetBtnDrawType(int i) const override { return Valid(i) ? m_Btns[i].nDrawType : 0; }
    void SetBtnDrawType(int i, BYTE nType) override;
    UINT GetBtnDrawState(int i) const override { return Valid(i) ? UINT(std::uint16_t(m_Btns[i].nDrawState)) : 0; }
    void SetBtnDrawState(int i, UINT nState) override;
    int GetBtnValue32(int i) const override { return Valid(i) ? m_Btns[i].nWidth : -1; }
    void SetBtnValue32(int i, int nWidth) override;
    BYTE GetBtnSelector(int i) const override { return Valid(i) ? BYTE(m_Btns[i].nFlags >> 1) : 3; }
    void SetBtnSelector(int i, BYTE nPlacement) override;
    LPCTSTR GetBtnText(int i) const override;
    void SetBtnText(int i, LPCTSTR szText) override;
    BOOL GetBtnFlag(int i) const override { return Valid(i) && (m_Btns[i].nFlags & 1); }
    void SetBtnFlag(int i, BOOL bGroup) override;

    void Reset() override;

private:
    struct Button
    {
        int nWidth = 0;              // fixed width; 0 or less: automatic
        std::int16_t nDrawState = 0; // DFCS_* flags
        BYTE nFlags = 0;             // bit 0: group; bits 1-7: placement
        BYTE nDrawType = 0;          // DFC_*
        CString strCaption;
    };
    static bool Valid(int i) { return i >= 0 && i < kMaxBtns; }

    CString m_strText;
    DWORD m_nFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    std::array<Button, kMaxBtns> m_Btns;
};
