#include "JsonFile.h"

#include <QFile>

bool ReadJsonFile(const QString& path, QJsonDocument& document, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        error = "cannot open " + path;
        return false;
    }
    QJsonParseError parse;
    document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError)
    {
        error = path + ": " + parse.errorString();
        return false;
    }
    return true;
}
