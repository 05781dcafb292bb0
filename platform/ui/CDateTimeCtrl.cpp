#include "platform/ui/CDateTimeCtrl.h"

#include "platform/core/UserLocale.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/ControlSignals.h"

#include <QDateTimeEdit>

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

namespace
{
// The user's short date pattern (d, dd, M, MM, yy, yyyy) is also Qt's.
QString DatePattern()
{
    return QString::fromStdString(UserLocale::Current().shortDateFormat);
}
} // namespace

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "SysDateTimePick32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CDateTimeCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* edit = new QDateTimeEdit(QDateTime::currentDateTime(), parent);
    const bool time = (DWORD(cs.style) & DTS_TIMEFORMAT) == DTS_TIMEFORMAT;
    edit->setDisplayFormat(time ? "H:mm:ss" : DatePattern());
    edit->setCalendarPopup(!time && !(cs.style & DTS_UPDOWN));
    return edit;
}

void CDateTimeCtrl::ConnectWidget()
{
    ConnectControl<CDateTimeCtrl>(Edit(), Edit(), &QDateTimeEdit::dateTimeChanged,
                                  [](CDateTimeCtrl& self, const QDateTime&)
                                  {
                                      CWnd* parent = self.GetParent();
                                      if (self.m_silent || !parent)
                                          return;
                                      NMHDR hdr;
                                      hdr.hwndFrom = self.m_hWnd;
                                      hdr.idFrom = self.m_nID;
                                      hdr.code = DTN_DATETIMECHANGE;
                                      parent->SendMessage(WM_NOTIFY, WPARAM(self.m_nID),
                                                          reinterpret_cast<LPARAM>(&hdr));
                                  });
}

QDateTimeEdit* CDateTimeCtrl::Edit() const
{
    return qobject_cast<QDateTimeEdit*>(GetWidget());
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    if (!Edit() || timeNew.GetStatus() != COleDateTime::valid)
        return FALSE;
    ++m_silent;
    Edit()->setDateTime(QDateTime(QDate(timeNew.GetYear(), timeNew.GetMonth(), timeNew.GetDay()),
                                  QTime(timeNew.GetHour(), timeNew.GetMinute(), timeNew.GetSecond())));
    --m_silent;
    return TRUE;
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew)
{
    if (!pTimeNew)
        return FALSE;
    return SetTime(COleDateTime(pTimeNew->GetYear(), pTimeNew->GetMonth(), pTimeNew->GetDay(),
                                pTimeNew->GetHour(), pTimeNew->GetMinute(), pTimeNew->GetSecond()));
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    if (!Edit())
        return FALSE;
    const QDateTime t = Edit()->dateTime();
    timeDest.SetDateTime(t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
                         t.time().minute(), t.time().second());
    return TRUE;
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const
{
    if (!Edit())
        return DWORD(-1);
    const QDateTime t = Edit()->dateTime();
    timeDest = CTime(t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(),
                     t.time().second());
    return 0;
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value)
{
    auto* control = dynamic_cast<CDateTimeCtrl*>(CWnd::FromHandle(pDX->PrepareCtrl(nIDC)));
    if (!control)
        return;
    if (pDX->m_bSaveAndValidate)
        control->GetTime(value);
    else
        control->SetTime(value);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value)
{
    auto* control = dynamic_cast<CDateTimeCtrl*>(CWnd::FromHandle(pDX->PrepareCtrl(nIDC)));
    if (!control)
        return;
    if (pDX->m_bSaveAndValidate)
        control->GetTime(value);
    else
        control->SetTime(&value);
}
