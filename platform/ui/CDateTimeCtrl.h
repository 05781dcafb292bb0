#pragma once
// Date and time pickers (class "SysDateTimePick32"): the date in the user's short date form, or
// the time with DTS_TIMEFORMAT. A change by the user reaches the parent as DTN_DATETIMECHANGE.

#include "platform/core/COleDateTime.h"
#include "platform/core/CTime.h"
#include "platform/ui/CWnd.h"

class QDateTimeEdit;

constexpr DWORD DTS_SHORTDATEFORMAT = 0x0000;
constexpr DWORD DTS_UPDOWN = 0x0001;
constexpr DWORD DTS_SHOWNONE = 0x0002;
constexpr DWORD DTS_LONGDATEFORMAT = 0x0004;
constexpr DWORD DTS_TIMEFORMAT = 0x0009;
constexpr UINT DTN_DATETIMECHANGE = UINT(-759);

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetTime(const CTime* pTimeNew);
    BOOL GetTime(COleDateTime& timeDest) const;
    DWORD GetTime(CTime& timeDest) const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;

private:
    QDateTimeEdit* Edit() const;
    int m_silent = 0;
};

void DDX_DateTimeCtrl(class CDataExchange* pDX, int nIDC, COleDateTime& value);
void DDX_DateTimeCtrl(class CDataExchange* pDX, int nIDC, CTime& value);
