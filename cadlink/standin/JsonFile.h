#pragma once
// Reads a JSON file of the stand-in (its drawing, its pick script).

#include <QJsonDocument>
#include <QString>

// False, with the reason in error, when the file does not open or does not parse.
bool ReadJsonFile(const QString& path, QJsonDocument& document, QString& error);
