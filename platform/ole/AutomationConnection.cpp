#include "platform/ole/AutomationConnection.h"

#include "platform/ole/ComRuntime.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLocalSocket>

#include <algorithm>

std::shared_ptr<AutomationConnection> AutomationConnection::Open(const CString& socketName, int timeoutMs)
{
    if (socketName.IsEmpty())
        return nullptr;
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(QString::fromUtf8(socketName.GetString()));
    if (!socket->waitForConnected(timeoutMs))
        return nullptr;
    return std::shared_ptr<AutomationConnection>(new AutomationConnection(std::move(socket)));
}

AutomationConnection::AutomationConnection(std::unique_ptr<QLocalSocket> socket) : m_socket(std::move(socket)) {}

AutomationConnection::~AutomationConnection()
{
    m_socket->abort();
}

HRESULT AutomationConnection::Fail(HRESULT hr)
{
    m_broken = true;
    m_socket->abort();
    return hr;
}

HRESULT AutomationConnection::Call(QJsonObject request, QJsonObject& reply)
{
    reply = QJsonObject();
    if (m_broken || m_socket->state() != QLocalSocket::ConnectedState)
        return Fail(RPC_E_DISCONNECTED);
    const qint64 id = m_nextId++;
    request.insert("id", id);
    m_socket->write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    if (!m_socket->flush() && m_socket->bytesToWrite() > 0 && !m_socket->waitForBytesWritten(1000))
        return Fail(RPC_E_DISCONNECTED);

    QElapsedTimer clock;
    clock.start();
    while (!m_socket->canReadLine())
    {
        if (m_socket->state() != QLocalSocket::ConnectedState)
            return Fail(RPC_E_DISCONNECTED);
        const qint64 left = ComRuntime::CurrentTimeout() - clock.elapsed();
        if (left <= 0)
            return Fail(RPC_E_TIMEOUT);
        m_socket->waitForReadyRead(int(std::min<qint64>(left, 200)));
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(m_socket->readLine(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        document.object().value("id").toInteger() != id)
        return Fail(RPC_E_SERVERFAULT);
    reply = document.object();
    return S_OK;
}
