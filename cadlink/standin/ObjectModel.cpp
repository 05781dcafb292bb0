#include "ObjectModel.h"

#include <QByteArray>
#include <QJsonDocument>

#include <cmath>
#include <csignal>
#include <unistd.h>

namespace
{
constexpr int VtI4 = 3, VtR8 = 5, VtBstr = 8, VtDispatch = 9, VtError = 10, VtBool = 11, VtArray = 0x2000;
constexpr qint64 ParamNotFound = 0x80020004, DispException = 0x80020009, Unexpected = 0x8000FFFF;

Reply Result(const QJsonObject& value)
{
    return Reply{QJsonObject{{"result", value}}};
}

Reply Empty()
{
    return Result(QJsonObject{{"vt", 0}});
}

Reply Value(int vt, const QJsonValue& value)
{
    return Result(QJsonObject{{"vt", vt}, {"value", value}});
}

Reply Exception(int wCode, qint64 scode, const QString& description)
{
    return Reply{QJsonObject{{"exception", QJsonObject{{"wCode", wCode}, {"scode", scode},
                                                       {"description", description}, {"source", "StandInCAD"}}}}};
}

Reply Status(qint64 hresult)
{
    return Reply{QJsonObject{{"hresult", hresult}}};
}

QJsonValue Arg(const QJsonArray& args, int i)
{
    return args.at(i).toObject().value("value");
}

QString Describe(const QJsonObject& arg)
{
    if (arg.value("vt").toInt() == VtError && arg.value("value").toInteger() == ParamNotFound)
        return "missing";
    return QString::fromUtf8(QJsonDocument(arg).toJson(QJsonDocument::Compact));
}

QJsonObject PointValue(const Point3& p)
{
    return QJsonObject{{"vt", VtArray | VtR8}, {"bounds", QJsonArray{QJsonArray{0, 3}}}, {"items", QJsonArray{p[0], p[1], p[2]}}};
}

QJsonArray PointJson(const Point3& p)
{
    return QJsonArray{p[0], p[1], p[2]};
}

Point3 PointOf(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    return {a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble()};
}

QJsonArray VerticesJson(const QVector<Point3>& vertices)
{
    QJsonArray list;
    for (const Point3& p : vertices)
        list.append(PointJson(p));
    return list;
}
} // namespace

ObjectModel::ObjectModel(Drawing& drawing, PickScript& script, EventLog& log, const StandInOptions& options)
    : m_drawing(drawing), m_script(script), m_log(log), m_options(options)
{
    m_objects.append(Object{Kind::Application, {}, 0});
}

QJsonObject ObjectModel::NewObject(Kind kind, const QString& key, int index)
{
    m_objects.append(Object{kind, key, index});
    return QJsonObject{{"vt", VtDispatch}, {"value", qint64(m_objects.size() - 1)}};
}

Reply ObjectModel::Handle(const QJsonObject& request)
{
    Log(QJsonObject{{"request", request}});
    if (m_options.hung)
        return Reply{{}, true};
    const QString op = request.value("op").toString();
    Reply reply;
    if (op == "raise")
        reply = Reply{QJsonObject{{"found", !m_options.noWindow}}};
    else if (op == "copydata")
        reply = CopyData(request);
    else if (op == "invoke")
    {
        const qint64 handle = request.value("object").toInteger(-1);
        if (handle < 0 || handle >= m_objects.size())
            reply = Status(Unexpected);
        else
            reply = Invoke(m_objects[int(handle)], request.value("dispid").toInteger(), request.value("kind").toString(),
                           request.value("args").toArray());
    }
    else
        reply = Status(Unexpected);
    reply.body.insert("id", request.value("id"));
    return reply;
}

