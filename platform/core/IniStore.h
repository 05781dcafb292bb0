#pragma once
// One section of a settings file (IniFile): the storage of the profile and the registry. The
// file is read when the store is made; each change is written at once, atomically, through a
// symbolic link to the file it names. A file that cannot be parsed is read as empty and never
// written.

#include "platform/core/IniFile.h"

#include <string>
#include <vector>

class IniStore
{
public:
    // section "" stands for the values outside any subkey: the section "General".
    IniStore(const std::string& file, const std::string& section);

    bool Exists() const;
    bool Has(const char* name) const;
    // Empty when missing.
    std::string Get(const char* name) const;
    bool Set(const char* name, const std::string& value);
    bool Remove(const char* name);
    bool RemoveSection();
    std::vector<std::string> Names() const;

private:
    bool Save();

    std::string m_file;
    std::string m_section;
    bool m_wholeFile = false;
    bool m_exists = false;
    bool m_readable = true;
    IniFile m_ini;
};
