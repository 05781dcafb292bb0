#include "platform/core/Resources.h"

#include "platform/core/CString.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <vector>

namespace
{
std::vector<const ResourceTable*>& BuiltIn()
{
    static std::vector<const ResourceTable*> tables;
    return tables;
}

// Stands for the program's own module: any unique address will do.
char g_programModule;
HINSTANCE g_resourceHandle = nullptr;

const char* FindIn(const ResourceTable* table, UINT id)
{
    if (!table || !table->strings)
        return nullptr;
    const ResourceString* end = table->strings + table->stringCount;
    const ResourceString* it =
        std::lower_bound(table->strings, end, id, [](const ResourceString& s, UINT v) { return s.id < v; });
    return it != end && it->id == id ? it->text : nullptr;
}

const char* FindBuiltIn(UINT id)
{
    for (const ResourceTable* table : BuiltIn())
        if (const char* text = FindIn(table, id))
            return text;
    return nullptr;
}

bool IsProgram(HINSTANCE module)
{
    return !module || module == AfxGetInstanceHandle();
}
} // namespace

namespace Resources
{
void RegisterBuiltIn(const ResourceTable* table, bool program)
{
    if (!table)
        return;
    if (program)
        BuiltIn().insert(BuiltIn().begin(), table);
    else
        BuiltIn().push_back(table);
}

const ResourceTable* TableOf(HINSTANCE module)
{
    if (IsProgram(module))
        return nullptr;
    using TableFunction = const ResourceTable* (*)();
    void* symbol = dlsym(module, KALVENROD_RESOURCE_TABLE_EXPORT);
    if (!symbol)
        return nullptr;
    TableFunction function = nullptr;
    std::memcpy(&function, &symbol, sizeof function);
    return function();
}

const char* FindString(HINSTANCE module, UINT id)
{
    return IsProgram(module) ? FindBuiltIn(id) : FindIn(TableOf(module), id);
}

const char* FindString(UINT id)
{
    if (const char* text = FindString(AfxGetResourceHandle(), id))
        return text;
    return FindBuiltIn(id);
}
} // namespace Resources

HINSTANCE AfxGetInstanceHandle()
{
    return reinterpret_cast<HINSTANCE>(&g_programModule);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceHandle ? g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module)
{
    g_resourceHandle = module;
}

int LoadString(HINSTANCE module, UINT id, char* buffer, int bufferBytes)
{
    const char* text = Resources::FindString(module, id);
    if (!text || !buffer || bufferBytes <= 0)
        return 0;
    std::string cut(text);
    if (cut.size() >= std::size_t(bufferBytes))
    {
        std::size_t n = std::size_t(bufferBytes) - 1;
        while (n > 0 && (static_cast<unsigned char>(cut[n]) & 0xC0) == 0x80)
            --n;
        cut.resize(n);
    }
    std::memcpy(buffer, cut.c_str(), cut.size() + 1);
    return int(cut.size());
}

BOOL CString::LoadString(UINT id)
{
    const char* text = Resources::FindString(id);
    m_s = text ? text : "";
    return text ? TRUE : FALSE;
}
