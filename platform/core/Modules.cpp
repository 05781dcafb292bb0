#include "platform/core/Modules.h"

#include "platform/core/FileOps.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <strings.h>
#include <unistd.h>

namespace
{
std::string& LastErrorText()
{
    static std::string text;
    return text;
}

bool EndsWithNoCase(const std::string& s, const char* suffix)
{
    const std::size_t n = std::strlen(suffix);
    return s.size() >= n && strcasecmp(s.c_str() + s.size() - n, suffix) == 0;
}
} // namespace

namespace Modules
{
std::string ResolvePath(const char* name)
{
    std::string path(name ? name : "");
    for (char& c : path)
        if (c == '\\')
            c = '/';
    if (EndsWithNoCase(path, ".dll"))
        path.replace(path.size() - 4, 4, ".so");
    else if (!EndsWithNoCase(path, ".so") && path.find('/') == std::string::npos)
        path += ".so";
    if (path.find('/') == std::string::npos)
        path = FileOps::ProgramFolder() + "/" + path;
    return path;
}

std::string LastError()
{
    return LastErrorText();
}
} // namespace Modules

HMODULE LoadLibrary(const char* name)
{
    if (!name || !*name)
    {
        LastErrorText() = "no module name";
        return nullptr;
    }
    const std::string path = Modules::ResolvePath(name);
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
    {
        const char* error = dlerror();
        LastErrorText() = error ? error : path;
    }
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, const char* exportName)
{
    if (!module || !exportName)
        return nullptr;
    void* symbol = dlsym(module, exportName);
    FARPROC function = nullptr;
    static_assert(sizeof function == sizeof symbol);
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

BOOL FreeLibrary(HMODULE module)
{
    return module && dlclose(module) == 0;
}

HMODULE GetModuleHandle(const char* name)
{
    if (!name || !*name)
        return nullptr;
    // A linked library is known by its file name ("X.so"), a module loaded by name by its path.
    const std::string path = Modules::ResolvePath(name);
    const std::string file = path.substr(path.rfind('/') + 1);
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        handle = dlopen(file.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        dlclose(handle); // RTLD_NOLOAD counted a reference: give it back
    return static_cast<HMODULE>(handle);
}

DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size)
{
    std::string path;
    if (!module)
    {
        char exe[4096];
        const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
        path = n > 0 ? std::string(exe, std::size_t(n)) : std::string();
    }
    else
    {
        link_map* map = nullptr;
        if (dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name)
            path = map->l_name;
    }
    if (!buffer || size == 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return DWORD(n);
}
