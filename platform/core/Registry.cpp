#include "platform/core/Registry.h"

#include "platform/core/FileOps.h"
#include "platform/core/IniStore.h"
#include "platform/core/Profile.h"

#include <cstring>
#include <strings.h>
#include <vector>

namespace
{
struct RegistryKey
{
    HKEY root;
    std::string file;
    std::string section;
    std::string path; // below the root, with '\'
};

bool IsRoot(HKEY key)
{
    return key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_CLASSES_ROOT;
}

std::vector<std::string> Split(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path)
    {
        if (c == '\\' || c == '/')
        {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        }
        else
            part += c;
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

// Where a key lives: Software\A\B\rest -> <folder>/A/B.ini, section rest.
bool Locate(HKEY root, const std::string& path, RegistryKey& key)
{
    if (root != HKEY_CURRENT_USER && root != HKEY_LOCAL_MACHINE)
        return false;
    key.root = root;
    key.path = path;
    const std::string folder = root == HKEY_CURRENT_USER ? Profile::ConfigFolder() : Profile::MachineFolder();
    const std::vector<std::string> parts = Split(path);
    if (parts.size() >= 3 && strcasecmp(parts[0].c_str(), "Software") == 0)
    {
        key.file = folder + "/" + parts[1] + "/" + parts[2] + ".ini";
        for (std::size_t i = 3; i < parts.size(); ++i)
            key.section += (i > 3 ? "/" : "") + parts[i];
    }
    else
    {
        key.file = folder + "/registry.ini";
        for (std::size_t i = 0; i < parts.size(); ++i)
            key.section += (i > 0 ? "/" : "") + parts[i];
    }
    return true;
}

RegistryKey* KeyOf(HKEY key)
{
    return IsRoot(key) || !key ? nullptr : reinterpret_cast<RegistryKey*>(key);
}

bool Resolve(HKEY parent, const char* subKey, RegistryKey& key)
{
    std::string path = subKey ? subKey : "";
    if (const RegistryKey* p = KeyOf(parent))
        return Locate(p->root, p->path + "\\" + path, key);
    return Locate(parent, path, key);
}

LONG CopyOut(const std::string& text, BYTE* data, DWORD* size)
{
    const DWORD needed = DWORD(text.size() + 1);
    if (!size)
        return data ? ERROR_MORE_DATA : ERROR_SUCCESS;
    if (!data)
    {
        *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size < needed)
    {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, text.c_str(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

bool IsInstallDir(const RegistryKey& key, const char* name)
{
    return key.root == HKEY_LOCAL_MACHINE && name && strcasecmp(name, "InstallDir") == 0;
}
} // namespace

LONG RegOpenKeyEx(HKEY root, const char* subKey, DWORD, REGSAM, PHKEY result)
{
    if (!result)
        return ERROR_INVALID_HANDLE;
    *result = nullptr;
    RegistryKey key;
    if (!Resolve(root, subKey, key))
        return ERROR_FILE_NOT_FOUND;
    if (key.root == HKEY_CURRENT_USER && !IniStore(key.file, key.section).Exists())
        return ERROR_FILE_NOT_FOUND;
    *result = reinterpret_cast<HKEY>(new RegistryKey(key));
    return ERROR_SUCCESS;
}

LONG RegOpenKey(HKEY root, const char* subKey, PHKEY result)
{
    return RegOpenKeyEx(root, subKey, 0, KEY_ALL_ACCESS, result);
}

LONG RegCreateKeyEx(HKEY root, const char* subKey, DWORD, char*, DWORD, REGSAM, void*, PHKEY result,
                    DWORD* disposition)
{
    if (!result)
        return ERROR_INVALID_HANDLE;
    RegistryKey key;
    if (!Resolve(root, subKey, key))
        return ERROR_ACCESS_DENIED;
    if (disposition)
        *disposition =
            IniStore(key.file, key.section).Exists() ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = reinterpret_cast<HKEY>(new RegistryKey(key));
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key)
{
    if (IsRoot(key))
        return ERROR_SUCCESS;
    if (!key)
        return ERROR_INVALID_HANDLE;
    delete KeyOf(key);
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY handle, const char* valueName, DWORD*, DWORD* type, BYTE* data, DWORD* size)
{
    const RegistryKey* key = KeyOf(handle);
    if (!key)
        return ERROR_INVALID_HANDLE;
    const IniStore store(key->file, key->section);
    const char* name = valueName ? valueName : "";
    std::string text;
    if (store.Has(name))
        text = store.Get(name);
    else if (IsInstallDir(*key, valueName))
        text = FileOps::ProgramFolder();
    else
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = REG_SZ;
    return CopyOut(text, data, size);
}

LONG RegSetValueEx(HKEY handle, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    const RegistryKey* key = KeyOf(handle);
    if (!key)
        return ERROR_INVALID_HANDLE;
    std::string text;
    if (type == REG_DWORD && data && size >= sizeof(DWORD))
    {
        DWORD value = 0;
        std::memcpy(&value, data, sizeof value);
        text = std::to_string(value);
    }
    else if (data)
        text.assign(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    IniStore store(key->file, key->section);
    return store.Set(valueName ? valueName : "", text) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegDeleteValue(HKEY handle, const char* valueName)
{
    const RegistryKey* key = KeyOf(handle);
    if (!key)
        return ERROR_INVALID_HANDLE;
    IniStore store(key->file, key->section);
    if (!store.Has(valueName ? valueName : ""))
        return ERROR_FILE_NOT_FOUND;
    return store.Remove(valueName ? valueName : "") ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegEnumValue(HKEY handle, DWORD index, char* name, DWORD* nameSize, DWORD*, DWORD* type, BYTE* data,
                  DWORD* dataSize)
{
    const RegistryKey* key = KeyOf(handle);
    if (!key)
        return ERROR_INVALID_HANDLE;
    const IniStore store(key->file, key->section);
    const std::vector<std::string> names = store.Names();
    if (index >= DWORD(names.size()))
        return ERROR_NO_MORE_ITEMS;
    const std::string& valueName = names[index];
    if (!nameSize || *nameSize < valueName.size() + 1)
    {
        if (nameSize)
            *nameSize = DWORD(valueName.size() + 1);
        return ERROR_MORE_DATA;
    }
    if (name)
        std::memcpy(name, valueName.c_str(), valueName.size() + 1);
    *nameSize = DWORD(valueName.size()); // without the terminator, as the system reports it
    if (type)
        *type = REG_SZ;
    return data || dataSize ? CopyOut(store.Get(valueName.c_str()), data, dataSize) : ERROR_SUCCESS;
}
