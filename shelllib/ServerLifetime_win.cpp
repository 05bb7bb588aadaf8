#include "ServerLifetime_win.h"

#include <windows.h>

namespace fennquill::server {
namespace {

LONG volatile g_liveObjects = 0;
LONG volatile g_factoryReferences = 0;
LONG volatile g_locks = 0;

bool IsZero(LONG volatile& count) { return InterlockedCompareExchange(&count, 0, 0) == 0; }

// A client that releases or unlocks once too often must not drive a count
// below zero, where the next AddRef or Lock would read as "not in use".
// Gives the count left.
LONG DecrementAboveZero(LONG volatile& count) {
    for (LONG seen = InterlockedCompareExchange(&count, 0, 0); seen > 0;) {
        const LONG before = InterlockedCompareExchange(&count, seen - 1, seen);
        if (before == seen) return seen - 1;
        seen = before;
    }
    return 0;
}

}  // namespace

void ObjectCreated() { InterlockedIncrement(&g_liveObjects); }
void ObjectDestroyed() { DecrementAboveZero(g_liveObjects); }

long FactoryReferenced() { return InterlockedIncrement(&g_factoryReferences); }
long FactoryReleased() { return DecrementAboveZero(g_factoryReferences); }

void Lock() { InterlockedIncrement(&g_locks); }
void Unlock() { DecrementAboveZero(g_locks); }

bool IsInUse() { return !IsZero(g_liveObjects) || !IsZero(g_factoryReferences) || !IsZero(g_locks); }

}  // namespace fennquill::server
