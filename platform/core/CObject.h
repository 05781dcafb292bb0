#pragma once
// The root of the system's record and window classes, with run-time class information.
//
// In a class declaration:   DECLARE_DYNAMIC(CFoo)  | DECLARE_DYNCREATE(CFoo) | DECLARE_SERIAL(CFoo)
// In its source file:       IMPLEMENT_DYNAMIC(CFoo, CBase) | IMPLEMENT_DYNCREATE(CFoo, CBase)
//                           | IMPLEMENT_SERIAL(CFoo, CBase, schema)
// Then RUNTIME_CLASS(CFoo), obj->IsKindOf(RUNTIME_CLASS(CFoo)) and
// RUNTIME_CLASS(CFoo)->CreateObject() (DYNCREATE and SERIAL classes; needs a default constructor).

#include "platform/core/CRuntimeClass.h"

class CArchive;

class CObject
{
public:
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;
    BOOL IsSerializable() const;
    // Records of the system persist in workbooks: the default stores nothing.
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define KALVENROD_IMPLEMENT_RUNTIMECLASS(class_name, base_name, schema, create)                              \
    const CRuntimeClass class_name::class##class_name(#class_name, int(sizeof(class_name)), schema, create,  \
                                                      RUNTIME_CLASS(base_name));                             \
    const CRuntimeClass* class_name::GetRuntimeClass() const                                                 \
    {                                                                                                        \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_name)                                                             \
    KALVENROD_IMPLEMENT_RUNTIMECLASS(class_name, base_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_name)                                                           \
    CObject* class_name::CreateObject()                                                                      \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    KALVENROD_IMPLEMENT_RUNTIMECLASS(class_name, base_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_name, schema)                                                      \
    CObject* class_name::CreateObject()                                                                      \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    KALVENROD_IMPLEMENT_RUNTIMECLASS(class_name, base_name, schema, class_name::CreateObject)
