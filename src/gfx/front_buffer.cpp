#include "gfx/front_buffer.h"

#include "gfx/display.h"
#include "platform/platform.h"

void PresentFrontBuffer() {
    if (primarySurface) platform::get().present(primarySurface->view(), false);
}
