#include "platform/core/Profile.h"

#include "platform/core/FileOps.h"
#include "platform/core/IniStore.h"
#include "platform/core/NumberText.h"

#include <QStandardPaths>

namespace
{
struct State
{
    CString registryKey;
    CString profileName = "kalvenrod";
    std::string configFolder;
    std::string machineFolder;
    std::string dataFolder;
    std::string documentsFolder;
};

State& TheState()
{
    static State state;
    return state;
}

bool HasNumber(const std::string& text)
{
    std::size_t i = text.find_first_not_of(" \t");
    if (i != std::string::npos && (text[i] == '-' || text[i] == '+'))
        ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}
} // namespace

namespace Profile
{
void SetRegistryKey(const char* key)
{
    TheState().registryKey = key ? key : "";
}
void SetProfileName(const char* programName)
{
    TheState().profileName = programName ? programName : "";
}
CString RegistryKey()
{
    return TheState().registryKey;
}
CString ProfileName()
{
    return TheState().profileName;
}

std::string ConfigFolder()
{
    if (!TheState().configFolder.empty())
        return TheState().configFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

std::string MachineFolder()
{
    return TheState().machineFolder.empty() ? FileOps::ProgramFolder() : TheState().machineFolder;
}

std::string DataFolder()
{
    if (!TheState().dataFolder.empty())
        return TheState().dataFolder;
    const State& s = TheState();
    std::string folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    if (!s.registryKey.IsEmpty())
        folder += "/" + s.registryKey.str();
    return folder + "/" + s.profileName.str();
}

std::string DocumentsFolder()
{
    if (!TheState().documentsFolder.empty())
        return TheState().documentsFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

void SetDataFolder(const char* folder)
{
    TheState().dataFolder = folder ? folder : "";
}
void SetDocumentsFolder(const char* folder)
{
    TheState().documentsFolder = folder ? folder : "";
}

void SetConfigFolder(const char* folder)
{
    TheState().configFolder = folder ? folder : "";
}
void SetMachineFolder(const char* folder)
{
    TheState().machineFolder = folder ? folder : "";
}

std::string FilePath()
{
    const State& s = TheState();
    const std::string key = s.registryKey.IsEmpty() ? std::string() : s.registryKey.str() + "/";
    return ConfigFolder() + "/" + key + s.profileName.str() + ".ini";
}

CString GetString(const char* section, const char* entry, const char* defaultValue)
{
    const IniStore store(FilePath(), section ? section : "");
    if (!entry || !store.Has(entry))
        return CString(defaultValue ? defaultValue : "");
    return CString(store.Get(entry));
}

UINT GetInt(const char* section, const char* entry, int defaultValue)
{
    const IniStore store(FilePath(), section ? section : "");
    if (!entry || !store.Has(entry))
        return UINT(defaultValue);
    const std::string text = store.Get(entry);
    return HasNumber(text) ? UINT(NumberText::ToInt(text)) : UINT(defaultValue);
}

BOOL WriteString(const char* section, const char* entry, const char* value)
{
    IniStore store(FilePath(), section ? section : "");
    if (!entry)
        return store.RemoveSection();
    if (!value)
        return store.Remove(entry);
    return store.Set(entry, value);
}

BOOL WriteInt(const char* section, const char* entry, int value)
{
    return WriteString(section, entry, std::to_string(value).c_str());
}
} // namespace Profile