Reply ObjectModel::CopyData(const QJsonObject& request)
{
    if (m_options.noWindow)
        return Reply{QJsonObject{{"found", false}}};
    const QByteArray bytes = QByteArray::fromBase64(request.value("bytes").toString().toLatin1());
    Log(QJsonObject{{"copydata", QJsonObject{{"data", request.value("data")}, {"hex", QString::fromLatin1(bytes.toHex())}}}});
    return Reply{QJsonObject{{"found", true}, {"result", m_options.copyDataReply}}};
}

Reply ObjectModel::Invoke(const Object& object, qint64 dispid, const QString& kind, const QJsonArray& args)
{
    switch (object.kind)
    {
    case Kind::Application:
        return OnApplication(dispid, kind);
    case Kind::Document:
        return OnDocument(dispid, args);
    case Kind::ModelSpace:
        if (dispid == 0x6002001E)
        {
            const QJsonArray values = args.at(0).toObject().value("items").toArray();
            Polyline line;
            for (int i = 0; i + 2 < values.size(); i += 3)
                line.vertices.append({values[i].toDouble(), values[i + 1].toDouble(), values[i + 2].toDouble()});
            const int id = m_drawing.nextPolyline++;
            m_drawing.polylines.insert(id, line);
            Log(QJsonObject{{"polyline", id}, {"event", "made"}, {"vertices", VerticesJson(line.vertices)}});
            return Result(NewObject(Kind::Polyline, {}, id));
        }
        break;
    case Kind::SelectionSets:
        return OnSelectionSets(dispid, args);
    case Kind::SelectionSet:
        return OnSelectionSet(object.key, dispid, args);
    case Kind::Utility:
        return OnUtility(dispid, args);
    case Kind::Entity:
        return OnEntity(object.key, dispid);
    case Kind::Attribute:
        return OnAttribute(object.key, object.index, dispid);
    case Kind::Polyline:
        return OnPolyline(object.index, dispid, args);
    }
    return Status(Unexpected);
}

Reply ObjectModel::OnApplication(qint64 dispid, const QString& kind)
{
    switch (dispid)
    {
    case 1:
        if (kind == "put")
            return Empty();
        break;
    case 5:
        if (m_options.noDocument)
            return Exception(0, 0x80004005, "Žádný výkres není otevřen.");
        return Result(NewObject(Kind::Document));
    case 0x1B:
        Log(QJsonObject{{"refresh", true}});
        return Empty();
    case 0x1C:
    {
        Log(QJsonObject{{"quit", true}});
        Reply reply = Empty();
        reply.quit = true;
        return reply;
    }
    }
    return Status(Unexpected);
}

Reply ObjectModel::OnDocument(qint64 dispid, const QJsonArray& args)
{
    switch (dispid)
    {
    case 1:
        return Result(NewObject(Kind::ModelSpace));
    case 0x0F:
        return Result(NewObject(Kind::SelectionSets));
    case 0x25:
        return Result(NewObject(Kind::Utility));
    case 0x26:
    {
        QString error;
        if (!m_drawing.Load(Arg(args, 0).toString(), error))
            return Exception(0, 0x80004005, "Výkres nelze otevřít.");
        Log(QJsonObject{{"opened", Arg(args, 0)}});
        return Result(NewObject(Kind::Document));
    }
    case 0x32:
    {
        const QString name = Arg(args, 0).toString();
        Log(QJsonObject{{"getvar", name}});
        if (!m_drawing.variables.contains(name))
            return Exception(0, 0x80070057, "Neznámá proměnná.");
        return Result(m_drawing.variables.value(name));
    }
    case 0x33:
    {
        const QString name = Arg(args, 0).toString();
        Log(QJsonObject{{"setvar", name}, {"value", args.at(1)}});
        m_drawing.variables.insert(name, args.at(1).toObject());
        return Empty();
    }
    }
    return Status(Unexpected);
}

