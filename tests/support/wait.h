// Waiting on a condition with a timeout, pumping this thread's messages.
#pragma once

#include <windows.h>

#include <functional>

// Polls condition until it holds (true) or the timeout passes (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
