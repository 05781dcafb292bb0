#include "CadLinkFixture.h"

#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "platform/core/Registry.h"
#include "platform/ole/ComRuntime.h"
#include "platform/ole/SafeArray.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QVariant>

#include <csignal>

namespace
{
// Five entities: three inside the window (0, 0)-(100, 100), two outside it.
const char* const DrawingJson = R"({
  "entities": [
    {"handle": "L1", "class": "AcDbLine", "points": [[10, 10, 0], [90, 10, 0]]},
    {"handle": "B2", "class": "AcDbBlockReference", "points": [[50, 50, 0]],
     "attributes": [{"tag": "CISLO", "text": "1.01"}, {"tag": "NAZEV", "text": "Kuchyň"}]},
    {"handle": "B3", "class": "AcDbBlockReference", "points": [[20, 80, 0]]},
    {"handle": "L4", "class": "AcDbLine", "points": [[150, 10, 0], [190, 10, 0]]},
    {"handle": "C5", "class": "AcDbCircle", "points": [[300, 300, 0]]}
  ],
  "variables": {"MERITKO": {"vt": 5, "value": 1.0}}
})";

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

void CadLinkFixture::SetUpTestSuite()
{
    UiTest::EnsureApplication();
}

void CadLinkFixture::SetUp()
{
    ASSERT_TRUE(m_root.isValid());
    // Each set-up (a table's case too) starts with an empty registry and a new log.
    m_folder = m_root.path() + "/" + QString::number(++m_runs);
    QDir().mkpath(m_folder);
    Profile::SetConfigFolder((m_folder + "/user").toUtf8().constData());
    Profile::SetMachineFolder((m_folder + "/machine").toUtf8().constData());
    m_log = m_folder + "/standin.log";
    ScriptedAnswers::Reset();
    ComRuntime::SetReplyTimeout(30 * 60 * 1000);
    ComRuntime::SetCallTimeout(30 * 1000);
    m_button.m_kodCAD = 121;
}

void CadLinkFixture::TearDown()
{
    for (const QJsonObject& e : EventsWith("started"))
        ::kill(pid_t(e.value("started").toInteger()), SIGKILL);
    Profile::SetConfigFolder("");
    Profile::SetMachineFolder("");
}

void CadLinkFixture::SetRegistryValue(HKEY root, const char* key, const char* name, const char* value)
{
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyEx(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr), ERROR_SUCCESS);
    RegSetValueEx(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), DWORD(std::strlen(value) + 1));
    RegCloseKey(opened);
}

void CadLinkFixture::Register(const QString& script, const QStringList& switches)
{
    const QString drawing = m_folder + "/drawing.json";
    const QString scriptFile = m_folder + "/script.json";
    WriteFile(drawing, DrawingJson);
    WriteFile(scriptFile, script.toUtf8());
    const QString socket = m_folder + "/cad.sock";
    QStringList command{STANDIN_PATH, "--socket", socket, "--drawing", drawing, "--script", scriptFile, "--log", m_log};
    command += switches;
    const QString key = "Software\\Classes\\AutoCAD.Application.14";
    SetRegistryValue(HKEY_CURRENT_USER, key.toUtf8().constData(), "Socket", socket.toUtf8().constData());
    SetRegistryValue(HKEY_CURRENT_USER, key.toUtf8().constData(), "Server", command.join(' ').toUtf8().constData());
}

QList<QJsonObject> CadLinkFixture::Events() const
{
    QList<QJsonObject> events;
    QFile file(m_log);
    if (!file.open(QIODevice::ReadOnly))
        return events;
    while (!file.atEnd())
        events.append(QJsonDocument::fromJson(file.readLine()).object());
    return events;
}

QList<QJsonObject> CadLinkFixture::EventsWith(const QString& key, const QString& event) const
{
    QList<QJsonObject> found;
    for (const QJsonObject& e : Events())
        if (e.contains(key) && (event.isEmpty() || e.value("event").toString() == event))
            found.append(e);
    return found;
}

bool CadLinkFixture::StandInStarted() const
{
    return !EventsWith("started").isEmpty();
}

QStringList CadLinkFixture::MessageTexts() const
{
    QStringList texts;
    for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
        texts.append(QString::fromUtf8(box.text.GetString()));
    return texts;
}

QList<QVariant> ArrayItems(const VARIANT& value, int& rows, int& columns)
{
    QList<QVariant> items;
    rows = columns = 0;
    if (!(value.vt & VT_ARRAY) || SafeArrayGetDim(value.parray) != 2)
        return items;
    rows = int(value.parray->bounds[0].cElements);
    columns = int(value.parray->bounds[1].cElements);
    for (const VARIANT& item : value.parray->items)
        items.append((value.vt & VT_TYPEMASK) == VT_BSTR ? QVariant(QString::fromUtf8(item.bstrVal ? item.bstrVal : ""))
                                                        : QVariant(item.dblVal));
    return items;
}
