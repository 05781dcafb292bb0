#include "Drawing.h"

#include "JsonFile.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace
{
Point3 PointOf(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    return {a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble()};
}
} // namespace

bool Drawing::Load(const QString& path, QString& error)
{
    QJsonDocument document;
    if (!ReadJsonFile(path, document, error))
        return false;
    entities.clear();
    variables.clear();
    for (const QJsonValue& e : document.object().value("entities").toArray())
    {
        const QJsonObject o = e.toObject();
        Entity entity{o.value("handle").toString(), o.value("class").toString(), {}, {}};
        for (const QJsonValue& p : o.value("points").toArray())
            entity.points.append(PointOf(p));
        for (const QJsonValue& a : o.value("attributes").toArray())
            entity.attributes.append({a.toObject().value("tag").toString(), a.toObject().value("text").toString()});
        entities.append(entity);
    }
    const QJsonObject vars = document.object().value("variables").toObject();
    for (auto it = vars.begin(); it != vars.end(); ++it)
        variables.insert(it.key(), it.value().toObject());
    return true;
}

const Entity* Drawing::Find(const QString& handle) const
{
    for (const Entity& e : entities)
        if (e.handle == handle)
            return &e;
    return nullptr;
}

QStringList Drawing::InWindow(const Point3& a, const Point3& b) const
{
    const double x0 = std::min(a[0], b[0]), x1 = std::max(a[0], b[0]);
    const double y0 = std::min(a[1], b[1]), y1 = std::max(a[1], b[1]);
    QStringList handles;
    for (const Entity& e : entities)
    {
        const bool inside = !e.points.isEmpty() &&
                            std::all_of(e.points.begin(), e.points.end(), [&](const Point3& p)
                                        { return p[0] >= x0 && p[0] <= x1 && p[1] >= y0 && p[1] <= y1; });
        if (inside)
            handles.append(e.handle);
    }
    return handles;
}
