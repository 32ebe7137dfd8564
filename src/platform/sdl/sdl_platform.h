// The window backend: an SDL2 window on the process's main thread (the window thread), the game
// on its own thread. The game thread reaches the window only through WindowLink and InputQueue;
// every SDL video call stays on the window thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/audio_device.h"
#include "platform/backends.h"
#include "platform/font.h"
#include "platform/platform.h"
#include "platform/sdl/event_translate.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/input_queue.h"
#include "platform/sdl/pad_map.h"
#include "platform/sdl/sdl_window.h"
#include "platform/sdl/wait_clock.h"
#include "platform/sdl/window_link.h"
#include "platform/net/game_stream.h"
#include "platform/script.h"

namespace platform::sdl {

class SdlPlatform final : public Platform {
public:
    // SDL's video subsystem is initialised; the calling thread becomes the window thread.
    SdlPlatform(const BackendOptions& options, std::uint32_t wakeEventType);
    ~SdlPlatform() override;

    // Called on the window thread, before run() (the game's initialisation runs there).
    DisplayStatus openDisplay(int width, int height) override;
    std::uint32_t redMask() const override;
    std::uint32_t greenMask() const override;
    std::uint32_t blueMask() const override;
    void present(PixelView frame, bool waitVerticalBlank) override;
    bool takeSurfaceLoss() override;
    bool restoreDisplay() override;
    void clipCursor(Rect rect) override;

    void setInputHandler(InputHandler* handler) override { handler_ = handler; }
    Point cursorPosition() override { return cursor_; }
    void movePointer(Point position) override;
    void sleep(int milliseconds) override;
    bool startTimer(int periodMs, std::function<void()> handler) override;

    void errorBox(std::string_view text, const char* caption) override;

    AudioDevice& audio() override { return *audio_; }
    FontRenderer& font() override { return *font_; }

    int run(std::function<void()> gameMain) override;
    void shutdown() override;

    // False when the record file cannot be written.
    bool startRecording(const std::string& path);

private:
    using Clock = std::chrono::steady_clock;

    bool onWindowThread() const { return std::this_thread::get_id() == windowThread_; }
    void wakeWindow() const;

    // Window thread (window_loop.cpp).
    void windowLoop();
    bool handleEvent(const SDL_Event& event);  // false when the window was closed
    bool handlePadEvent(const SDL_Event& event);  // false when the event is no pad's
    void closePads();
    void showGameFrame();
    void warpPointer();
    void pointerMoved();
    void showMessage();
    void runTimer();
    int waitTimeoutMs() const;
    void showNow(PixelView frame);
    void resetTexture();
    void loseSurfaces();
    void takeScreenshot();

    // Online (online.cpp).
    bool catchingUp() const;
    void noteFrameHash(PixelView frame);
    void exchangeInput(std::int64_t frame);
    void takeStream(std::int64_t frame);
    void askToLeave();

    // Game thread (wait_points.cpp).
    void endWaitPoint();
    [[noreturn]] void quit();
    void deliverInput(std::int64_t frame);
    void deliver(std::int64_t frame, const InputEvent& event);
    void record(std::int64_t frame, const InputEvent& event);
    // What the pads did since the last delivery, as recorded keys, buttons and pointer moves.
    bool deliverPads(std::int64_t frame);
    void padMovesPointer(std::int64_t frame, Point position);

    BackendOptions options_;
    std::uint32_t wakeEventType_;
    std::thread::id windowThread_;
    std::unique_ptr<AudioDevice> audio_;
    std::unique_ptr<FontRenderer> font_;

    WindowLink link_;
    InputQueue input_;
    std::atomic<bool> surfaceLost_{false};  // set by the window thread, handed over at a wait point
    std::atomic<bool> textureReady_{false};

    // Window thread.
    SdlWindow window_;
    bool loopRunning_ = false;
    bool textureLost_ = false;
    AwayWatch away_;
    mutable std::mutex timerMutex_;  // the game may start the timer while the loop runs
    std::function<void()> timerHandler_;
    int timerPeriodMs_ = 0;
    Clock::time_point nextTick_{};
    std::map<SDL_JoystickID, SDL_GameController*> pads_;
    std::optional<Point> warpedTo_;
    Clock::time_point warpedAt_{};

    // Game thread (and the window thread before the game thread starts).
    InputHandler* handler_ = nullptr;
    WaitClock clock_;
    FramePacer pacer_;
    bool vsyncAt60_ = false;
    bool framePending_ = false;  // handed over, not yet known to be on screen
    Rect clip_{};
    Point cursor_{};
    bool cursorDelivered_ = false;
    std::optional<Point> gameMove_;  // moved by the game, recorded at the next delivery
    std::vector<InputEvent> arrived_;
    bool lossDelivered_ = false;  // what takeSurfaceLoss reports
    std::ofstream record_;
    PadPointer padPointer_;
    std::vector<PadPress> padPresses_;
    std::int64_t padFrame_ = -1;  // the frame of the sticks' last delivery
    // Online: null once the game has ended; the window thread reads options_.session instead.
    net::Session* session_ = nullptr;
    std::optional<Point> sentPointer_;  // the local pointer as last sent to the host
    std::optional<GameStream> stream_;
    std::int64_t presents_ = 0;
    std::uint64_t shownHash_ = 0;
    std::atomic<bool> leaveAsked_{false};  // a joined machine's Escape, answered by the window thread

    std::thread game_;
    std::atomic<bool> gameDone_{false};
    std::exception_ptr gameError_;
};

}  // namespace platform::sdl
