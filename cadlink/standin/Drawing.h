#pragma once
// The drawing of the stand-in CAD program: entities (handle, class name, points, the attributes of
// a block), typed drawing variables, named selection sets and the polylines drawn meanwhile.
//
// Drawing file (JSON):
//   {"entities": [{"handle": "1A", "class": "AcDbLine", "points": [[0, 0, 0], [10, 0, 0]]},
//                 {"handle": "2B", "class": "AcDbBlockReference", "points": [[5, 5, 0]],
//                  "attributes": [{"tag": "CISLO", "text": "1.01"}]}],
//    "variables": {"MERITKO": {"vt": 5, "value": 1.0}}}

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

using Point3 = std::array<double, 3>;

struct Attribute
{
    QString tag;
    QString text;
};

struct Entity
{
    QString handle;
    QString className;
    QVector<Point3> points;
    QVector<Attribute> attributes;
};

struct Polyline
{
    QVector<Point3> vertices;
};

class Drawing
{
public:
    bool Load(const QString& path, QString& error);

    const Entity* Find(const QString& handle) const;
    // Entities whose points all lie in the window of two corners (x and y).
    QStringList InWindow(const Point3& a, const Point3& b) const;

    QVector<Entity> entities;
    QMap<QString, QJsonObject> variables; // typed values of the protocol
    QMap<QString, QStringList> selectionSets; // by name: the handles selected
    QMap<int, Polyline> polylines;
    int nextPolyline = 1;
};
