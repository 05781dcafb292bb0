#include "platform/core/CObject.h"

#include <cstring>
#include <vector>

namespace
{
std::vector<const CRuntimeClass*>& Registry()
{
    static std::vector<const CRuntimeClass*> classes;
    return classes;
}
} // namespace

CRuntimeClass::CRuntimeClass(const char* name, int size, UINT schema, CObject* (*create)(),
                             const CRuntimeClass* base)
    : m_lpszClassName(name), m_nObjectSize(size), m_wSchema(schema), m_pfnCreateObject(create),
      m_pBaseClass(base)
{
    Registry().push_back(this);
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base)
            return TRUE;
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    if (!className)
        return nullptr;
    for (const CRuntimeClass* c : Registry())
        if (std::strcmp(c->m_lpszClassName, className) == 0)
            return c;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* className)
{
    const CRuntimeClass* c = FromName(className);
    return c ? c->CreateObject() : nullptr;
}

const CRuntimeClass CObject::classCObject("CObject", int(sizeof(CObject)), 0xFFFF, nullptr, nullptr);

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* runtimeClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Serialize(CArchive&) {}
