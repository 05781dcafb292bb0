#include "SobrelFixture.h"

#include "dataeditor/app/CVersionCheck.h"
#include "testing/ScriptedAnswers.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace
{
// A web server on the loopback interface that answers every request with one reply.
class LoopbackServer
{
public:
    LoopbackServer(int status, const QByteArray& body)
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this, status, body] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, status, body] {
                const QByteArray request = socket->readAll();
                m_path = request.split(' ').value(1);
                const QByteArray reason = status == 200 ? "OK" : "Not Found";
                socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
                              "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
                              "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    CString Address() const { return CString("http://127.0.0.1:") + QByteArray::number(m_server.serverPort()).constData(); }
    QByteArray m_path;

private:
    QTcpServer m_server;
};

QByteArray Answer(const char* version, const char* url)
{
    return QByteArray("<version>") + version +
           "</version><versionText>Nová verze editoru</versionText><versionURL>" + url +
           "</versionURL><versionURLText>stránku ke stažení</versionURLText><versionInfo>Opravy chyb</versionInfo>";
}

class VersionCheck : public SobrelFixture
{
protected:
    void SetUp() override
    {
        SobrelFixture::SetUp();
        ProvideBoth();
        ASSERT_TRUE(Start());
        CVersionCheck::SetUrlOpener([this](const CString& url) { m_opened = url; });
    }
    void TearDown() override
    {
        CVersionCheck::SetUrlOpener(nullptr);
        SobrelFixture::TearDown();
    }
    bool Check(LoopbackServer& server)
    {
        CVersionCheck check(1.7, server.Address(), "versionInfo/Sobrel150CZ.txt", "Sobrel", "", nullptr);
        return check.Check(true);
    }
    CString m_opened;
};
} // namespace

TEST_F(VersionCheck, SameVersionSaysSoAndNoLeavesTheBrowserAlone)
{
    LoopbackServer server(200, Answer("1.7", "http://example.org/sobrel"));
    ScriptedAnswers::AnswerBox(IDNO);
    EXPECT_TRUE(Check(server));
    EXPECT_EQ(server.m_path, "/versionInfo/Sobrel150CZ.txt");
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_TRUE(LastMessage().Find("nejnovější verzi") >= 0) << LastMessage();
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].Buttons(), UINT(MB_YESNO));
    EXPECT_TRUE(m_opened.IsEmpty());
}

TEST_F(VersionCheck, NewerVersionOffersTheAddressAndYesOpensIt)
{
    LoopbackServer server(200, Answer("1.71", "http://example.org/sobrel"));
    ScriptedAnswers::AnswerBox(IDYES);
    EXPECT_TRUE(Check(server));
    EXPECT_TRUE(LastMessage().Find("Nová verze editoru") == 0) << LastMessage();
    EXPECT_TRUE(LastMessage().Find("Opravy chyb") > 0);
    EXPECT_EQ(m_opened, "http://example.org/sobrel");
}

TEST_F(VersionCheck, AnEmptyElementCountsAsMissing)
{
    LoopbackServer server(200, Answer("1.71", ""));
    EXPECT_FALSE(Check(server));
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_TRUE(m_opened.IsEmpty());
}

TEST_F(VersionCheck, MissingAnswerFileReportsTheServer)
{
    LoopbackServer server(404, "nothing here");
    EXPECT_FALSE(Check(server));
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_TRUE(LastMessage().Find("nevrátil informace") > 0) << LastMessage();
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].Icon(), UINT(MB_ICONERROR));
}
