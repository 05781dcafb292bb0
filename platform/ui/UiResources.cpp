#include "platform/ui/UiResources.h"

#include "platform/core/Resources.h"

#include <map>
#include <vector>

namespace
{
std::vector<const UiResourceTable*>& BuiltIn()
{
    static std::vector<const UiResourceTable*> tables;
    return tables;
}

std::map<HINSTANCE, const UiResourceTable*>& ByModule()
{
    static std::map<HINSTANCE, const UiResourceTable*> tables;
    return tables;
}

const DialogTemplate* FindIn(const UiResourceTable* table, UINT id)
{
    for (int i = 0; table && i < table->dialogCount; ++i)
        if (table->dialogs[i].id == id)
            return &table->dialogs[i];
    return nullptr;
}
} // namespace

void UiResources::RegisterBuiltIn(const UiResourceTable* table)
{
    BuiltIn().push_back(table);
}

void UiResources::RegisterForModule(HINSTANCE module, const UiResourceTable* table)
{
    ByModule()[module] = table;
}

const DialogTemplate* UiResources::FindDialog(UINT id)
{
    const auto it = ByModule().find(AfxGetResourceHandle());
    if (it != ByModule().end())
        if (const DialogTemplate* t = FindIn(it->second, id))
            return t;
    for (const UiResourceTable* table : BuiltIn())
        if (const DialogTemplate* t = FindIn(table, id))
            return t;
    return nullptr;
}
