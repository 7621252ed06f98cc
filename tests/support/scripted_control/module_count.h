#pragma once
// Objects and locks that keep the module of the scripted control loaded (DllCanUnloadNow).

namespace scripted {

void ModuleObjectCreated();
void ModuleObjectDestroyed();
void ModuleLock(bool lock);
bool ModuleInUse();

} // namespace scripted
