#include "platform/ole/RemoteDispatch.h"

#include "platform/ole/AutomationConnection.h"
#include "platform/ole/VariantWire.h"

#include <QJsonArray>

namespace
{
const char* KindOf(WORD flags)
{
    if (flags & DISPATCH_PROPERTYPUT)
        return "put";
    if (flags & DISPATCH_PROPERTYGET)
        return "get";
    return "call";
}

void FillException(const QJsonObject& exception, EXCEPINFO* info)
{
    if (!info)
        return;
    *info = EXCEPINFO();
    info->wCode = WORD(exception.value("wCode").toInt());
    info->scode = SCODE(quint32(exception.value("scode").toInteger()));
    const QByteArray description = exception.value("description").toString().toUtf8();
    const QByteArray source = exception.value("source").toString().toUtf8();
    info->bstrDescription = SysAllocStringByteLen(description.constData(), UINT(description.size()));
    info->bstrSource = SysAllocStringByteLen(source.constData(), UINT(source.size()));
}
} // namespace

RemoteDispatch::RemoteDispatch(std::shared_ptr<AutomationConnection> connection, qint64 handle)
    : m_connection(std::move(connection)), m_handle(handle)
{
}

RemoteDispatch* RemoteDispatch::Of(IDispatch* object)
{
    return dynamic_cast<RemoteDispatch*>(object);
}

HRESULT RemoteDispatch::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!ppvObject)
        return E_INVALIDARG;
    *ppvObject = static_cast<IDispatch*>(this);
    AddRef();
    (void)riid; // every remote object is a dispatch object
    return S_OK;
}

ULONG RemoteDispatch::AddRef()
{
    return ++m_refs;
}

ULONG RemoteDispatch::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT RemoteDispatch::Call(const QJsonObject& request, QJsonObject& reply)
{
    return m_connection->Call(request, reply);
}

HRESULT RemoteDispatch::Invoke(DISPID dispIdMember, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                               EXCEPINFO* pExcepInfo, UINT*)
{
    const VariantWire::HandleOf handleOf = [this](IDispatch* object, qint64& handle)
    {
        RemoteDispatch* remote = Of(object);
        if (!remote || remote->m_connection != m_connection)
            return false;
        handle = remote->m_handle;
        return true;
    };
    QJsonArray args;
    for (UINT i = pDispParams ? pDispParams->cArgs : 0; i-- > 0;)
    {
        QJsonObject arg;
        if (const HRESULT hr = VariantWire::Encode(pDispParams->rgvarg[i], handleOf, arg); FAILED(hr))
            return hr;
        args.append(arg);
    }
    QJsonObject request{{"op", "invoke"}, {"object", m_handle}, {"dispid", qint64(dispIdMember)},
                        {"kind", KindOf(wFlags)}, {"args", args}};
    QJsonObject reply;
    if (const HRESULT hr = m_connection->Call(request, reply); FAILED(hr))
        return hr;
    if (reply.contains("exception"))
    {
        FillException(reply.value("exception").toObject(), pExcepInfo);
        return DISP_E_EXCEPTION;
    }
    if (reply.contains("hresult"))
    {
        const auto hr = HRESULT(quint32(reply.value("hresult").toInteger()));
        return FAILED(hr) ? hr : E_FAIL;
    }
    VARIANT result;
    const std::shared_ptr<AutomationConnection> connection = m_connection;
    const HRESULT hr = VariantWire::Decode(reply.value("result").toObject(),
                                           [connection](qint64 handle) -> IDispatch*
                                           { return new RemoteDispatch(connection, handle); },
                                           result);
    if (FAILED(hr))
        return hr;
    if (pVarResult)
    {
        VariantClear(pVarResult);
        *pVarResult = result;
    }
    else
        VariantClear(&result);
    return S_OK;
}
