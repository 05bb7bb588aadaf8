#pragma once
// What keeps the library in its host's memory: live handler objects, the
// clients' references to the class factory and their LockServer locks.
// Counted with interlocked operations, since the host's apartments may
// create and release objects on several threads.

namespace fennquill::server {

void ObjectCreated();
void ObjectDestroyed();

// Both give the number of references clients hold now.
long FactoryReferenced();
long FactoryReleased();

void Lock();
void Unlock();

// True while anything of the above is outstanding.
bool IsInUse();

}  // namespace fennquill::server
