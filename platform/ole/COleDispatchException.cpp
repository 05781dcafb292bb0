#include "platform/ole/COleDispatchException.h"

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(const char* description, UINT helpId, WORD wCode)
    : m_wCode(wCode), m_strDescription(description ? description : ""), m_dwHelpContext(helpId)
{
}

CString COleDispatchException::GetMessageText() const
{
    if (!m_strDescription.IsEmpty())
        return m_strDescription;
    CString text;
    text.Format("Automatizační objekt ohlásil chybu (kód %u, stav 0x%08X).", unsigned(m_wCode),
                unsigned(m_scError));
    return text;
}

void AfxThrowOleDispatchException(WORD wCode, const char* description, SCODE scode)
{
    auto* exception = new COleDispatchException(description, 0, wCode);
    exception->m_scError = scode;
    throw exception;
}
