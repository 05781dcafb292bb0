#include "dataeditor/app/SingleInstance.h"

#include <QByteArray>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char* const SingleInstance::kAreYouMe = "UWM_AreYouMe-{37A4C011-5FA3-4ff3-8C38-97E9BDC97873}";
const char* const SingleInstance::kFileOpen = "UWM_FileOpen-{37A4C011-5FA3-4ff3-8C38-97E9BDC97873}";
const char* const SingleInstance::kActivate = "Activate-{37A4C011-5FA3-4ff3-8C38-97E9BDC97873}";

namespace
{
constexpr int kHandledWaitMs = 60000;

bool ReadLine(QLocalSocket& socket, QByteArray& line, int waitMs)
{
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(waitMs))
            return false;
    line = socket.readLine().trimmed();
    return true;
}

// One connection of the server: lines of questions, an open request with its text.
void Serve(QLocalSocket* socket, const std::function<void()>& onRaise,
           const std::function<void(const CString&)>& onOpen)
{
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [=] {
        buffer->append(socket->readAll());
        for (;;)
        {
            const qsizetype end = buffer->indexOf('\n');
            if (end < 0)
                return;
            const QByteArray line = buffer->left(end).trimmed();
            if (line == SingleInstance::kAreYouMe)
            {
                buffer->remove(0, end + 1);
                socket->write(QByteArray(SingleInstance::kAreYouMe) + '\n');
                socket->flush();
            }
            else if (line == SingleInstance::kActivate)
            {
                buffer->remove(0, end + 1);
                onRaise();
                socket->write("0\n");
                socket->flush();
            }
            else if (line.startsWith(SingleInstance::kFileOpen))
            {
                const qsizetype size = line.mid(qsizetype(strlen(SingleInstance::kFileOpen))).trimmed().toLongLong();
                if (buffer->size() < end + 1 + size)
                    return; // the text has not arrived yet
                const QByteArray text = buffer->mid(end + 1, size);
                buffer->remove(0, end + 1 + size);
                if (size > 0)
                    onOpen(CString(QByteArray(text.constData(), qstrnlen(text.constData(), text.size())).constData()));
                socket->write("0\n");
                socket->flush();
            }
            else
            {
                socket->disconnectFromServer();
                return;
            }
        }
    });
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
}
} // namespace

SingleInstance::SingleInstance(const CString& appName) : m_appName(appName) {}

SingleInstance::~SingleInstance()
{
    m_server.reset();
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

CString SingleInstance::RuntimeFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return CString(runtime.constData());
    const QString folder = QDir::tempPath() + QStringLiteral("/sobrel-%1").arg(::getuid());
    QDir().mkpath(folder);
    ::chmod(folder.toLocal8Bit().constData(), 0700);
    return CString(folder.toUtf8().constData());
}

CString SingleInstance::SocketPath() const
{
    CString path;
    path.Format("%s/%s-{37A4C011-5FA3-4ff3-8C38-97E9BDC97873}-%u", LPCTSTR(RuntimeFolder()), LPCTSTR(m_appName),
                unsigned(::getuid()));
    return path;
}

CString SingleInstance::LockPath() const { return SocketPath() + ".lock"; }

bool SingleInstance::Create()
{
    m_lockFd = ::open(LockPath(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0)
        return m_first = true; // no lock to be had: behave as the only instance
    m_first = ::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0;
    if (m_first)
        QLocalServer::removeServer(QString::fromUtf8(LPCTSTR(SocketPath())));
    // Every instance holds the lock shared from now on; the first one downgrades.
    ::flock(m_lockFd, LOCK_SH);
    return m_first;
}

bool SingleInstance::Forward(const CString& request, int answerMs)
{
    QLocalSocket socket;
    socket.connectToServer(QString::fromUtf8(LPCTSTR(SocketPath())));
    if (!socket.waitForConnected(answerMs))
        return false;
    socket.write(QByteArray(kAreYouMe) + '\n');
    socket.flush();
    QByteArray reply;
    if (!ReadLine(socket, reply, answerMs) || reply != kAreYouMe)
        return false;
    socket.write(QByteArray(kActivate) + '\n');
    socket.flush();
    if (!ReadLine(socket, reply, answerMs))
        return false;
    if (!request.IsEmpty())
    {
        // The text with its zero byte, as the block of shared memory held it.
        const QByteArray text(LPCTSTR(request), request.GetLength() + 1);
        socket.write(QByteArray(kFileOpen) + ' ' + QByteArray::number(text.size()) + '\n' + text);
        socket.flush();
        if (!ReadLine(socket, reply, kHandledWaitMs))
            return false;
    }
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen(std::function<void()> onRaise, std::function<void(const CString&)> onOpen)
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(QString::fromUtf8(LPCTSTR(SocketPath()))))
    {
        m_server.reset();
        return false;
    }
    QLocalServer* server = m_server.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, onRaise, onOpen] {
        while (QLocalSocket* socket = server->nextPendingConnection())
            Serve(socket, onRaise, onOpen);
    });
    return true;
}

bool SingleInstance::ReleaseIsLast()
{
    m_server.reset();
    if (m_lockFd < 0)
        return true;
    ::flock(m_lockFd, LOCK_UN);
    const bool last = ::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0;
    ::close(m_lockFd);
    m_lockFd = -1;
    return last;
}
