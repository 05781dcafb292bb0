#include "app/LanguageLibraries.h"

#include "platform/core/Modules.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

void LanguageLibraries::Load(const std::string& folder, const std::string& programBaseName)
{
    const std::string prefix = programBaseName + "_";
    std::vector<std::filesystem::path> packs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    {
        const std::string name = entry.path().filename().string();
        if (name.size() > prefix.size() + 3 && name.rfind(prefix, 0) == 0 && entry.path().extension() == ".so")
            packs.push_back(entry.path());
    }
    std::sort(packs.begin(), packs.end());
    for (const std::filesystem::path& pack : packs)
    {
        HMODULE module = LoadLibrary(pack.string().c_str());
        if (!module)
            continue;
        const std::string stem = pack.stem().string();
        const std::string code = stem.substr(stem.rfind('_') + 1);
        m_modules[code] = module;
        if (m_first.IsEmpty())
            m_first = code;
    }
}

CString LanguageLibraries::Choose(const CString& stored) const
{
    if (stored.IsEmpty())
        return m_first.IsEmpty() ? CString(kBuiltIn) : m_first;
    if (stored == kBuiltIn || m_modules.count(stored.str()))
        return stored;
    return kBuiltIn;
}

HMODULE LanguageLibraries::ModuleOf(const CString& code) const
{
    const auto found = m_modules.find(code.str());
    return found == m_modules.end() ? nullptr : found->second;
}
