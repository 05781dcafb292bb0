#pragma once
// The object model the stand-in serves on one connection: the application (handle 0), its
// document, model space, selection sets, user-input utility, entities, attributes and polylines,
// each called by DISPID as the CAD link calls them. The handles live as long as the connection.

#include "Drawing.h"
#include "EventLog.h"
#include "PickScript.h"

#include <QJsonArray>
#include <QJsonObject>

struct StandInOptions
{
    bool noDocument = false;
    bool noWindow = false;
    bool hung = false;
    qint64 copyDataReply = 1;
};

// A reply of the protocol, or none at all (the program went silent).
struct Reply
{
    QJsonObject body;
    bool silent = false;
    bool quit = false;
};

class ObjectModel
{
public:
    ObjectModel(Drawing& drawing, PickScript& script, EventLog& log, const StandInOptions& options);

    Reply Handle(const QJsonObject& request);

private:
    enum class Kind
    {
        Application,
        Document,
        ModelSpace,
        SelectionSets,
        SelectionSet,
        Utility,
        Entity,
        Attribute,
        Polyline,
    };
    struct Object
    {
        Kind kind;
        QString key; // the set's name, the entity's handle
        int index = 0; // the attribute's index, the polyline's number
    };

    Reply Invoke(const Object& object, qint64 dispid, const QString& kind, const QJsonArray& args);
    Reply OnApplication(qint64 dispid, const QString& kind);
    Reply OnDocument(qint64 dispid, const QJsonArray& args);
    Reply OnSelectionSets(qint64 dispid, const QJsonArray& args);
    Reply OnSelectionSet(const QString& name, qint64 dispid, const QJsonArray& args);
    Reply OnUtility(qint64 dispid, const QJsonArray& args);
    Reply OnEntity(const QString& handle, qint64 dispid);
    Reply OnAttribute(const QString& handle, int index, qint64 dispid);
    Reply OnPolyline(int id, qint64 dispid, const QJsonArray& args);
    Reply CopyData(const QJsonObject& request);
    // A step of the pick script that is no pick result: the reply it makes, true when it made one.
    bool Interrupt(const QJsonObject& step, Reply& reply);

    QJsonObject NewObject(Kind kind, const QString& key = {}, int index = 0);
    void Log(const QJsonObject& event) { m_log.Write(event); }

    Drawing& m_drawing;
    PickScript& m_script;
    EventLog& m_log;
    StandInOptions m_options;
    QVector<Object> m_objects;
};
