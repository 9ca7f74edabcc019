// What this process holds, for leak checks where the system's own counters
// are not kept (Wine answers 0 for the GUI resources): the bytes in use in
// its heaps, and the windows of a thread.
#pragma once

#include <windows.h>

#include <cstddef>

// The bytes of every busy block of every heap of this process. Call it while
// no other thread of the process allocates.
size_t HeapBytesInUse();

// The windows of a thread, hidden ones too, with all their descendants.
int ThreadWindowCount(DWORD threadId);
