#include "platform/ole/ServerWindow.h"

#include "platform/ole/RemoteDispatch.h"

#include <QByteArray>

namespace
{
HRESULT Ask(IDispatch* object, const QJsonObject& request, QJsonObject& reply, bool& found)
{
    found = false;
    RemoteDispatch* remote = RemoteDispatch::Of(object);
    if (!remote)
        return E_INVALIDARG;
    const HRESULT hr = remote->Call(request, reply);
    if (FAILED(hr))
        return hr;
    if (reply.contains("hresult"))
        return HRESULT(quint32(reply.value("hresult").toInteger()));
    found = reply.value("found").toBool();
    return S_OK;
}
} // namespace

HRESULT ServerWindow::Raise(IDispatch* object, bool& found)
{
    QJsonObject reply;
    return Ask(object, QJsonObject{{"op", "raise"}}, reply, found);
}

HRESULT ServerWindow::SendCopyData(IDispatch* object, const COPYDATASTRUCT& data, bool& found, LRESULT& result)
{
    const QByteArray bytes(static_cast<const char*>(data.lpData), data.lpData ? qsizetype(data.cbData) : 0);
    const QJsonObject request{{"op", "copydata"},
                              {"data", qint64(data.dwData)},
                              {"bytes", QString::fromLatin1(bytes.toBase64())}};
    QJsonObject reply;
    const HRESULT hr = Ask(object, request, reply, found);
    if (SUCCEEDED(hr) && found)
        result = LRESULT(reply.value("result").toInteger());
    return hr;
}
