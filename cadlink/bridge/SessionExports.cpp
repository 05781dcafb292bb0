// The exports that start, quit or merely reach the CAD program.

#include "BridgeValues.h"
#include "CadSession.h"

#include "platform/core/CString.h"

#include <cstdint>

extern "C" std::int32_t PoStiskuStartButton(const char* path, std::int32_t)
{
    CString drawing(path ? path : "");
    drawing.TrimLeft();
    CadSession session;
    if (drawing.IsEmpty())
    {
        session.Connect();
        return 0;
    }
    if (!session.ConnectApplication())
        return 0;
    try
    {
        COleDispatchDriver document(session.application.InvokeForObject(5, DISPATCH_PROPERTYGET));
        document.InvokeHelper(0x26, DISPATCH_METHOD, {COleVariant(drawing)});
    }
    catch (CException* e)
    {
        e->Delete();
        BridgeMessage(drawing);
    }
    return 0;
}

// Quits a CAD program that runs; with none running nothing is started.
extern "C" std::int32_t PoStiskuKonecButton()
{
    CadSession session;
    bool running = false;
    if (!session.ConnectRunning(running) || !session.TakeDocument())
        return 0;
    session.RaiseWindow();
    try
    {
        session.application.InvokeHelper(0x1C, DISPATCH_METHOD);
    }
    catch (CException* e)
    {
        ReportAndDelete(e);
    }
    return 0;
}

extern "C" VARIANT PoStiskuPointButton()
{
    CadSession session;
    session.Connect();
    return ErrorValue();
}

extern "C" VARIANT PoStiskuUtvorButton()
{
    return EmptyValue();
}
