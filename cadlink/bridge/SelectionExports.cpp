// The exports that let the user select objects: how many, and the attributes of a block.

#include "BridgeValues.h"
#include "CadSession.h"

#include "platform/core/MessageBox.h"
#include "platform/ole/COleDispatchException.h"
#include "platform/ole/SafeArray.h"

#include <cstdint>

namespace
{
const char* const SetName = "dnesniPokus";

enum : DISPID
{
    SetsItem = 0,
    SetsCount = 0x60020002,
    SetsAdd = 0x60020004,
    SetItem = 0,
    SetCount = 0x60020002,
    SetNameProperty = 0x60020003,
    SetHighlight = 0x60020004,
    SetUpdate = 0x60020006,
    SetClear = 0x6002000A,
    SetSelectOnScreen = 0x6002000E,
    SetDelete = 0x6002000F,
    ObjectName = 0x60020001,
    BlockAttributes = 0x6002002D,
    BlockHasAttributes = 0x6002002E,
    AttributeTag = 0x6002002E,
    AttributeText = 0x60020034,
};

// Runs one call; an exception is reported and the work goes on.
template <class Call> void Reported(Call call)
{
    try
    {
        call();
    }
    catch (CException* e)
    {
        ReportAndDelete(e);
    }
}

// The drawing's selection sets; false (reported as the Part of each pick says) when they cannot be had.
bool TakeSets(CadSession& session, COleDispatchDriver& sets, bool reportDispatchException)
{
    try
    {
        sets.AttachDispatch(session.document.InvokeForObject(0x0F, DISPATCH_PROPERTYGET));
        return true;
    }
    catch (COleDispatchException* e)
    {
        if (reportDispatchException)
            ReportAndDelete(e);
        else
            e->Delete();
    }
    catch (CException* e)
    {
        e->Delete();
        BridgeMessage("Nesoulad typů: R14<=>R15", MB_ICONSTOP);
    }
    return false;
}

// Deletes a set of the pick's name left behind by an earlier pick.
void RemoveLeftover(COleDispatchDriver& sets)
{
    try
    {
        const long count = sets.GetProperty(SetsCount).lVal;
        for (long i = 0; i < count; ++i)
        {
            COleDispatchDriver set(sets.InvokeForObject(SetsItem, DISPATCH_METHOD, {COleVariant(LONG(i))}));
            if (CString(set.GetProperty(SetNameProperty).bstrVal) == SetName)
            {
                set.InvokeHelper(SetDelete, DISPATCH_METHOD);
                return;
            }
        }
    }
    catch (CException* e)
    {
        ReportAndDelete(e);
    }
}

// A new set of the pick's name; false when one is left over (it is removed).
bool AddSet(COleDispatchDriver& sets, COleDispatchDriver& set)
{
    try
    {
        set.AttachDispatch(sets.InvokeForObject(SetsAdd, DISPATCH_METHOD, {COleVariant(SetName)}));
        return true;
    }
    catch (CException* e)
    {
        e->Delete();
        RemoveLeftover(sets);
        return false;
    }
}

// The user selects on screen into the emptied set; false (reported) when the pick failed.
bool SelectOnScreen(COleDispatchDriver& set)
{
    try
    {
        set.InvokeHelper(SetClear, DISPATCH_METHOD);
        ComRuntime::InteractiveCall person;
        set.InvokeHelper(SetSelectOnScreen, DISPATCH_METHOD, {MissingArgument(), MissingArgument()});
        return true;
    }
    catch (CException* e)
    {
        ReportAndDelete(e);
        return false;
    }
}

void HighlightOffAndEmpty(COleDispatchDriver& set)
{
    Reported([&] { set.InvokeHelper(SetHighlight, DISPATCH_METHOD, {COleVariant(short(VARIANT_FALSE), VT_BOOL)}); });
    Reported([&] { set.InvokeHelper(SetClear, DISPATCH_METHOD); });
}

void DeleteSet(COleDispatchDriver& set)
{
    Reported([&] { set.InvokeHelper(SetDelete, DISPATCH_METHOD); });
}

CString TextOf(COleDispatchDriver& object, DISPID id)
{
    COleVariant value = object.GetProperty(id);
    if (FAILED(value.ChangeType(VT_BSTR)))
        return CString();
    return CString(value.bstrVal ? value.bstrVal : "");
}

// The attribute objects of a block reference, as its attribute array holds them.
IDispatch* AttributeAt(const VARIANT& array, LONG index)
{
    if (array.vt == (VT_ARRAY | VT_DISPATCH))
    {
        IDispatch* object = nullptr;
        SafeArrayGetElement(array.parray, &index, &object);
        return object;
    }
    VARIANT item;
    if (array.vt != (VT_ARRAY | VT_VARIANT) || FAILED(SafeArrayGetElement(array.parray, &index, &item)))
        return nullptr;
    IDispatch* object = item.vt == VT_DISPATCH ? item.pdispVal : nullptr;
    if (object)
        object->AddRef();
    VariantClear(&item);
    return object;
}

// The [3 x n] table of the block's attributes: class name, tag, text.
VARIANT AttributeTable(COleDispatchDriver& block)
{
    COleVariant attributes = block.InvokeHelper(BlockAttributes, DISPATCH_METHOD);
    const UINT dims = (attributes.vt & VT_ARRAY) ? SafeArrayGetDim(attributes.parray) : 0;
    LONG lower = 0, upper = -1;
    if (dims > 0)
    {
        SafeArrayGetLBound(attributes.parray, dims, &lower);
        SafeArrayGetUBound(attributes.parray, dims, &upper);
    }
    const SAFEARRAYBOUND bounds[2] = {{3, 0}, {ULONG(upper - lower + 1), 0}};
    SAFEARRAY* table = SafeArrayCreate(VT_BSTR, 2, bounds);
    if (!table)
    {
        BridgeMessage("Nelze vytvořit paměťové pole!");
        return ErrorValue();
    }
    VARIANT result;
    VariantInit(&result);
    result.vt = VT_ARRAY | VT_BSTR;
    result.parray = table;
    try
    {
        for (LONG i = 0; i <= upper - lower; ++i)
        {
            COleDispatchDriver attribute(AttributeAt(attributes, lower + i));
            const CString texts[3] = {TextOf(attribute, ObjectName), TextOf(attribute, AttributeTag),
                                      TextOf(attribute, AttributeText)};
            for (LONG row = 0; row < 3; ++row)
            {
                const LONG indices[2] = {row, i};
                BSTR text = SysAllocString(texts[row]);
                SafeArrayPutElement(table, indices, text);
                SysFreeString(text);
            }
        }
    }
    catch (CException*)
    {
        VariantClear(&result);
        throw;
    }
    return result;
}

// What the user picked: the attribute table of a block with attributes, VT_EMPTY for no block.
VARIANT ReadPicked(COleDispatchDriver& set)
{
    if (set.GetProperty(SetCount).lVal == 0)
        return EmptyValue();
    COleDispatchDriver entity(set.InvokeForObject(SetItem, DISPATCH_METHOD, {COleVariant(short(0))}));
    HighlightOffAndEmpty(set);
    set.InvokeHelper(SetUpdate, DISPATCH_METHOD);
    const CString name = TextOf(entity, ObjectName);
    if (name != "AcDbBlockReference" && name != "AcDbMInsertBlock")
        return EmptyValue();
    if (entity.GetProperty(BlockHasAttributes).boolVal == VARIANT_FALSE)
        return ErrorValue();
    return AttributeTable(entity);
}
} // namespace

extern "C" std::int32_t PoStiskuPocetButton()
{
    CadSession session;
    COleDispatchDriver sets, set;
    if (!session.Connect() || !TakeSets(session, sets, true) || !AddSet(sets, set))
        return -1;
    std::int32_t result = -1;
    if (SelectOnScreen(set))
        Reported([&] { result = set.GetProperty(SetCount).lVal; });
    HighlightOffAndEmpty(set);
    // An interrupted pick removes its set too: nothing is left to fail the next pick.
    DeleteSet(set);
    return result;
}

extern "C" VARIANT PoStiskuAtribButton()
{
    CadSession session;
    COleDispatchDriver sets, set;
    if (!session.Connect() || !TakeSets(session, sets, false) || !AddSet(sets, set))
        return ErrorValue();
    VARIANT result = ErrorValue();
    if (SelectOnScreen(set))
    {
        try
        {
            result = ReadPicked(set);
        }
        catch (CException* e)
        {
            ReportAndDelete(e);
            result = ErrorValue();
        }
    }
    DeleteSet(set);
    return result;
}
