#pragma once
// One connection of an export to the CAD program (the connect sequence): automation initialised,
// the application found running or started, made visible, its active document taken and its main
// window brought forward. Everything is released and automation uninitialised when the session ends.
// A failed step shows its message box; the export then returns its failure value.

#include "platform/core/CException.h"
#include "platform/ole/COleDispatchDriver.h"

class CadSession
{
public:
    // The program id of the CAD program this bridge drives.
    static const char* const ProgId;

    CadSession();
    ~CadSession();
    CadSession(const CadSession&) = delete;
    CadSession& operator=(const CadSession&) = delete;

    // The whole sequence; false when a step failed.
    bool Connect();
    // Application only: made visible, no document taken, no window raised.
    bool ConnectApplication();
    // The running application only, nothing started; false (and no message) when none runs.
    bool ConnectRunning(bool& running);
    // The active document; false (its message shown) when no drawing is open.
    bool TakeDocument();
    // Brings the CAD program's main window forward; false when it has none.
    bool RaiseWindow();

    COleDispatchDriver application;
    COleDispatchDriver document;

private:
    bool FindClass(CLSID& clsid);
    bool MakeVisible();
};

// The message box of a bridge: the text, OK only.
void BridgeMessage(const char* text, UINT icon = 0);
// The framework's report of an exception, then the exception deleted.
void ReportAndDelete(CException* exception);
