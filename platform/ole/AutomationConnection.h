#pragma once
// One connection to an automation server over its local socket: one JSON object a line each way,
// a request and then its reply (cadlink/bridge/PROTOCOL.md). The objects the server hands out
// live as long as the connection; closing it releases them all.
//
// A reply is awaited until it comes, the server closes the connection or dies (RPC_E_DISCONNECTED
// at once), or ComRuntime::CurrentTimeout() passes (RPC_E_TIMEOUT). After a failure the connection
// is broken and every further request fails with RPC_E_DISCONNECTED.

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <QJsonObject>

#include <memory>

class QLocalSocket;

class AutomationConnection
{
public:
    // Null when no server answers on the socket.
    static std::shared_ptr<AutomationConnection> Open(const CString& socketName, int timeoutMs = 1000);
    ~AutomationConnection();
    AutomationConnection(const AutomationConnection&) = delete;
    AutomationConnection& operator=(const AutomationConnection&) = delete;

    // Sends the request (its "id" is set here) and reads the reply.
    HRESULT Call(QJsonObject request, QJsonObject& reply);

private:
    explicit AutomationConnection(std::unique_ptr<QLocalSocket> socket);
    HRESULT Fail(HRESULT hr);

    std::unique_ptr<QLocalSocket> m_socket;
    qint64 m_nextId = 1;
    bool m_broken = false;
};
