#include "platform/ole/COleException.h"

#include "platform/ole/ComRuntime.h"

IMPLEMENT_DYNAMIC(COleException, CException)

CString COleException::GetMessageText() const
{
    CString text;
    switch (m_sc)
    {
    case RPC_E_DISCONNECTED:
        return "Spojení s automatizačním serverem se přerušilo.";
    case RPC_E_TIMEOUT:
        return "Automatizační server neodpověděl včas.";
    case RPC_E_SERVERFAULT:
        return "Automatizační server poslal nesrozumitelnou odpověď.";
    default:
        text.Format("Chyba automatizace OLE (kód 0x%08X).", unsigned(m_sc));
        return text;
    }
}

SCODE COleException::Process(const CException* exception)
{
    if (const auto* ole = dynamic_cast<const COleException*>(exception))
        return ole->m_sc;
    return E_UNEXPECTED;
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}
