// TEMPORARY: stand-ins for the image tables, the panel and the SDL backend until their code is
// merged. This file is deleted then.
#include "gfx/draw.h"
#include "gfx/images.h"
#include "platform/backends.h"

ImageEntry* raznoe = nullptr;
ImageEntry* sprit = nullptr;
ImageEntry* fon = nullptr;

bool AllocateImageTables() {
    raznoe = new ImageEntry[RAZNOE_SIZE];
    sprit = new ImageEntry[SPRIT_SIZE];
    fon = new ImageEntry[FON_SIZE];
    return true;
}
void LoadStartupImages() {}
void ReloadVideoImages() {}
void DrawPanel(Surface*, int, int, int, int) {}

namespace platform {
std::unique_ptr<Platform> createSdlPlatform(const BackendOptions&, std::string* error) {
    if (error) *error = "no display: the window backend is not built in yet (use --headless)";
    return nullptr;
}
}  // namespace platform
