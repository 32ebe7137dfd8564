// The window, its renderer and the streaming texture the frames go through. Window thread only.
#pragma once

#include <SDL2/SDL.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// The largest whole multiple of the game size that fits the usable desktop; at least 1.
int windowScale(int gameWidth, int gameHeight, int usableWidth, int usableHeight);

class SdlWindow {
public:
    SdlWindow() = default;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;
    ~SdlWindow() { close(); }

    // pixelFormat 1 = 5-5-5, otherwise 5-6-5.
    DisplayStatus open(int width, int height, bool windowed, int pixelFormat);
    void close();

    SDL_Window* handle() const { return window_; }
    // Presents wait for the refresh of a 60 Hz display: the display paces the game.
    bool vsyncAt60() const { return vsyncAt60_; }

    void upload(PixelView frame);
    void show();
    void toggleFullscreen();
    bool fullscreen() const;
    // The game picture the window shows (black after a rebuilt texture); empty before the first.
    PixelView picture() const;
    // A modal box with an OK button; returns when it is closed.
    void showMessage(const char* title, const char* text);
    // A question with Yes and No buttons; true for Yes.
    bool askYesNo(const char* title, const char* text);
    // After the renderer lost its textures; false while a new one cannot be made.
    bool rebuildTexture();
    // Where the pointer is, in game pixels; outside the picture (letterbox) when it is there.
    Point pointerInGame() const;
    // Puts the pointer on game pixel `point`, through the window's scaling.
    void warpPointer(Point point);

private:
    void withPointerFree(const std::function<void()>& box);
    void keepScaleSharp();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Uint32 format_ = SDL_PIXELFORMAT_RGB565;
    bool vsyncAt60_ = false;
    int outputWidth_ = 0;
    int outputHeight_ = 0;
    std::vector<std::uint16_t> shown_;  // a copy of the texture's pixels, for screenshots
};

}  // namespace platform::sdl
