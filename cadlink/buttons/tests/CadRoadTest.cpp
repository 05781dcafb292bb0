// The road of a CAD request: a CAD button of code 121, the bridge module and the stand-in CAD
// program that the test registry names.

#include "CadLinkFixture.h"

#include "platform/core/COleVariant.h"
#include "platform/core/MessageBox.h"
#include "platform/ole/ComRuntime.h"
#include "testing/ScriptedAnswers.h"

#include <QJsonArray>
#include <QVariant>

#include <algorithm>
#include <functional>

namespace
{
class CadRoadTest : public CadLinkFixture
{
};

const char* const NoDocument = "Není otevřen potřebný dokument,\notevřete si ho!";
const char* const NotRegistered = "?cad.Application není zaregistrováno!";
} // namespace

TEST_F(CadRoadTest, DistanceIsPickedWithoutABasePoint)
{
    Register(R"([{"distance": [[0, 0, 0], [3000, 4000, 0]]}])");
    EXPECT_DOUBLE_EQ(m_button.PoStiskuVzdal(), 5000.0);
    const QList<QJsonObject> prompts = EventsWith("prompt");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].value("prompt").toString(), "Určete první bod!:");
    EXPECT_EQ(prompts[0].value("base").toString(), "missing");
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(CadRoadTest, AFailedDistancePickGivesItsFailureValue)
{
    struct Case
    {
        const char* name;
        const char* script;
        QStringList switches;
        double expected;
        QString message; // the one box shown, empty for none
        bool shortWaits = false; // the CAD program keeps silent: the waits are cut short
    };
    const QString noAnswer = "Automatizační server neodpověděl včas.";
    const Case cases[] = {
        {"Esc", R"([{"esc": true}])", {}, -3.0, ""},
        {"error code", R"([{"exception": {"wCode": 5, "scode": 0}}])", {}, -4.0, ""},
        {"status E_FAIL", R"([{"exception": {"wCode": 0, "scode": 2147500037}}])", {}, -2.0, ""},
        {"no document", "[]", {"--no-document"}, -1.0, NoDocument},
        {"killed during the pick", R"([{"die": true}])", {}, -1.0, "Spojení s automatizačním serverem se přerušilo."},
        {"no answer to the pick", R"([{"silent": true}])", {}, -1.0, noAnswer, true},
        {"hung", "[]", {"--hung"}, -1.0, noAnswer, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (c.shortWaits)
        {
            ComRuntime::SetReplyTimeout(300);
            ComRuntime::SetCallTimeout(300);
        }
        Register(c.script, c.switches);
        EXPECT_DOUBLE_EQ(m_button.PoStiskuVzdal(), c.expected);
        EXPECT_EQ(MessageTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(CadRoadTest, CountTakesTheObjectsOfASelectionWindowAndRemovesItsSet)
{
    Register(R"([{"window": [[0, 0, 0], [100, 100, 0]]}])");
    EXPECT_EQ(m_button.PoStiskuVyber(), 3);
    QStringList steps;
    for (const QJsonObject& e : EventsWith("set"))
        steps << e.value("event").toString() + (e.contains("on") ? (e.value("on").toBool() ? " on" : " off") : "");
    EXPECT_EQ(steps, (QStringList{"added", "emptied", "select", "selected", "highlight off", "emptied", "deleted"}));
    EXPECT_EQ(EventsWith("set", "select")[0].value("filter").toString(), "missing");
}

TEST_F(CadRoadTest, ALeftoverSetIsRemovedAndTheNextCountWorks)
{
    Register(R"([{"window": [[0, 0, 0], [100, 100, 0]]}])", {"--leftover"});
    EXPECT_EQ(m_button.PoStiskuVyber(), -1);
    EXPECT_EQ(EventsWith("set", "deleted").size(), 1);
    EXPECT_EQ(m_button.PoStiskuVyber(), 3);
}

TEST_F(CadRoadTest, ACancelledCountLeavesNoSetBehind)
{
    Register(R"([{"esc": true}, {"select": ["L1", "C5"]}])");
    EXPECT_EQ(m_button.PoStiskuVyber(), -1);
    EXPECT_EQ(MessageTexts(), QStringList{"Zadání přerušeno."});
    EXPECT_EQ(m_button.PoStiskuVyber(), 2);
}

TEST_F(CadRoadTest, AttributesOfThePickedObject)
{
    struct Case
    {
        const char* select;
        VARTYPE type;
        QList<QVariant> table;
    };
    const Case cases[] = {
        {R"(["B2"])", VT_ARRAY | VT_BSTR,
         {"AcDbAttribute", "CISLO", "1.01", "AcDbAttribute", "NAZEV", "Kuchyň"}},
        {R"(["L1"])", VT_EMPTY, {}},
        {"[]", VT_EMPTY, {}},
        {R"(["B3"])", VT_ERROR, {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.select);
        TearDown();
        SetUp();
        Register(QString(R"([{"select": %1}])").arg(c.select));
        COleVariant result;
        VARIANT picked = m_button.PoStiskuAtrib();
        result.Attach(picked);
        EXPECT_EQ(result.vt, c.type);
        int rows = 0, columns = 0;
        const QList<QVariant> items = ArrayItems(result, rows, columns);
        if (!c.table.isEmpty())
        {
            EXPECT_EQ(rows, 3);
            EXPECT_EQ(columns, 2);
        }
        EXPECT_EQ(items, c.table);
        EXPECT_EQ(EventsWith("set", "deleted").size(), 1);
    }
}

TEST_F(CadRoadTest, OutlineDrawsItsLineWhileTheUserPicks)
{
    Register(R"([{"point": [0, 0, 0]}, {"point": [4000, 0, 0]}, {"point": [4000, 3000, 0]}, {"esc": true}])");
    m_button.m_tloustka = 0.35;
    m_button.m_barva = 0x00FF00;
    COleVariant outline;
    VARIANT picked = m_button.PoStiskuObrys(1);
    outline.Attach(picked);
    int rows = 0, columns = 0;
    EXPECT_EQ(outline.vt, VT_ARRAY | VT_R8);
    EXPECT_EQ(ArrayItems(outline, rows, columns),
              (QList<QVariant>{0.0, 0.0, 0.0, 4000.0, 0.0, 0.0, 4000.0, 3000.0, 0.0}));
    EXPECT_EQ(columns, 3);

    QStringList prompts, bases;
    for (const QJsonObject& e : EventsWith("prompt"))
        prompts << e.value("prompt").toString(), bases << e.value("base").toString();
    EXPECT_EQ(prompts, (QStringList{"Určete 1. bod!:", "Určete 2. bod!:", "Určete 3. bod!:", "Určete 4. bod!:"}));
    EXPECT_EQ(bases[0], "missing");
    EXPECT_NE(bases[1], "missing"); // a rubber band from the last point
    EXPECT_EQ(EventsWith("polyline", "colour")[0].value("value").toInteger(), 0x00FF00);
    EXPECT_DOUBLE_EQ(EventsWith("polyline", "width")[0].value("value").toDouble(), 0.35);
    EXPECT_EQ(EventsWith("polyline", "vertex").last().value("vertices").toArray().size(), 4);
    EXPECT_EQ(EventsWith("polyline", "highlight").size(), 2);
    EXPECT_EQ(EventsWith("polyline", "deleted").size(), 1);
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(CadRoadTest, OutlineCancelledBeforeItsFirstPointHasNoPoints)
{
    Register(R"([{"esc": true}])");
    VARIANT picked = m_button.PoStiskuObrys(1);
    EXPECT_EQ(picked.vt, VT_ERROR);
    EXPECT_TRUE(EventsWith("polyline").isEmpty());
}

TEST_F(CadRoadTest, TwoPointPickKeepsThePointPickedBeforeEsc)
{
    Register(R"([{"point": [1, 2, 3]}, {"esc": true}])");
    COleVariant points;
    VARIANT picked = m_button.PoStisku2Body();
    points.Attach(picked);
    int rows = 0, columns = 0;
    EXPECT_EQ(ArrayItems(points, rows, columns), (QList<QVariant>{1.0, 2.0, 3.0}));
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(EventsWith("prompt")[0].value("prompt").toString(), "Určete levý bod!:");
    EXPECT_EQ(EventsWith("prompt")[1].value("prompt").toString(), "Určete pravý bod!:");
}

TEST_F(CadRoadTest, ACommandIsTypedIntoTheCadWindowAndTheDrawingRefreshed)
{
    Register("[]", {"--copydata-reply", "7"});
    VARIANT command;
    VariantInit(&command);
    EXPECT_EQ(m_button.PoStiskuPosli("ABCD  ", command), 7);
    const QList<QJsonObject> typed = EventsWith("copydata");
    ASSERT_EQ(typed.size(), 1);
    EXPECT_EQ(typed[0].value("copydata").toObject().value("hex").toString(), "414243442000");
    EXPECT_EQ(typed[0].value("copydata").toObject().value("data").toInteger(), 1);
    const QList<QJsonObject> events = Events();
    const auto refresh = std::find_if(events.begin(), events.end(), [](const QJsonObject& e) { return e.contains("refresh"); });
    const auto copy = std::find_if(events.begin(), events.end(), [](const QJsonObject& e) { return e.contains("copydata"); });
    EXPECT_TRUE(refresh != events.end() && refresh > copy);
}

TEST_F(CadRoadTest, ACommandWithoutACadWindowIsNotSent)
{
    Register("[]", {"--no-window"});
    VARIANT command;
    VariantInit(&command);
    EXPECT_EQ(m_button.PoStiskuPosli("ZOOM", command), -1);
    EXPECT_TRUE(EventsWith("copydata").isEmpty());
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(CadRoadTest, DrawingVariableIsSetReadAndFound)
{
    Register();
    COleVariant scale(2.5);
    EXPECT_EQ(m_button.PoStiskuPosli("MERITKO", scale), 0);
    COleVariant read;
    VARIANT value = m_button.PoStiskuNacti("MERITKO");
    read.Attach(value);
    EXPECT_EQ(read.vt, VT_R8);
    EXPECT_DOUBLE_EQ(read.dblVal, 2.5);
    COleVariant found;
    value = m_button.PoStiskuNajdi("MERITKO  ", "nepoužito");
    found.Attach(value);
    EXPECT_EQ(found.vt, VT_R8);
    EXPECT_DOUBLE_EQ(found.dblVal, 2.5);
    EXPECT_EQ(EventsWith("getvar").last().value("getvar").toString(), "MERITKO");

    value = m_button.PoStiskuNacti("NEZNAMA");
    EXPECT_EQ(value.vt, VT_ERROR);
    EXPECT_EQ(MessageTexts(), QStringList{"Příkaz\n'NEZNAMA'\nnebyl proveden!"});
}

TEST_F(CadRoadTest, WithoutARegisteredCadProgramEveryOperationFails)
{
    VARIANT empty;
    VariantInit(&empty);
    COleVariant number(LONG(1));
    struct Case
    {
        const char* name;
        std::function<QVariant()> call;
        QVariant failure;
    };
    auto type = [](VARIANT v)
    {
        const VARTYPE vt = v.vt;
        VariantClear(&v);
        return QVariant(int(vt));
    };
    const Case cases[] = {
        {"Start", [&] { return QVariant(qint64(m_button.PoStiskuStart("", 0))); }, qint64(0)},
        {"Konec", [&] { m_button.PoStiskuKonec(); return QVariant(); }, QVariant()},
        {"Povel", [&] { return QVariant(qint64(m_button.PoStiskuPosli("ZOOM", empty))); }, qint64(-1)},
        {"Dosad", [&] { return QVariant(qint64(m_button.PoStiskuPosli("MERITKO", number))); }, qint64(-1)},
        {"Nacti", [&] { return type(m_button.PoStiskuNacti("MERITKO")); }, int(VT_ERROR)},
        {"Najdi", [&] { return type(m_button.PoStiskuNajdi("MERITKO", "")); }, int(VT_ERROR)},
        {"Pocet", [&] { return QVariant(qint64(m_button.PoStiskuVyber())); }, qint64(-1)},
        {"Atrib", [&] { return type(m_button.PoStiskuAtrib()); }, int(VT_ERROR)},
        {"Vzdal", [&] { return QVariant(m_button.PoStiskuVzdal()); }, -1.0},
        {"2Body", [&] { return type(m_button.PoStisku2Body()); }, int(VT_EMPTY)},
        {"Obrys", [&] { return type(m_button.PoStiskuObrys(1)); }, int(VT_ERROR)},
        {"Point", [&] { return type(m_button.PoStiskuPoint()); }, int(VT_ERROR)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScriptedAnswers::ForgetShown();
        EXPECT_EQ(c.call(), c.failure);
        EXPECT_EQ(MessageTexts(), QStringList{NotRegistered});
    }
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(type(m_button.PoStiskuUtvor()), int(VT_EMPTY));
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(CadRoadTest, AStoppedCadProgramIsStartedButNotToQuit)
{
    Register();
    m_button.PoStiskuKonec();
    EXPECT_FALSE(StandInStarted());
    EXPECT_TRUE(MessageTexts().isEmpty());

    EXPECT_EQ(m_button.PoStiskuStart("", 0), 0);
    EXPECT_TRUE(StandInStarted());
    m_button.PoStiskuKonec();
    EXPECT_EQ(EventsWith("quit").size(), 1);
}

TEST_F(CadRoadTest, OpeningADrawingWithoutADocumentShowsThePath)
{
    Register("[]", {"--no-document"});
    EXPECT_EQ(m_button.PoStiskuStart("  /projekty/dum.dwg", 0), 0);
    EXPECT_EQ(MessageTexts(), QStringList{"/projekty/dum.dwg"});
}
