// Refuses one allocation of operator new on purpose, so that the paths taken
// when memory runs out can be tested in the program's own Win32 code. The
// suite that links allocation_limit.cpp replaces operator new for all of its
// code; until a refusal is asked for, every allocation goes through.
#pragma once

// The next allocation after granted more ones is refused (std::bad_alloc,
// or null for the nothrow forms); the ones after it go through again.
void RefuseAllocationAfter(int granted);

// Whether the refusal asked for has not happened yet.
bool RefusalPending();
