#include "dataeditor/app/WritingFiles.h"

#include "platform/core/Profile.h"
#include "platform/core/Registry.h"

#include <cstdio>
#include <sys/stat.h>

namespace
{
constexpr const char* kSection = "WritingFiles";

CString Key() { return "Software\\" + Profile::RegistryKey() + "\\" + Profile::ProfileName() + "\\" + kSection; }
} // namespace

namespace WritingFiles
{
std::vector<std::pair<CString, CString>> Entries()
{
    std::vector<std::pair<CString, CString>> entries;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, Key(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return entries;
    for (DWORD i = 0;; ++i)
    {
        char name[261] = {};
        BYTE data[1024] = {};
        DWORD nameSize = sizeof(name);
        DWORD dataSize = sizeof(data) - 1;
        if (RegEnumValue(key, i, name, &nameSize, nullptr, nullptr, data, &dataSize) != ERROR_SUCCESS)
            break;
        entries.emplace_back(name, reinterpret_cast<const char*>(data));
    }
    RegCloseKey(key);
    return entries;
}

void Add(const CString& path)
{
    int largest = 0;
    for (const auto& [name, listed] : Entries())
    {
        if (listed == path)
            return;
        int number = 0;
        if (std::sscanf(name, "file%d", &number) == 1 && number > largest)
            largest = number;
    }
    CString name;
    name.Format("file%d", largest + 1);
    Profile::WriteString(kSection, name, path);
}

void Remove(const CString& path)
{
    for (const auto& [name, listed] : Entries())
        if (listed == path)
        {
            Profile::WriteString(kSection, name, nullptr);
            return;
        }
}

void Clean()
{
    for (const auto& [name, path] : Entries())
    {
        Profile::WriteString(kSection, name, nullptr);
        struct stat status;
        if (::stat(path, &status) == 0)
            ::chmod(path, (status.st_mode & 07777) | S_IWUSR);
    }
}
} // namespace WritingFiles
