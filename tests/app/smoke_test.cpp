#include <windows.h>
#include <gtest/gtest.h>
TEST(Smoke, CreatesWindow) { HWND h = CreateWindowW(L"STATIC", L"x", WS_OVERLAPPEDWINDOW, 0,0,100,100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr); ASSERT_NE(h, nullptr); DestroyWindow(h); }
