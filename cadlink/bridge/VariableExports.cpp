// The exports that type a command into the CAD program and set or read its drawing variables.

#include "BridgeValues.h"
#include "CadSession.h"

#include "platform/ole/COleException.h"
#include "platform/ole/ServerWindow.h"

#include <cstdint>

namespace
{
void NotDone(const CString& what)
{
    CString text;
    text.Format("Příkaz\n'%s'\nnebyl proveden!", what.GetString());
    BridgeMessage(text);
}

VARIANT ReadVariable(const CString& name)
{
    CadSession session;
    if (!session.Connect())
        return ErrorValue();
    try
    {
        COleDispatchDriver document(session.application.InvokeForObject(5, DISPATCH_PROPERTYGET));
        COleVariant value = document.InvokeHelper(0x32, DISPATCH_METHOD, {COleVariant(name)});
        return value.Detach();
    }
    catch (CException* e)
    {
        e->Delete();
        NotDone(name);
        return ErrorValue();
    }
}
} // namespace

// The command goes to the CAD program's window as typed text: trailing blanks become one space.
extern "C" std::int32_t PoStiskuPovelButton(const char* command)
{
    CString typed(command ? command : "");
    typed.TrimRight();
    typed += ' ';
    std::int32_t result = -1;
    CadSession session;
    if (!session.Connect())
        return result;
    try
    {
        COPYDATASTRUCT data;
        data.dwData = 1;
        data.cbData = DWORD(typed.ByteLength() + 1);
        data.lpData = typed.GetString();
        bool found = false;
        LRESULT answer = 0;
        const HRESULT hr = ServerWindow::SendCopyData(session.application.m_lpDispatch, data, found, answer);
        if (FAILED(hr))
            AfxThrowOleException(hr);
        if (found)
        {
            result = std::int32_t(answer);
            session.application.InvokeHelper(0x1B, DISPATCH_METHOD);
        }
    }
    catch (CException* e)
    {
        e->Delete();
        NotDone(typed);
    }
    return result;
}

extern "C" std::int32_t PoStiskuDosadButton(const char* name, VARIANT* value)
{
    const CString variable(name ? name : "");
    CadSession session;
    if (!session.Connect())
        return -1;
    try
    {
        session.document.InvokeHelper(0x33, DISPATCH_METHOD, {COleVariant(variable), value ? *value : EmptyValue()});
        return 0;
    }
    catch (CException* e)
    {
        e->Delete();
        NotDone(variable);
        return -1;
    }
}

extern "C" VARIANT PoStiskuNactiButton(const char* name)
{
    return ReadVariable(CString(name ? name : ""));
}

// The variable named by the first text without its trailing blanks; the second text is not used.
extern "C" VARIANT PoStiskuNajdiButton(const char* name, const char*)
{
    CString variable(name ? name : "");
    variable.TrimRight();
    return ReadVariable(variable);
}
