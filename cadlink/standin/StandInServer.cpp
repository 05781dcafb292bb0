#include "StandInServer.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QLocalSocket>

StandInServer::StandInServer(Drawing& drawing, PickScript& script, EventLog& log, const StandInOptions& options)
    : m_drawing(drawing), m_script(script), m_log(log), m_options(options)
{
    connect(&m_server, &QLocalServer::newConnection, this, &StandInServer::Accept);
}

bool StandInServer::Listen(const QString& socketName)
{
    QLocalServer::removeServer(socketName);
    return m_server.listen(socketName);
}

void StandInServer::Accept()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection())
    {
        auto* model = new ObjectModel(m_drawing, m_script, m_log, m_options);
        m_log.Write(QJsonObject{{"connected", true}});
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, model] { Serve(socket, model); });
        connect(socket, &QLocalSocket::disconnected, socket,
                [this, socket, model]
                {
                    m_log.Write(QJsonObject{{"disconnected", true}});
                    delete model;
                    socket->deleteLater();
                });
    }
}

void StandInServer::Serve(QLocalSocket* socket, ObjectModel* model)
{
    if (socket->property("silent").toBool())
        return;
    while (socket->canReadLine())
    {
        const QJsonDocument request = QJsonDocument::fromJson(socket->readLine());
        const Reply reply = model->Handle(request.object());
        if (reply.silent)
        {
            socket->setProperty("silent", true);
            return;
        }
        socket->write(QJsonDocument(reply.body).toJson(QJsonDocument::Compact) + '\n');
        socket->flush();
        if (reply.quit)
        {
            socket->waitForBytesWritten(1000);
            QCoreApplication::exit(0);
            return;
        }
    }
}
