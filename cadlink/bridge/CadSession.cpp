#include "CadSession.h"

#include "platform/core/MessageBox.h"
#include "platform/ole/COleDispatchException.h"
#include "platform/ole/COleException.h"
#include "platform/ole/ServerWindow.h"

const char* const CadSession::ProgId = "AutoCAD.Application.14";

void BridgeMessage(const char* text, UINT icon)
{
    AfxMessageBox(text, MB_OK | icon);
}

void ReportAndDelete(CException* exception)
{
    exception->ReportError();
    exception->Delete();
}

CadSession::CadSession()
{
    CoInitialize(nullptr);
}

CadSession::~CadSession()
{
    document.ReleaseDispatch();
    application.ReleaseDispatch();
    CoUninitialize();
}

bool CadSession::FindClass(CLSID& clsid)
{
    if (SUCCEEDED(CLSIDFromProgID(ProgId, &clsid)))
        return true;
    BridgeMessage("?cad.Application není zaregistrováno!");
    return false;
}

bool CadSession::MakeVisible()
{
    try
    {
        application.SetProperty(1, COleVariant(short(VARIANT_TRUE), VT_BOOL));
        return true;
    }
    catch (CException* e)
    {
        ReportAndDelete(e);
        return false;
    }
}

bool CadSession::ConnectApplication()
{
    CLSID clsid;
    if (!FindClass(clsid))
        return false;
    // A CAD program that does not start or never answers is as good as not registered.
    if (!application.CreateDispatch(clsid))
    {
        BridgeMessage("?cad.Application není zaregistrováno!");
        return false;
    }
    return MakeVisible();
}

bool CadSession::ConnectRunning(bool& running)
{
    running = false;
    CLSID clsid;
    if (!FindClass(clsid))
        return false;
    IUnknown* object = nullptr;
    if (FAILED(GetActiveObject(clsid, nullptr, &object)))
        return false;
    void* dispatch = nullptr;
    const HRESULT hr = object->QueryInterface(IID::Dispatch, &dispatch);
    object->Release();
    if (FAILED(hr))
        return false;
    application.AttachDispatch(static_cast<IDispatch*>(dispatch));
    running = true;
    return MakeVisible();
}

bool CadSession::RaiseWindow()
{
    bool found = false;
    return SUCCEEDED(ServerWindow::Raise(application.m_lpDispatch, found)) && found;
}

bool CadSession::Connect()
{
    if (!ConnectApplication() || !TakeDocument())
        return false;
    RaiseWindow();
    return true;
}

bool CadSession::TakeDocument()
{
    try
    {
        document.AttachDispatch(application.InvokeForObject(5, DISPATCH_PROPERTYGET));
    }
    catch (CException* e)
    {
        e->Delete();
        BridgeMessage("Není otevřen potřebný dokument,\notevřete si ho!");
        return false;
    }
    return true;
}
