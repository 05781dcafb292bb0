#pragma once
// Wrappers that FromHandle hands out for handles without a C++ owner of their own.
// They live until DeleteTemporaryObjects (the application calls it when idle).

#include "platform/gdi/CGdiObject.h"

#include <map>
#include <memory>

namespace Gdi
{
std::map<HGDIOBJ, std::unique_ptr<CGdiObject>>& TemporaryObjectMap();
// Also forgets the temporary device-context wrappers of CDC::FromHandle.
void DeleteTemporaryObjects();
void DeleteTemporaryDCs();

template <class T>
T* TemporaryObject(HGDIOBJ handle)
{
    if (!handle)
        return nullptr;
    auto& map = TemporaryObjectMap();
    auto it = map.find(handle);
    if (it != map.end())
        if (auto* existing = dynamic_cast<T*>(it->second.get()))
            return existing;
    auto wrapper = std::make_unique<T>();
    wrapper->Attach(handle);
    T* result = wrapper.get();
    map[handle] = std::move(wrapper);
    return result;
}
} // namespace Gdi
