#pragma once
// Language packs beside the program: "<program>_<code>.so", each a library of resources.
// A stored language is used when its pack loads or when it is the built-in "Cz"; with none
// stored, the first pack in name order wins; else "Cz".

#include "platform/core/CString.h"

#include <map>
#include <string>

class LanguageLibraries
{
public:
    static constexpr const char* kBuiltIn = "Cz";

    // Loads every pack of the program found in the folder; a pack that does not load is skipped.
    void Load(const std::string& folder, const std::string& programBaseName);
    // The language to use for the stored code (empty when none was stored).
    CString Choose(const CString& stored) const;
    // The pack of a language, null for the built-in one.
    HMODULE ModuleOf(const CString& code) const;
    const std::map<std::string, HMODULE>& Modules() const { return m_modules; }

private:
    std::map<std::string, HMODULE> m_modules;
    CString m_first;
};