Reply ObjectModel::OnSelectionSets(qint64 dispid, const QJsonArray& args)
{
    const QStringList names = m_drawing.selectionSets.keys();
    switch (dispid)
    {
    case 0:
    {
        const int index = Arg(args, 0).toInt(-1);
        if (index < 0 || index >= names.size())
            return Exception(0, 0x80070057, "Neplatný index.");
        return Result(NewObject(Kind::SelectionSet, names[index]));
    }
    case 0x60020002:
        return Value(VtI4, qint64(names.size()));
    case 0x60020004:
    {
        const QString name = Arg(args, 0).toString();
        if (m_drawing.selectionSets.contains(name))
            return Exception(0, 0x80020009, "Sada výběru tohoto jména už existuje.");
        m_drawing.selectionSets.insert(name, {});
        Log(QJsonObject{{"set", name}, {"event", "added"}});
        return Result(NewObject(Kind::SelectionSet, name));
    }
    }
    return Status(Unexpected);
}

Reply ObjectModel::OnSelectionSet(const QString& name, qint64 dispid, const QJsonArray& args)
{
    if (!m_drawing.selectionSets.contains(name))
        return Exception(0, 0x80020009, "Sada výběru už neexistuje.");
    QStringList& set = m_drawing.selectionSets[name];
    switch (dispid)
    {
    case 0:
    {
        const int index = Arg(args, 0).toInt(-1);
        if (index < 0 || index >= set.size())
            return Exception(0, 0x80070057, "Neplatný index.");
        return Result(NewObject(Kind::Entity, set[index]));
    }
    case 0x60020002:
        return Value(VtI4, qint64(set.size()));
    case 0x60020003:
        return Value(VtBstr, name);
    case 0x60020004:
        Log(QJsonObject{{"set", name}, {"event", "highlight"}, {"on", Arg(args, 0).toBool()}});
        return Empty();
    case 0x60020006:
        Log(QJsonObject{{"set", name}, {"event", "update"}});
        return Empty();
    case 0x6002000A:
        set.clear();
        Log(QJsonObject{{"set", name}, {"event", "emptied"}});
        return Empty();
    case 0x6002000E:
    {
        Log(QJsonObject{{"set", name}, {"event", "select"}, {"filter", Describe(args.at(0).toObject())},
                        {"data", Describe(args.at(1).toObject())}});
        const QJsonObject step = m_script.Next();
        Reply reply;
        if (Interrupt(step, reply))
            return reply;
        if (step.contains("window"))
        {
            const QJsonArray corners = step.value("window").toArray();
            set = m_drawing.InWindow(PointOf(corners.at(0)), PointOf(corners.at(1)));
        }
        else if (step.contains("select"))
        {
            set.clear();
            for (const QJsonValue& h : step.value("select").toArray())
                set.append(h.toString());
        }
        else
            return Status(Unexpected);
        Log(QJsonObject{{"set", name}, {"event", "selected"}, {"handles", QJsonArray::fromStringList(set)}});
        return Empty();
    }
    case 0x6002000F:
        m_drawing.selectionSets.remove(name);
        Log(QJsonObject{{"set", name}, {"event", "deleted"}});
        return Empty();
    }
    return Status(Unexpected);
}

bool ObjectModel::Interrupt(const QJsonObject& step, Reply& reply)
{
    if (step.contains("die"))
    {
        Log(QJsonObject{{"killed", true}});
        ::kill(::getpid(), SIGKILL);
    }
    if (step.contains("silent"))
    {
        reply.silent = true;
        return true;
    }
    if (step.contains("esc"))
        reply = Exception(0, DispException, "Zadání přerušeno.");
    else if (step.contains("exception"))
    {
        const QJsonObject e = step.value("exception").toObject();
        reply = Exception(e.value("wCode").toInt(), e.value("scode").toInteger(), e.value("description").toString());
    }
    else if (step.contains("hresult"))
        reply = Status(step.value("hresult").toInteger());
    else
        return false;
    Log(QJsonObject{{"interrupted", step}});
    return true;
}

