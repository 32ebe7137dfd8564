// The window thread: the event loop, the 30 ms timer, and the frames and message boxes the game
// thread asks for.
#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/net/session.h"
#include "platform/sdl/event_translate.h"
#include "platform/sdl/screenshot.h"
#include "platform/sdl/sdl_platform.h"

namespace platform::sdl {

namespace {
constexpr int IDLE_WAIT_MS = 100;  // only a fallback: the game thread wakes the loop when it needs it
constexpr std::chrono::milliseconds WARP_SETTLE{100};
}

int SdlPlatform::run(std::function<void()> gameMain) {
    loopRunning_ = true;
    game_ = std::thread([this, gameMain = std::move(gameMain)] {
        try {
            gameMain();
        } catch (const QuitRequested&) {
        } catch (...) {
            gameError_ = std::current_exception();
        }
        // SDL keeps thread-local data (its error text) for a thread it did not create until told.
        SDL_TLSCleanup();
        gameDone_ = true;
        wakeWindow();
    });
    windowLoop();
    // Closing the window ends the program promptly: the game thread leaves at its next wait point.
    link_.close();
    window_.close();
    // A game thread waiting for the host's next frames stops waiting.
    if (options_.session) options_.session->leave();
    game_.join();
    loopRunning_ = false;
    if (gameError_) std::rethrow_exception(gameError_);
    return 0;
}

void SdlPlatform::windowLoop() {
    while (!gameDone_) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, waitTimeoutMs())) {
            do {
                if (!handleEvent(event)) return;
            } while (SDL_PollEvent(&event));
        }
        showGameFrame();
        warpPointer();
        showMessage();
        if (leaveAsked_.exchange(false) && window_.askYesNo("Ramparo", "Leave the online game?"))
            options_.session->leave();
        if (link_.shutdownRequested()) return;
        if (textureLost_) resetTexture();
        runTimer();
    }
}

bool SdlPlatform::handleEvent(const SDL_Event& event) {
    if (handlePadEvent(event)) return true;
    const WindowAction action = translateEvent(event);
    switch (action.kind) {
    case WindowAction::Kind::None: break;
    case WindowAction::Kind::Input: input_.push(action.input); break;
    case WindowAction::Kind::PointerMoved: pointerMoved(); break;
    case WindowAction::Kind::ToggleFullscreen: window_.toggleFullscreen(); break;
    case WindowAction::Kind::Quit: return false;
    case WindowAction::Kind::ResetTexture: loseSurfaces(); break;
    case WindowAction::Kind::Redraw: window_.show(); break;
    case WindowAction::Kind::Screenshot: takeScreenshot(); break;
    case WindowAction::Kind::Minimised:
    case WindowAction::Kind::FocusLost:
    case WindowAction::Kind::Returned:
        if (away_.returnsFromAway(action.kind, window_.fullscreen())) loseSurfaces();
        if (action.kind == WindowAction::Kind::Returned) window_.show();
        break;
    }
    return true;
}

namespace {

PadButton padButton(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A: return PadButton::A;
        case SDL_CONTROLLER_BUTTON_B: return PadButton::B;
        case SDL_CONTROLLER_BUTTON_X: return PadButton::X;
        case SDL_CONTROLLER_BUTTON_Y: return PadButton::Y;
        case SDL_CONTROLLER_BUTTON_BACK: return PadButton::Back;
        case SDL_CONTROLLER_BUTTON_GUIDE: return PadButton::Guide;
        case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
        case SDL_CONTROLLER_BUTTON_LEFTSTICK: return PadButton::LeftStick;
        case SDL_CONTROLLER_BUTTON_RIGHTSTICK: return PadButton::RightStick;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadButton::LeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadButton::RightShoulder;
        case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadButton::Up;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadButton::Down;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadButton::Left;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadButton::Right;
        default: return PadButton::Other;
    }
}

// Of several pads, the one pushed furthest on an axis has it.
int furthest(int a, int b) { return std::abs(b) > std::abs(a) ? b : a; }

}  // namespace

