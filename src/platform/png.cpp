#include "platform/png.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

namespace platform {

namespace {
Uint32 sdlFormat(int pixelFormat) { return pixelFormat == 2 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555; }
}  // namespace

bool savePng(const std::string& path, PixelView picture, int pixelFormat) {
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0) return false;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint16_t*>(picture.pixels), picture.width, picture.height, 16, picture.pitch * 2,
        sdlFormat(pixelFormat));
    if (!source) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(source, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(source);
    if (!rgb) return false;
    const bool ok = IMG_SavePNG(rgb, path.c_str()) == 0;
    SDL_FreeSurface(rgb);
    return ok;
}

bool saveRgbaPng(const std::string& path, const std::uint8_t* rgba, int width, int height) {
    if (!rgba || width <= 0 || height <= 0) return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba), width, height, 32,
                                                              width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return false;
    const bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return ok;
}

bool loadPng(const std::string& path, int pixelFormat, std::vector<std::uint16_t>& pixels, int& width,
             int& height) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) return false;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, sdlFormat(pixelFormat), 0);
    SDL_FreeSurface(loaded);
    if (!converted) return false;
    width = converted->w;
    height = converted->h;
    pixels.resize(static_cast<std::size_t>(width) * height);
    SDL_LockSurface(converted);
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels.data() + static_cast<std::size_t>(y) * width,
                    static_cast<const std::uint8_t*>(converted->pixels) + static_cast<std::size_t>(y) * converted->pitch,
                    static_cast<std::size_t>(width) * 2);
    SDL_UnlockSurface(converted);
    SDL_FreeSurface(converted);
    return true;
}

}  // namespace platform
