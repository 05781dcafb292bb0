#pragma once
// The stand-in's log: one JSON object a line, written through at once, so that a test reads what
// happened even after the program was killed.

#include <QFile>
#include <QJsonObject>

class EventLog
{
public:
    bool Open(const QString& path);
    void Write(const QJsonObject& event);

private:
    QFile m_file;
};