Reply ObjectModel::OnUtility(qint64 dispid, const QJsonArray& args)
{
    if (dispid != 0x6002000E && dispid != 0x60020010)
        return Status(Unexpected);
    const QString prompt = Arg(args, 1).toString();
    Log(QJsonObject{{"prompt", prompt}, {"base", Describe(args.at(0).toObject())}});
    const QJsonObject step = m_script.Next();
    Reply reply;
    if (Interrupt(step, reply))
        return reply;
    if (dispid == 0x6002000E && step.contains("distance"))
    {
        const QJsonArray points = step.value("distance").toArray();
        const Point3 a = PointOf(points.at(0)), b = PointOf(points.at(1));
        return Value(VtR8, std::hypot(b[0] - a[0], b[1] - a[1], b[2] - a[2]));
    }
    if (dispid == 0x60020010 && step.contains("point"))
        return Result(PointValue(PointOf(step.value("point"))));
    return Status(Unexpected);
}

Reply ObjectModel::OnEntity(const QString& handle, qint64 dispid)
{
    const Entity* entity = m_drawing.Find(handle);
    if (!entity)
        return Exception(0, 0x80020009, "Objekt neexistuje.");
    switch (dispid)
    {
    case 0x60020001:
        return Value(VtBstr, entity->className);
    case 0x6002002E:
        return Value(VtBool, !entity->attributes.isEmpty());
    case 0x6002002D:
    {
        QJsonArray items;
        for (int i = 0; i < entity->attributes.size(); ++i)
            items.append(NewObject(Kind::Attribute, handle, i).value("value"));
        return Result(QJsonObject{{"vt", VtArray | VtDispatch},
                                  {"bounds", QJsonArray{QJsonArray{0, qint64(items.size())}}},
                                  {"items", items}});
    }
    }
    return Status(Unexpected);
}

Reply ObjectModel::OnAttribute(const QString& handle, int index, qint64 dispid)
{
    const Entity* entity = m_drawing.Find(handle);
    if (!entity || index >= entity->attributes.size())
        return Exception(0, 0x80020009, "Atribut neexistuje.");
    switch (dispid)
    {
    case 0x60020001:
        return Value(VtBstr, QString("AcDbAttribute"));
    case 0x6002002E:
        return Value(VtBstr, entity->attributes[index].tag);
    case 0x60020034:
        return Value(VtBstr, entity->attributes[index].text);
    }
    return Status(Unexpected);
}

Reply ObjectModel::OnPolyline(int id, qint64 dispid, const QJsonArray& args)
{
    if (!m_drawing.polylines.contains(id))
        return Exception(0, 0x80020009, "Křivka už neexistuje.");
    Polyline& line = m_drawing.polylines[id];
    switch (dispid)
    {
    case 0x60020002:
        Log(QJsonObject{{"polyline", id}, {"event", "colour"}, {"value", Arg(args, 0)}});
        return Empty();
    case 0x60020027:
        Log(QJsonObject{{"polyline", id}, {"event", "width"}, {"value", Arg(args, 0)}});
        return Empty();
    case 0x6002002B:
    {
        const QJsonArray items = args.at(0).toObject().value("items").toArray();
        line.vertices.append({items.at(0).toDouble(), items.at(1).toDouble(), items.at(2).toDouble()});
        Log(QJsonObject{{"polyline", id}, {"event", "vertex"}, {"vertices", VerticesJson(line.vertices)}});
        return Empty();
    }
    case 0x60020010:
        Log(QJsonObject{{"polyline", id}, {"event", "highlight"}, {"on", Arg(args, 0).toBool()}});
        return Empty();
    case 0x6002001A:
        Log(QJsonObject{{"polyline", id}, {"event", "update"}});
        return Empty();
    case 0x60020012:
        m_drawing.polylines.remove(id);
        Log(QJsonObject{{"polyline", id}, {"event", "deleted"}});
        return Empty();
    }
    return Status(Unexpected);
}
