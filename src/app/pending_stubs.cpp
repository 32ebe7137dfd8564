// TEMPORARY: stand-in for the SDL backend until its code is merged. This file is deleted then.
#include "platform/backends.h"

namespace platform {
std::unique_ptr<Platform> createSdlPlatform(const BackendOptions&, std::string* error) {
    if (error) *error = "no display: the window backend is not built in yet (use --headless)";
    return nullptr;
}
}  // namespace platform
