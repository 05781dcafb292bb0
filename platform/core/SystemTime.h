#pragma once
// Time and temporary-folder calls the system makes, under their Windows names.

#include "platform/core/WinTypes.h"

// Milliseconds since an arbitrary start (a monotonic clock); wraps after 49.7 days.
DWORD GetTickCount();
// Blocks the calling thread.
void Sleep(DWORD milliseconds);
// The temporary folder with a trailing '/'; its length, or the size needed (terminator
// included) when the buffer is too small.
DWORD GetTempPath(DWORD bufferSize, char* buffer);
