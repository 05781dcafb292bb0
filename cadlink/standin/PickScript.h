#pragma once
// What the person at the drawing does, step by step, as the stand-in's picks ask for it (JSON array):
//   {"point": [x, y, z]}                      a point picked
//   {"distance": [[x, y, z], [x, y, z]]}      two points picked for a distance
//   {"select": ["1A", "2B"]}                  objects picked by hand ([] selects nothing)
//   {"window": [[x, y, z], [x, y, z]]}        a selection window over the objects inside it
//   {"esc": true}                             Esc: the object's exception, code 0, DISP_E_EXCEPTION
//   {"exception": {"wCode": 5, "scode": 0, "description": "..."}}   another exception
//   {"hresult": 2147500037}                   a failure status instead of an exception
//   {"die": true}                             the program is killed during the pick
//   {"silent": true}                          the program never answers
// Once the script is used up, every further pick is Esc.

#include <QJsonObject>
#include <QString>
#include <QVector>

class PickScript
{
public:
    bool Load(const QString& path, QString& error);
    QJsonObject Next();

private:
    QVector<QJsonObject> m_steps;
    int m_next = 0;
};
