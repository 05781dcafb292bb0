#include "platform/dao/CDaoException.h"

IMPLEMENT_DYNAMIC(CDaoException, CException)

CDaoException::CDaoException(long errorCode, const CString& description)
{
    m_pErrorInfo = new CDaoErrorInfo;
    m_pErrorInfo->m_lErrorCode = errorCode;
    m_pErrorInfo->m_strSource = "DAO.Database";
    m_pErrorInfo->m_strDescription = description;
    // An OLE failure code that carries the Jet error number, as the DAO engine reports it.
    m_scode = static_cast<SCODE>(0x800A0000u | (static_cast<unsigned>(errorCode) & 0xFFFFu));
}

CDaoException::~CDaoException()
{
    delete m_pErrorInfo;
}

CString CDaoException::GetMessageText() const
{
    return m_pErrorInfo ? m_pErrorInfo->m_strDescription : CString();
}

void AfxThrowDaoException(long errorCode, const CString& description)
{
    throw new CDaoException(errorCode, description);
}
