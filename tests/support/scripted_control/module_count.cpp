#include "tests/support/scripted_control/module_count.h"

#include <atomic>

namespace scripted {

namespace {
std::atomic<long> objects{0};
std::atomic<long> locks{0};
} // namespace

void ModuleObjectCreated() {
    ++objects;
}
void ModuleObjectDestroyed() {
    --objects;
}
void ModuleLock(bool lock) {
    lock ? ++locks : --locks;
}
bool ModuleInUse() {
    return objects > 0 || locks > 0;
}

} // namespace scripted
