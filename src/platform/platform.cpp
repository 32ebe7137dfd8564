#include "platform/platform.h"

#include <cassert>

namespace platform {

namespace {
Platform* current = nullptr;
}

Platform& get() {
    assert(current && "platform::set must run before the game uses the platform");
    return *current;
}

void set(Platform* backend) { current = backend; }

}  // namespace platform
