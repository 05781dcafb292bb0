#pragma once
// Run-time class information: the class's name, its base and how to create one.
// Every class declared with DECLARE_DYNAMIC, DECLARE_DYNCREATE or DECLARE_SERIAL has one,
// registered by name at start so that objects can also be created from a class name.

#include "platform/core/WinTypes.h"

class CObject;

struct CRuntimeClass
{
    CRuntimeClass(const char* name, int size, UINT schema, CObject* (*create)(), const CRuntimeClass* base);
    CRuntimeClass(const CRuntimeClass&) = delete;
    CRuntimeClass& operator=(const CRuntimeClass&) = delete;

    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF when the class is not serializable
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class; null when the class cannot be created dynamically.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;

    // The registered class of that name, or null.
    static const CRuntimeClass* FromName(const char* className);
    static CObject* CreateObject(const char* className);
};
