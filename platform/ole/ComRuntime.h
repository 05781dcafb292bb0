#pragma once
// The automation run time: initialisation (counted per thread), classes found by program id,
// running objects and new instances.
//
// A class is registered under "Software\Classes\<program id>" (the user's registry first,
// then the machine's) with the values "Socket", the local socket its server listens on, and
// "Server", the command line that starts the server. The server speaks the line protocol of
// AutomationConnection. A class whose server cannot be reached is not running; a new instance
// starts "Server" and waits for the socket to answer (at most StartTimeout()).

#include "platform/core/CString.h"
#include "platform/ole/Dispatch.h"

struct CLSID
{
    CString progId;
    CString socket;
    CString server;
};
using REFCLSID = const CLSID&;

constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFFu);
constexpr HRESULT CO_E_CLASSSTRING = HRESULT(0x800401F3u);
constexpr HRESULT CO_E_NOTINITIALIZED = HRESULT(0x800401F0u);
constexpr HRESULT REGDB_E_CLASSNOTREG = HRESULT(0x80040154u);
constexpr HRESULT MK_E_UNAVAILABLE = HRESULT(0x800401E3u);
constexpr HRESULT CO_E_SERVER_EXEC_FAILURE = HRESULT(0x80080005u);
constexpr HRESULT RPC_E_DISCONNECTED = HRESULT(0x80010108u);
constexpr HRESULT RPC_E_SERVERFAULT = HRESULT(0x80010105u);
constexpr HRESULT RPC_E_TIMEOUT = HRESULT(0x8001011Fu);

constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD CLSCTX_SERVER = 0x15;

HRESULT CoInitialize(void* reserved = nullptr);
void CoUninitialize();
// CO_E_CLASSSTRING when no class of that program id is registered (or it names no socket).
HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid);
// The running object of the class; MK_E_UNAVAILABLE when its server does not answer.
HRESULT GetActiveObject(REFCLSID clsid, void* reserved, IUnknown** ppunk);
// A running object of the class, its server started first when none answers;
// CO_E_SERVER_EXEC_FAILURE when the server does not start or never answers.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv);

namespace ComRuntime
{
// How long a new instance's server may take to answer (30 s unless a test sets another).
int StartTimeout();
void SetStartTimeout(int milliseconds);
// How long one call waits for the server's reply before it fails with RPC_E_TIMEOUT: 30 s for an
// ordinary call; 30 minutes within an InteractiveCall, where a person picks in the server's window
// (unless a test sets other times).
int CallTimeout();
void SetCallTimeout(int milliseconds);
int ReplyTimeout();
void SetReplyTimeout(int milliseconds);
// The wait of the calls made now on this thread.
int CurrentTimeout();

// Marks the calls made during its life as ones that wait for a person.
class InteractiveCall
{
public:
    InteractiveCall();
    ~InteractiveCall();
    InteractiveCall(const InteractiveCall&) = delete;
    InteractiveCall& operator=(const InteractiveCall&) = delete;
};
// Initialisations of the calling thread not yet undone.
int InitCount();
} // namespace ComRuntime
