#pragma once
// An object of an automation server, reached through the connection that handed it out, by its
// handle (0 is the server's application object).

#include "platform/ole/Dispatch.h"

#include <QJsonObject>

#include <atomic>
#include <memory>

class AutomationConnection;

class RemoteDispatch : public IDispatch
{
public:
    // With one reference.
    RemoteDispatch(std::shared_ptr<AutomationConnection> connection, qint64 handle);

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Invoke(DISPID dispIdMember, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                   EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    qint64 Handle() const { return m_handle; }
    // A request of another kind than an invocation, on this object's connection.
    HRESULT Call(const QJsonObject& request, QJsonObject& reply);
    // The remote object behind an object, null for any other object.
    static RemoteDispatch* Of(IDispatch* object);

private:
    std::shared_ptr<AutomationConnection> m_connection;
    qint64 m_handle;
    std::atomic<ULONG> m_refs{1};
};
