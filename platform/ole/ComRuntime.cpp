#include "platform/ole/ComRuntime.h"

#include "platform/core/Registry.h"
#include "platform/ole/AutomationConnection.h"
#include "platform/ole/RemoteDispatch.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <string>

namespace
{
thread_local int t_initCount = 0;
int g_startTimeout = 30000;
int g_callTimeout = 30 * 1000;
int g_replyTimeout = 30 * 60 * 1000;
thread_local int t_interactive = 0;

CString ReadValue(HKEY key, const char* name)
{
    char buffer[1024];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return CString();
    return CString(buffer);
}

// The class's values in one registry; false when the key or its socket is missing.
bool ReadClass(HKEY root, const std::string& progId, CLSID& clsid)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(root, ("Software\\Classes\\" + progId).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    clsid.progId = progId.c_str();
    clsid.socket = ReadValue(key, "Socket");
    clsid.server = ReadValue(key, "Server");
    RegCloseKey(key);
    return !clsid.socket.IsEmpty();
}

IUnknown* ApplicationOn(std::shared_ptr<AutomationConnection> connection)
{
    return new RemoteDispatch(std::move(connection), 0);
}

bool StartServer(const CString& commandLine)
{
    const QStringList parts = QProcess::splitCommand(QString::fromUtf8(commandLine.GetString()));
    if (parts.isEmpty())
        return false;
    return QProcess::startDetached(parts.front(), parts.mid(1));
}
} // namespace

HRESULT CoInitialize(void*)
{
    return t_initCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (t_initCount > 0)
        --t_initCount;
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid)
{
    if (!progId || !*progId || !clsid)
        return E_INVALIDARG;
    *clsid = CLSID();
    if (ReadClass(HKEY_CURRENT_USER, progId, *clsid) || ReadClass(HKEY_LOCAL_MACHINE, progId, *clsid))
        return S_OK;
    *clsid = CLSID();
    return CO_E_CLASSSTRING;
}

HRESULT GetActiveObject(REFCLSID clsid, void*, IUnknown** ppunk)
{
    if (!ppunk)
        return E_INVALIDARG;
    *ppunk = nullptr;
    if (t_initCount == 0)
        return CO_E_NOTINITIALIZED;
    if (clsid.socket.IsEmpty())
        return REGDB_E_CLASSNOTREG;
    auto connection = AutomationConnection::Open(clsid.socket);
    if (!connection)
        return MK_E_UNAVAILABLE;
    *ppunk = ApplicationOn(std::move(connection));
    return S_OK;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown*, DWORD, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_INVALIDARG;
    *ppv = nullptr;
    IUnknown* object = nullptr;
    HRESULT hr = GetActiveObject(clsid, nullptr, &object);
    if (hr == MK_E_UNAVAILABLE)
    {
        if (!StartServer(clsid.server))
            return CO_E_SERVER_EXEC_FAILURE;
        QElapsedTimer clock;
        clock.start();
        while (hr == MK_E_UNAVAILABLE && clock.elapsed() < g_startTimeout)
        {
            QThread::msleep(50);
            hr = GetActiveObject(clsid, nullptr, &object);
        }
        if (hr == MK_E_UNAVAILABLE)
            return CO_E_SERVER_EXEC_FAILURE;
    }
    if (FAILED(hr))
        return hr;
    hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

namespace ComRuntime
{
int StartTimeout()
{
    return g_startTimeout;
}

void SetStartTimeout(int milliseconds)
{
    g_startTimeout = milliseconds;
}

int CallTimeout()
{
    return g_callTimeout;
}

void SetCallTimeout(int milliseconds)
{
    g_callTimeout = milliseconds;
}

int CurrentTimeout()
{
    return t_interactive > 0 ? g_replyTimeout : g_callTimeout;
}

InteractiveCall::InteractiveCall()
{
    ++t_interactive;
}

InteractiveCall::~InteractiveCall()
{
    --t_interactive;
}

int ReplyTimeout()
{
    return g_replyTimeout;
}

void SetReplyTimeout(int milliseconds)
{
    g_replyTimeout = milliseconds;
}

int InitCount()
{
    return t_initCount;
}
} // namespace ComRuntime
