// Opening the display, page flipping and the recovery of lost surfaces.
#include <functional>
#include <string_view>
#include <utility>

#include "core/error_box.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/images.h"

namespace {

// The two frame buffers of the flipping chain.
Surface frameBuffers[2];

// The failures of our display layer, named by the DirectDraw step they take the place of.
std::string_view displayFailureText(platform::DisplayStatus status) {
    switch (status) {
        case platform::DisplayStatus::NoDisplay:
            return "ERROR DIRECT X DirectDrawCreate";
        case platform::DisplayStatus::WindowFailed:
            return "ERROR DIRECT X SetDisplayMode";
        case platform::DisplayStatus::RendererFailed:
            return "ERROR DIRECT X DirectDrawCreate Surface su";
        case platform::DisplayStatus::TextureFailed:
            return "ERROR DIRECT X DirectDrawCreate Surface bc";
        case platform::DisplayStatus::Ok:
            break;
    }
    return {};
}

platform::Rect clipRect() {
    return {cursorClipRect.left, cursorClipRect.top, cursorClipRect.right, cursorClipRect.bottom};
}

void flip(bool waitVerticalBlank) {
    std::swap(backBuffer, primarySurface);
    platform::get().present(primarySurface->view(), waitVerticalBlank);
}

}  // namespace

bool InitDisplay(const std::function<void()>& onTimer) {
    platform::Platform& p = platform::get();
    // The buffers are ours, not the display's: they exist even when the display cannot be opened,
    // so a failed start shows nothing instead of drawing through a null surface.
    frameBuffers[0] = Surface(screenWidth, screenHeight);
    frameBuffers[1] = Surface(screenWidth, screenHeight);
    primarySurface = &frameBuffers[0];
    backBuffer = &frameBuffers[1];

    cursorClipRect = {5, 5, screenWidth - 5, screenHeight - 5};

    p.sleep(10);
    p.sleep(10);
    p.sleep(100);
    const platform::DisplayStatus status = p.openDisplay(screenWidth, screenHeight);
    if (status != platform::DisplayStatus::Ok) {
        errorBox(displayFailureText(status), "");
        return false;
    }
    p.clipCursor(clipRect());
    if (!p.startTimer(30, onTimer)) errorBox("No Timer");
    return true;
}

void PresentFrame() { flip(gameConfig.skipVblankWait == 0); }

void PresentFrameNoWait() { flip(false); }

void RestoreLostSurfaces() {
    platform::Platform& p = platform::get();
    if (!p.takeSurfaceLoss()) return;
    // While the display cannot be had back the game waits, 10 ms per attempt.
    do {
        p.sleep(10);
    } while (!p.restoreDisplay());
    ReloadVideoImages();
    p.sleep(100);
    p.clipCursor(clipRect());
    if (raznoe && raznoe[STARTUP_IMAGE].surface)
        DrawPanel(raznoe[STARTUP_IMAGE].surface.get(), 0, 0, 610, 450);
}
