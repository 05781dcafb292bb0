#include "platform/core/CMap.h"
#include "platform/core/CMapStringToString.h"
#include "platform/core/CObArray.h"
#include "platform/core/CStringArray.h"
#include "platform/core/CTypedPtrArray.h"
#include "platform/core/CUIntArray.h"

#include <gtest/gtest.h>

#include <memory>

// Outside an anonymous namespace: run-time classes are visible to the whole program.
class CRecord : public CObject
{
    DECLARE_DYNCREATE(CRecord)
public:
    int m_value = 7;
};
IMPLEMENT_DYNCREATE(CRecord, CObject)

class CSpecialRecord : public CRecord
{
    DECLARE_SERIAL(CSpecialRecord)
};
IMPLEMENT_SERIAL(CSpecialRecord, CRecord, 1)

class CAbstractPart : public CObject
{
    DECLARE_DYNAMIC(CAbstractPart)
};
IMPLEMENT_DYNAMIC(CAbstractPart, CObject)

namespace
{
TEST(CObject, RunTimeClassesAndDynamicCreation)
{
    const std::unique_ptr<CObject> made(RUNTIME_CLASS(CSpecialRecord)->CreateObject());
    ASSERT_TRUE(made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CSpecialRecord)));
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CRecord)));
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(made->IsKindOf(RUNTIME_CLASS(CAbstractPart)));
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, "CSpecialRecord");
    EXPECT_TRUE(made->IsSerializable());
    EXPECT_EQ(static_cast<CRecord*>(made.get())->m_value, 7);

    const std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CRecord"));
    ASSERT_TRUE(byName);
    EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(CRecord));
    EXPECT_FALSE(byName->IsSerializable());
    EXPECT_EQ(RUNTIME_CLASS(CAbstractPart)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CNothing"), nullptr);
}

TEST(CArray, MembersOverTheVector)
{
    CStringArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.Add("jedna"), 0);
    a.Add("tři");
    a.InsertAt(1, "dvě");
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a.GetUpperBound(), 2);
    EXPECT_EQ(a[1], "dvě");
    a.SetAtGrow(5, "šest");
    EXPECT_EQ(a.GetSize(), 6);
    EXPECT_TRUE(a[4].IsEmpty());
    a.RemoveAt(3, 2);
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[3], "šest");
    CStringArray b;
    b.Copy(a);
    b.Append(a);
    EXPECT_EQ(b.GetCount(), 8);
    b.SetSize(2);
    EXPECT_EQ(b[1], "dvě");
    b.RemoveAll();
    EXPECT_EQ(b.GetSize(), 0);

    CUIntArray n;
    n.SetSize(3);
    n[2] = 9;
    n.InsertAt(0, 5u, 2);
    EXPECT_EQ(n.GetSize(), 5);
    EXPECT_EQ(n.GetAt(0), 5u);
    EXPECT_EQ(n.GetAt(4), 9u);
    unsigned sum = 0;
    for (UINT v : n)
        sum += v;
    EXPECT_EQ(sum, 19u);
}

TEST(CArray, TypedPointersStayOwnedByTheCaller)
{
    CTypedPtrArray<CObArray, CRecord*> records;
    CRecord one, two;
    two.m_value = 2;
    records.Add(&one);
    records.Add(&two);
    EXPECT_EQ(records[1]->m_value, 2);
    EXPECT_EQ(records.GetAt(0), &one);
}

TEST(CMap, LookupIterationAndRemoval)
{
    CMap<int, int, CString, const CString&> map;
    map[3] = "tři";
    map.SetAt(1, "jedna");
    map.SetAt(2, "dvě");
    CString text;
    EXPECT_TRUE(map.Lookup(2, text));
    EXPECT_EQ(text, "dvě");
    EXPECT_FALSE(map.Lookup(4, text));
    EXPECT_TRUE(map.RemoveKey(2));
    EXPECT_FALSE(map.RemoveKey(2));
    std::string seen;
    POSITION pos = map.GetStartPosition();
    for (int guard = 0; pos && guard < 10; ++guard)
    {
        int key = 0;
        map.GetNextAssoc(pos, key, text);
        seen += std::to_string(key) + "=" + text.str() + ";";
    }
    EXPECT_EQ(seen, "1=jedna;3=tři;");
    CMapStringToString names;
    names.SetAt("Pokoj", "room");
    EXPECT_TRUE(names.Lookup("Pokoj", text));
    EXPECT_EQ(text, "room");
    EXPECT_EQ(names.GetCount(), 1);
}
} // namespace

#include "platform/core/CStringList.h"

namespace
{
TEST(CList, PositionsWalkAndEdit)
{
    CStringList list;
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail("b");
    list.AddHead("a");
    const POSITION d = list.AddTail("d");
    list.InsertBefore(d, "c");
    list.InsertAfter(d, "e");
    EXPECT_EQ(list.GetCount(), 5);
    std::string forward, backward;
    for (POSITION p = list.GetHeadPosition(); p;)
        forward += list.GetNext(p).str();
    for (POSITION p = list.GetTailPosition(); p;)
        backward += list.GetPrev(p).str();
    EXPECT_EQ(forward, "abcde");
    EXPECT_EQ(backward, "edcba");
    EXPECT_EQ(list.GetAt(list.FindIndex(2)), "c");
    EXPECT_EQ(list.Find("d"), d);
    EXPECT_EQ(list.Find("a", list.GetHeadPosition()), nullptr);
    list.RemoveAt(d);
    EXPECT_EQ(list.RemoveHead(), "a");
    EXPECT_EQ(list.RemoveTail(), "e");
    EXPECT_EQ(list.GetHead(), "b");
    EXPECT_EQ(list.GetTail(), "c");
    EXPECT_EQ(list.FindIndex(5), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
}
} // namespace
