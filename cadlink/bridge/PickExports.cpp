// The exports that let the user pick points: a distance, two points and an outline.

#include "BridgeValues.h"
#include "CadSession.h"
#include "PointList.h"

#include "platform/core/MessageBox.h"
#include "platform/ole/COleDispatchException.h"

#include <cstdint>

namespace
{
enum : DISPID
{
    DocumentModelSpace = 1,
    DocumentUtility = 0x25,
    UtilityDistance = 0x6002000E,
    UtilityPoint = 0x60020010,
    ModelSpaceAddPolyline = 0x6002001E,
    PolylineColour = 0x60020002,
    PolylineHighlight = 0x60020010,
    PolylineDelete = 0x60020012,
    PolylineUpdate = 0x6002001A,
    PolylineWidth = 0x60020027,
    PolylineAppendVertex = 0x6002002B,
};

// The document's user-input utility; false (reported) when it cannot be had.
bool TakeUtility(CadSession& session, COleDispatchDriver& utility)
{
    try
    {
        utility.AttachDispatch(session.document.InvokeForObject(DocumentUtility, DISPATCH_PROPERTYGET));
        return true;
    }
    catch (COleDispatchException* e)
    {
        ReportAndDelete(e);
    }
    catch (CException* e)
    {
        e->Delete();
        BridgeMessage("Nesoulad typů: R14<=>R15", MB_ICONSTOP);
    }
    return false;
}

COleVariant Prompt(const char* text)
{
    return COleVariant(text);
}

// A point the user picks; throws as the utility does.
CadPoint PickPoint(COleDispatchDriver& utility, const VARIANT& base, const char* prompt, CadPoint point = {})
{
    ComRuntime::InteractiveCall person;
    COleVariant picked = utility.InvokeHelper(UtilityPoint, DISPATCH_METHOD, {base, Prompt(prompt)});
    PointList::Read(picked, point);
    return point;
}

COleVariant PointValue(const CadPoint& point)
{
    COleVariant value;
    PointList::Coordinates({point}, value);
    return value;
}

// The temporary polyline drawn along the outline while the user picks it.
class OutlineLine
{
public:
    OutlineLine(CadSession& session, double width, std::uint32_t colour) : m_session(session), m_width(width), m_colour(colour) {}
    ~OutlineLine() { Delete(); }

    void Add(int index, const CadPoint& point)
    {
        if (index == 0)
        {
            COleDispatchDriver modelSpace(m_session.document.InvokeForObject(DocumentModelSpace, DISPATCH_PROPERTYGET));
            COleVariant vertices;
            PointList::Coordinates({point, point}, vertices);
            m_line.AttachDispatch(modelSpace.InvokeForObject(ModelSpaceAddPolyline, DISPATCH_METHOD, {vertices}));
            m_line.SetProperty(PolylineColour, COleVariant(LONG(m_colour)));
            m_line.SetProperty(PolylineWidth, COleVariant(m_width));
            return;
        }
        m_line.InvokeHelper(PolylineAppendVertex, DISPATCH_METHOD, {PointValue(point)});
        m_line.InvokeHelper(PolylineHighlight, DISPATCH_METHOD, {COleVariant(short(VARIANT_TRUE), VT_BOOL)});
        m_line.InvokeHelper(PolylineUpdate, DISPATCH_METHOD);
    }

    void Delete()
    {
        if (!m_line.m_lpDispatch)
            return;
        try
        {
            m_line.InvokeHelper(PolylineDelete, DISPATCH_METHOD);
        }
        catch (CException* e)
        {
            e->Delete();
        }
        m_line.ReleaseDispatch();
    }

private:
    CadSession& m_session;
    double m_width;
    std::uint32_t m_colour;
    COleDispatchDriver m_line;
};

// Whether a pick ended by this status keeps the points picked so far.
bool KeepsPoints(SCODE status)
{
    return status == DISP_E_EXCEPTION || status == E_FAIL || status == SCODE(0x80002005u) ||
           status == SCODE(0x80210020u);
}

// How an outline pick ends after the utility raised an exception of its own.
void EndOutline(COleDispatchException* e, VARIANT& result)
{
    if (e->m_wCode != 0)
    {
        e->ReportError();
        VariantClear(&result);
        result = ErrorValue();
    }
    else if (!KeepsPoints(e->m_scError))
        VariantClear(&result);
    e->Delete();
}
} // namespace

extern "C" double PoStiskuVzdalButton()
{
    CadSession session;
    if (!session.Connect())
        return -1.0;
    try
    {
        COleDispatchDriver utility(session.document.InvokeForObject(DocumentUtility, DISPATCH_PROPERTYGET));
        ComRuntime::InteractiveCall person;
        COleVariant distance = utility.InvokeHelper(UtilityDistance, DISPATCH_METHOD,
                                                    {MissingArgument(), Prompt("Určete první bod!:")});
        if (FAILED(distance.ChangeType(VT_R8)))
            return -1.0;
        return distance.dblVal;
    }
    catch (COleDispatchException* e)
    {
        const double result = e->m_wCode != 0 ? -4.0 : e->m_scError == DISP_E_EXCEPTION ? -3.0 : -2.0;
        e->Delete();
        return result;
    }
    catch (CException* e)
    {
        ReportAndDelete(e);
        return -1.0;
    }
}

extern "C" VARIANT PoStisku2BodyButton()
{
    VARIANT result = EmptyValue();
    CadSession session;
    COleDispatchDriver utility;
    if (!session.Connect() || !TakeUtility(session, utility))
        return result;
    try
    {
        PointList::Append(result, PickPoint(utility, MissingArgument(), "Určete levý bod!:"));
        PointList::Append(result, PickPoint(utility, MissingArgument(), "Určete pravý bod!:"));
    }
    catch (COleDispatchException* e)
    {
        e->Delete();
    }
    catch (CException* e)
    {
        ReportAndDelete(e);
    }
    return result;
}

extern "C" VARIANT PoStiskuObrysButton(std::int32_t draw, double width, std::int32_t, std::uint32_t colour)
{
    VARIANT result = ErrorValue();
    CadSession session;
    COleDispatchDriver utility;
    if (!session.Connect() || !TakeUtility(session, utility))
        return result;
    OutlineLine line(session, width, colour);
    COleVariant base = MissingArgument();
    CadPoint point{};
    for (int i = 0;; ++i)
    {
        try
        {
            CString prompt;
            prompt.Format("Určete %d. bod!:", i + 1);
            point = PickPoint(utility, base, prompt, point);
            base = PointValue(point);
            if (draw)
                line.Add(i, point);
        }
        catch (COleDispatchException* e)
        {
            line.Delete();
            EndOutline(e, result);
            return result;
        }
        catch (CException* e)
        {
            line.Delete();
            ReportAndDelete(e);
            VariantClear(&result);
            return ErrorValue();
        }
        if (FAILED(PointList::Append(result, point)))
            return result;
    }
}