// Pads come and go at any time; every pad plugged in feeds the game.
bool SdlPlatform::handlePadEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) {
                const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
                if (!pads_.emplace(id, pad).second) SDL_GameControllerClose(pad);  // opened once already
            }
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (const auto found = pads_.find(event.cdevice.which); found != pads_.end()) {
                // A pad pulled out with A down lets go of the button it held.
                if (SDL_GameControllerGetButton(found->second, SDL_CONTROLLER_BUTTON_A))
                    input_.pushPad({PadButton::A, false});
                SDL_GameControllerClose(found->second);
                pads_.erase(found);
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            input_.pushPad({padButton(event.cbutton.button), event.cbutton.state == SDL_PRESSED});
            return true;
        case SDL_CONTROLLERAXISMOTION: break;
        default: return false;
    }
    PadSticks sticks;
    for (const auto& [id, pad] : pads_) {
        sticks.leftX = furthest(sticks.leftX, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX));
        sticks.leftY = furthest(sticks.leftY, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
        sticks.rightX = furthest(sticks.rightX, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX));
        sticks.rightY = furthest(sticks.rightY, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY));
    }
    input_.setSticks(sticks);
    return true;
}

void SdlPlatform::closePads() {
    for (const auto& [id, pad] : pads_) SDL_GameControllerClose(pad);
    pads_.clear();
}

// The game restores its pictures (RestoreLostSurfaces) once it sees the loss; the texture is
// rebuilt first, so that the game finds the display back at its first look.
void SdlPlatform::loseSurfaces() {
    resetTexture();
    surfaceLost_ = true;
}

void SdlPlatform::takeScreenshot() {
    std::string error;
    const std::filesystem::path saved = saveScreenshot(window_.picture(), options_.pixelFormat, error);
    if (saved.empty())
        std::fprintf(stderr, "Ramparo: %s\n", error.c_str());
    else
        std::fprintf(stderr, "Ramparo: screenshot saved as %s\n", saved.c_str());
}

void SdlPlatform::showGameFrame() {
    if (!link_.takeFrame([this](PixelView frame) { window_.upload(frame); })) return;
    window_.show();
    link_.frameShown(Clock::now());
}

void SdlPlatform::warpPointer() {
    if (const std::optional<Point> point = input_.takeWarp()) {
        window_.warpPointer(*point);
        warpedTo_ = point;
        warpedAt_ = Clock::now();
    }
}

// The window's own warps come back as motion, and late (a pad warps every frame it moves the
// pointer): until the last warp has come back, an older position is not the player's.
void SdlPlatform::pointerMoved() {
    const Point at = window_.pointerInGame();
    if (warpedTo_) {
        const bool back = at.x == warpedTo_->x && at.y == warpedTo_->y;
        if (!back && Clock::now() - warpedAt_ < WARP_SETTLE) return;
        warpedTo_.reset();
    }
    input_.movePointer(at);
}

void SdlPlatform::showMessage() {
    if (auto message = link_.takeMessage()) {
        window_.showMessage(message->title.c_str(), message->text.c_str());
        link_.messageClosed();
    }
}

// Retried every turn of the loop until a texture can be made again.
void SdlPlatform::resetTexture() {
    textureLost_ = !window_.rebuildTexture();
    textureReady_ = !textureLost_;
    link_.screenReplaced();
}

void SdlPlatform::runTimer() {
    std::function<void()> handler;
    {
        std::lock_guard lock(timerMutex_);
        const Clock::time_point now = Clock::now();
        if (!timerHandler_ || now < nextTick_) return;
        const auto period = std::chrono::milliseconds(timerPeriodMs_);
        nextTick_ += period;
        if (nextTick_ < now) nextTick_ = now + period;  // ticks missed while busy are not made up
        handler = timerHandler_;
    }
    handler();
}

int SdlPlatform::waitTimeoutMs() const {
    std::lock_guard lock(timerMutex_);
    if (!timerHandler_) return IDLE_WAIT_MS;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(nextTick_ - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, IDLE_WAIT_MS));
}

void SdlPlatform::showNow(PixelView frame) {
    window_.upload(frame);
    window_.show();
    link_.screenReplaced();
}

}  // namespace platform::sdl
