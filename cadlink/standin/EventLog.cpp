#include "EventLog.h"

#include <QJsonDocument>

bool EventLog::Open(const QString& path)
{
    m_file.setFileName(path);
    return path.isEmpty() || m_file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void EventLog::Write(const QJsonObject& event)
{
    if (!m_file.isOpen())
        return;
    m_file.write(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
    m_file.flush();
}
