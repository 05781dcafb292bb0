#pragma once
// The program's profile: HKEY_CURRENT_USER\Software\<registry key>\<profile name>, kept as the
// INI file <XDG config folder>/<registry key>/<profile name>.ini, one INI section per section.
// Without a registry key the file is <XDG config folder>/<profile name>.ini.
// The application object (CWinApp) forwards its profile members here.

#include "platform/core/CString.h"

#include <string>

namespace Profile
{
void SetRegistryKey(const char* key);
void SetProfileName(const char* programName);
CString RegistryKey();
CString ProfileName();

// The default when the entry is missing.
CString GetString(const char* section, const char* entry, const char* defaultValue = nullptr);
// The default when the entry is missing or holds no number.
UINT GetInt(const char* section, const char* entry, int defaultValue);
// A null value removes the entry; a null entry removes the whole section.
BOOL WriteString(const char* section, const char* entry, const char* value);
BOOL WriteInt(const char* section, const char* entry, int value);

// The INI file of the profile.
std::string FilePath();
// Where the user's INI files live (XDG config folder by default) and where the machine's
// live (the program's folder by default); tests point both at a temporary folder.
// Empty text restores the default.
void SetConfigFolder(const char* folder);
void SetMachineFolder(const char* folder);
std::string ConfigFolder();
std::string MachineFolder();

// The user's own folders: the program's data folder <XDG data folder>/<registry key>/<profile
// name> for files the program keeps for the user, and the user's documents folder (XDG
// documents). Neither is created here. Tests point both at a temporary folder; empty text
// restores the default.
void SetDataFolder(const char* folder);
void SetDocumentsFolder(const char* folder);
std::string DataFolder();
std::string DocumentsFolder();
} // namespace Profile
