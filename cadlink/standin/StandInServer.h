#pragma once
// The stand-in's local socket: every connection gets its own object model; requests are answered
// one line at a time, in order.

#include "ObjectModel.h"

#include <QLocalServer>
#include <QObject>

class QLocalSocket;

class StandInServer : public QObject
{
public:
    StandInServer(Drawing& drawing, PickScript& script, EventLog& log, const StandInOptions& options);
    bool Listen(const QString& socketName);

private:
    void Accept();
    void Serve(QLocalSocket* socket, ObjectModel* model);

    QLocalServer m_server;
    Drawing& m_drawing;
    PickScript& m_script;
    EventLog& m_log;
    StandInOptions m_options;
};
