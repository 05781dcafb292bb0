#include "platform/core/SystemTime.h"

#include <QDir>

#include <chrono>
#include <cstring>
#include <thread>

DWORD GetTickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void Sleep(DWORD milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD GetTempPath(DWORD bufferSize, char* buffer)
{
    std::string path = QDir::tempPath().toStdString();
    if (path.empty() || path.back() != '/')
        path += '/';
    if (!buffer || bufferSize < path.size() + 1)
        return DWORD(path.size() + 1);
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return DWORD(path.size());
}
