#include "platform/sdl/sdl_platform.h"

#include <cstdio>
#include <string>
#include <utility>

#include "platform/sdl/message_text.h"
#include "platform/sdl/sanitizers.h"

namespace platform::sdl {

SdlPlatform::SdlPlatform(const BackendOptions& options, std::uint32_t wakeEventType)
    : options_(options),
      wakeEventType_(wakeEventType),
      windowThread_(std::this_thread::get_id()),
      audio_(createSdlAudio()),
      font_(createTtfFont()),
      link_([this] { wakeWindow(); }),
      session_(options.session) {
    if (session_) stream_.emplace(*session_, options_.recordHeader);
    // The mapping database SDL ships, and SDL_GAMECONTROLLERCONFIG, come with the subsystem; the
    // pads already plugged in arrive as "added" events like the ones plugged in later.
    if (options_.pads && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) options_.pads = false;
}

SdlPlatform::~SdlPlatform() {
    closePads();
    window_.close();
    font_.reset();
    audio_.reset();
    SDL_Quit();
}

bool SdlPlatform::startRecording(const std::string& path) {
    record_.open(path, std::ios::out | std::ios::trunc);
    if (!record_) return false;
    record_ << options_.recordHeader << "# Ramparo input, recorded in a window; replay with --headless --script\n";
    return static_cast<bool>(record_);
}

void SdlPlatform::wakeWindow() const {
    SDL_Event event{};
    event.type = wakeEventType_;
    SDL_PushEvent(&event);
}

DisplayStatus SdlPlatform::openDisplay(int width, int height) {
    const DisplayStatus status = window_.open(width, height, options_.windowed, options_.pixelFormat);
    vsyncAt60_ = window_.vsyncAt60();
    textureReady_ = status == DisplayStatus::Ok;
    clip_ = Rect{0, 0, width, height};
    input_.movePointer(Point{width / 2, height / 2});
    return status;
}

std::uint32_t SdlPlatform::redMask() const { return options_.pixelFormat == 1 ? 0x7C00 : 0xF800; }
std::uint32_t SdlPlatform::greenMask() const { return options_.pixelFormat == 1 ? 0x03E0 : 0x07E0; }
std::uint32_t SdlPlatform::blueMask() const { return 0x001F; }

bool SdlPlatform::takeSurfaceLoss() { return std::exchange(lossDelivered_, false); }

bool SdlPlatform::restoreDisplay() { return textureReady_; }

void SdlPlatform::clipCursor(Rect rect) {
    clip_ = rect;
    // Online the pointer is the game's, moved by the stream only: confined at once, as headless.
    if (session_) cursor_ = clampToClip(cursor_, clip_);
}

bool SdlPlatform::startTimer(int periodMs, std::function<void()> handler) {
    if (periodMs <= 0 || !handler) return false;
    // Online there is a timer, but it never fires, as headless: what it draws (the battle set-up's
    // wait picture) would land in the game's buffers at moments of the clock, not of the game.
    if (options_.session) return true;
    std::lock_guard lock(timerMutex_);
    timerPeriodMs_ = periodMs;
    timerHandler_ = std::move(handler);
    nextTick_ = Clock::now() + std::chrono::milliseconds(periodMs);
    return true;
}

void SdlPlatform::errorBox(std::string_view text, const char* caption) {
    std::fprintf(stderr, "Ramparo: %s\n", oneLine(text).c_str());
    WindowLink::Message message{messageBoxText(text), messageBoxText(caption ? caption : "Ramparo")};
    if (onWindowThread()) {
        window_.showMessage(message.title.c_str(), message.text.c_str());
    } else {
        link_.showMessage(std::move(message));
    }
}

void SdlPlatform::shutdown() {
    if (onWindowThread()) {
        window_.close();
    } else {
        link_.requestShutdown();
    }
}

}  // namespace platform::sdl

namespace platform {

std::unique_ptr<Platform> createSdlPlatform(const BackendOptions& options, std::string* error) {
    int initialised = 0;
    {
        sdl::ForeignAllocations dbusData;
        initialised = SDL_Init(SDL_INIT_VIDEO);
    }
    if (initialised != 0) {
        if (error) *error = std::string("no display to open a window on (") + SDL_GetError() + "); use --headless to run without one";
        return nullptr;
    }
    const Uint32 wakeEventType = SDL_RegisterEvents(1);
    auto backend = std::make_unique<sdl::SdlPlatform>(options, wakeEventType);
    if (!options.recordFile.empty() && !backend->startRecording(options.recordFile)) {
        if (error) *error = "cannot write the record file " + options.recordFile;
        return nullptr;
    }
    return backend;
}

}  // namespace platform

#ifdef RAMPARO_TSAN
// ThreadSanitizer builds: the software OpenGL driver (llvmpipe, which Xvfb and machines without a
// GPU use) synchronises its own worker threads in ways the sanitizer cannot see into, since it is
// not instrumented; its reports say nothing about this program. Defined here, in the file every
// window run links, so that no environment variable is needed.
extern "C" const char* __tsan_default_suppressions() {
    return "race:swrast_dri.so\n"
           "race:kms_swrast_dri.so\n"
           "race:libgallium_dri.so\n";
}
#endif
