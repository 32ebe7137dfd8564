#include "platform/sdl/sdl_window.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/sdl/sanitizers.h"

namespace platform::sdl {

namespace {

constexpr Uint32 FULLSCREEN = SDL_WINDOW_FULLSCREEN_DESKTOP;

bool isFullscreen(SDL_Window* window) { return (SDL_GetWindowFlags(window) & FULLSCREEN) == FULLSCREEN; }

void windowedSize(SDL_Window* window, int width, int height, int& windowWidth, int& windowHeight) {
    SDL_Rect usable{0, 0, width, height};
    const int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
    SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable);
    const int scale = windowScale(width, height, usable.w, usable.h);
    windowWidth = width * scale;
    windowHeight = height * scale;
}

void setIcon(SDL_Window* window) {
    SDL_Surface* icon = SDL_LoadBMP("icon.bmp");
    if (!icon) return;  // the data set may not have one; the desktop's default icon then shows
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

bool refreshIs60(SDL_Window* window) {
    SDL_DisplayMode mode;
    if (SDL_GetWindowDisplayMode(window, &mode) != 0) return false;
    return mode.refresh_rate >= 59 && mode.refresh_rate <= 61;  // 59.94 Hz is reported as 59
}

}  // namespace

int windowScale(int gameWidth, int gameHeight, int usableWidth, int usableHeight) {
    if (gameWidth <= 0 || gameHeight <= 0) return 1;
    return std::max(1, std::min(usableWidth / gameWidth, usableHeight / gameHeight));
}

DisplayStatus SdlWindow::open(int width, int height, bool windowed, int pixelFormat) {
    close();
    width_ = width;
    height_ = height;
    format_ = pixelFormat == 1 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB565;

    int windowWidth = 0;
    int windowHeight = 0;
    windowedSize(nullptr, width, height, windowWidth, windowHeight);
    window_ = SDL_CreateWindow("Ramparo", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, windowWidth, windowHeight,
                               windowed ? 0 : FULLSCREEN);
    if (!window_) return DisplayStatus::WindowFailed;
    setIcon(window_);
    SDL_SetWindowGrab(window_, windowed ? SDL_FALSE : SDL_TRUE);
    SDL_ShowCursor(SDL_DISABLE);

    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) return DisplayStatus::RendererFailed;
    SDL_RendererInfo info;
    const bool vsync = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
    vsyncAt60_ = vsync && refreshIs60(window_);
    SDL_RenderSetLogicalSize(renderer_, width, height);
    outputWidth_ = outputHeight_ = 0;
    keepScaleSharp();

    if (!rebuildTexture()) return DisplayStatus::TextureFailed;
    show();
    return DisplayStatus::Ok;
}

void SdlWindow::close() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

bool SdlWindow::rebuildTexture() {
    if (!renderer_) return false;
    if (texture_) SDL_DestroyTexture(texture_);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    texture_ = SDL_CreateTexture(renderer_, format_, SDL_TEXTUREACCESS_STREAMING, width_, height_);
    if (!texture_) return false;
    // A new texture holds whatever the driver left there; black until the first frame comes.
    shown_.assign(static_cast<std::size_t>(width_) * height_, 0);
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
        std::memset(pixels, 0, static_cast<std::size_t>(pitch) * height_);
        SDL_UnlockTexture(texture_);
    }
    return true;
}

void SdlWindow::upload(PixelView frame) {
    if (!texture_ || frame.width != width_ || frame.height != height_) return;
    for (int y = 0; y < height_; ++y) {
        const std::uint16_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.pitch;
        std::memcpy(shown_.data() + static_cast<std::size_t>(y) * width_, row, width_ * sizeof(std::uint16_t));
    }
    ForeignAllocations driverData;
    SDL_UpdateTexture(texture_, nullptr, frame.pixels, frame.pitch * static_cast<int>(sizeof(std::uint16_t)));
}

PixelView SdlWindow::picture() const {
    if (shown_.empty()) return {};
    return {shown_.data(), width_, height_, width_};
}

bool SdlWindow::fullscreen() const { return window_ && isFullscreen(window_); }

void SdlWindow::show() {
    if (!renderer_) return;
    keepScaleSharp();
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (texture_) SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    ForeignAllocations driverData;
    SDL_RenderPresent(renderer_);
}

// Whole-number scaling keeps every game pixel the same size; a desktop smaller than the game
// picture would scale it to nothing, so there the picture shrinks instead.
void SdlWindow::keepScaleSharp() {
    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0) return;
    if (outputWidth == outputWidth_ && outputHeight == outputHeight_) return;
    outputWidth_ = outputWidth;
    outputHeight_ = outputHeight;
    const bool fits = outputWidth >= width_ && outputHeight >= height_;
    SDL_RenderSetIntegerScale(renderer_, fits ? SDL_TRUE : SDL_FALSE);
}

void SdlWindow::toggleFullscreen() {
    if (!window_) return;
    if (isFullscreen(window_)) {
        SDL_SetWindowGrab(window_, SDL_FALSE);
        SDL_SetWindowFullscreen(window_, 0);
        int windowWidth = 0;
        int windowHeight = 0;
        windowedSize(window_, width_, height_, windowWidth, windowHeight);
        SDL_SetWindowSize(window_, windowWidth, windowHeight);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_SetWindowFullscreen(window_, FULLSCREEN);
        SDL_SetWindowGrab(window_, SDL_TRUE);
    }
    show();
}

// A grabbed full-screen window would keep the pointer from the box.
// A box needs the pointer free and visible, and gives the game its confinement back after.
void SdlWindow::withPointerFree(const std::function<void()>& box) {
    const bool grabbed = window_ && SDL_GetWindowGrab(window_);
    if (grabbed) SDL_SetWindowGrab(window_, SDL_FALSE);
    SDL_ShowCursor(SDL_ENABLE);
    box();
    SDL_ShowCursor(SDL_DISABLE);
    if (grabbed) SDL_SetWindowGrab(window_, SDL_TRUE);
}

void SdlWindow::showMessage(const char* title, const char* text) {
    withPointerFree([&] { SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, window_); });
}

bool SdlWindow::askYesNo(const char* title, const char* text) {
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
    };
    const SDL_MessageBoxData box{SDL_MESSAGEBOX_WARNING, window_, title, text, 2, buttons, nullptr};
    int chosen = 0;
    withPointerFree([&] {
        if (SDL_ShowMessageBox(&box, &chosen) != 0) chosen = 0;
    });
    return chosen == 1;
}

Point SdlWindow::pointerInGame() const {
    if (!renderer_) return {};
    int windowX = 0;
    int windowY = 0;
    SDL_GetMouseState(&windowX, &windowY);
    float x = 0;
    float y = 0;
    SDL_RenderWindowToLogical(renderer_, windowX, windowY, &x, &y);
    return {static_cast<std::int32_t>(std::floor(x)), static_cast<std::int32_t>(std::floor(y))};
}

void SdlWindow::warpPointer(Point point) {
    if (!renderer_ || !window_) return;
    int windowX = 0;
    int windowY = 0;
    // The middle of the game pixel, so that reading it back gives the same pixel.
    const float x = static_cast<float>(point.x) + 0.5f;
    const float y = static_cast<float>(point.y) + 0.5f;
    SDL_RenderLogicalToWindow(renderer_, x, y, &windowX, &windowY);
    SDL_WarpMouseInWindow(window_, windowX, windowY);
}

}  // namespace platform::sdl
