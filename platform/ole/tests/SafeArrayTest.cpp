#include "platform/core/COleVariant.h"
#include "platform/ole/OleInit.h"
#include "platform/ole/SafeArray.h"
#include "platform/ole/ComRuntime.h"
#include "platform/ole/VariantWire.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace
{
VARIANT Matrix(VARTYPE vt, ULONG rows, ULONG columns, LONG lower = 0)
{
    const SAFEARRAYBOUND bounds[2] = {{rows, lower}, {columns, lower}};
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ARRAY | vt;
    v.parray = SafeArrayCreate(vt, 2, bounds);
    return v;
}

double At(const VARIANT& v, LONG row, LONG column)
{
    const LONG indices[2] = {row, column};
    double value = -1;
    EXPECT_EQ(SafeArrayGetElement(v.parray, indices, &value), S_OK);
    return value;
}
} // namespace

TEST(SafeArray, GrowingTheLastDimensionKeepsEveryElement)
{
    AfxOleInit();
    COleVariant points;
    VARIANT m = Matrix(VT_R8, 3, 1, 1);
    points.Attach(m);
    for (LONG row = 1; row <= 3; ++row)
    {
        const LONG indices[2] = {row, 1};
        const double value = row * 10.0;
        SafeArrayPutElement(points.parray, indices, &value);
    }
    const SAFEARRAYBOUND grown{2, 1};
    ASSERT_EQ(SafeArrayRedim(points.parray, &grown), S_OK);
    LONG lower = 0, upper = 0;
    SafeArrayGetLBound(points.parray, 2, &lower);
    SafeArrayGetUBound(points.parray, 2, &upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 2);
    EXPECT_DOUBLE_EQ(At(points, 3, 1), 30.0);
    EXPECT_DOUBLE_EQ(At(points, 3, 2), 0.0);
    const LONG outside[2] = {4, 1};
    double value = 0;
    EXPECT_EQ(SafeArrayGetElement(points.parray, outside, &value), DISP_E_BADINDEX);
    EXPECT_EQ(SafeArrayGetDim(points.parray), 2u);
}

TEST(SafeArray, VariantCopyDuplicatesTextsAndClearFreesThem)
{
    AfxOleInit();
    COleVariant table;
    VARIANT m = Matrix(VT_BSTR, 3, 1);
    table.Attach(m);
    const LONG indices[2] = {1, 0};
    BSTR tag = SysAllocString("CISLO");
    SafeArrayPutElement(table.parray, indices, tag);
    SysFreeString(tag);
    COleVariant copy(table);
    ASSERT_NE(copy.parray, table.parray);
    table.Clear();
    BSTR read = nullptr;
    ASSERT_EQ(SafeArrayGetElement(copy.parray, indices, &read), S_OK);
    EXPECT_STREQ(read, "CISLO");
    SysFreeString(read);
}

TEST(VariantWire, ValuesTravelWithTheirTypes)
{
    AfxOleInit();
    COleVariant points;
    VARIANT m = Matrix(VT_R8, 3, 2);
    points.Attach(m);
    const LONG indices[2] = {2, 1};
    const double z = 2.5;
    SafeArrayPutElement(points.parray, indices, &z);
    const COleVariant values[] = {COleVariant(), COleVariant(LONG(-7)), COleVariant(0.1), COleVariant("Kuchyň"),
                                  COleVariant(LONG(DISP_E_PARAMNOTFOUND), VT_ERROR), COleVariant(short(-1), VT_BOOL),
                                  points};
    for (const COleVariant& value : values)
    {
        QJsonObject wire;
        ASSERT_EQ(VariantWire::Encode(value, nullptr, wire), S_OK) << value.vt;
        COleVariant back;
        ASSERT_EQ(VariantWire::Decode(wire, nullptr, back), S_OK) << value.vt;
        EXPECT_EQ(back.vt, value.vt);
        if (value.vt & VT_ARRAY)
            EXPECT_DOUBLE_EQ(At(back, 2, 1), 2.5);
        else
            EXPECT_TRUE(back == value) << value.vt;
    }
    COleVariant broken;
    EXPECT_EQ(VariantWire::Decode(QJsonObject{{"vt", 0x2005}, {"bounds", QJsonArray{QJsonArray{0, 3}}}, {"items", QJsonArray{1.0}}},
                                  nullptr, broken),
              RPC_E_SERVERFAULT);
}
