#pragma once
// One editor per user: a lock file in the user's runtime folder tells the first instance
// (exclusive lock, then held shared by every instance) and, at exit, the last one; the first
// instance answers on a local socket. A later start asks there whether an editor runs
// ("UWM_AreYouMe-..."), lets it come to the front and hands it the open request
// ("UWM_FileOpen-..." with the text "path\ttable\textra"), each request on its own connection.

#include "platform/core/CString.h"

#include <functional>
#include <memory>

class QLocalServer;

class SingleInstance
{
public:
    explicit SingleInstance(const CString& appName);
    ~SingleInstance();

    // Takes the lock; true when no other instance holds it (this is the first one).
    bool Create();
    bool IsFirst() const { return m_first; }

    // Asks the running instance; true when it answered within answerMs and, for a non-empty
    // request, took the request. False: nobody answered, or no socket could be used.
    bool Forward(const CString& request, int answerMs = 200);

    // The first instance serves requests: onRaise brings its window to the front, onOpen
    // handles one request text.
    bool Listen(std::function<void()> onRaise, std::function<void(const CString&)> onOpen);

    // Ends serving and drops the lock; true when no other instance holds it any more.
    bool ReleaseIsLast();

    static CString RuntimeFolder();
    CString SocketPath() const;
    CString LockPath() const;

    static const char* const kAreYouMe;
    static const char* const kFileOpen;
    static const char* const kActivate;

private:
    CString m_appName;
    int m_lockFd = -1;
    bool m_first = false;
    std::unique_ptr<QLocalServer> m_server;
};
