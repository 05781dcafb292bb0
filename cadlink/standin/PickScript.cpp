#include "PickScript.h"

#include "JsonFile.h"

#include <QJsonArray>
#include <QJsonDocument>

bool PickScript::Load(const QString& path, QString& error)
{
    QJsonDocument document;
    if (!ReadJsonFile(path, document, error))
        return false;
    for (const QJsonValue& step : document.array())
        m_steps.append(step.toObject());
    return true;
}

QJsonObject PickScript::Next()
{
    if (m_next < m_steps.size())
        return m_steps[m_next++];
    return QJsonObject{{"esc", true}};
}
