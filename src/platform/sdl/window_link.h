// What the game thread asks of the window thread: show a frame, show a message box, close; and
// the window thread's answer when the window is gone. One lock, one condition variable.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

class WindowLink {
public:
    using Clock = std::chrono::steady_clock;
    struct Message {
        std::string text;
        std::string title;
    };

    // wakeWindow is called without the lock whenever the window thread has something to do.
    explicit WindowLink(std::function<void()> wakeWindow) : wakeWindow_(std::move(wakeWindow)) {}

    // --- Game thread ---
    // Hands over a copy of the frame; false (nothing handed over) when it equals the frame on screen.
    bool postFrame(PixelView frame);
    // When the window thread showed the frame last posted; nullopt once the window is closed.
    std::optional<Clock::time_point> waitShown();
    // Has the window thread show a message box and waits until it is closed.
    void showMessage(Message message);
    // Waits the given time; false at once when the window is closed.
    bool waitFor(std::chrono::milliseconds duration);
    void requestShutdown();
    bool closed() const;

    // --- Window thread ---
    // Calls upload with a frame posted since the last call, under the lock; false when none came.
    bool takeFrame(const std::function<void(PixelView)>& upload);
    void frameShown(Clock::time_point when);
    // The screen no longer shows the last posted frame (the timer drew, the texture was rebuilt).
    void screenReplaced();
    std::optional<Message> takeMessage();
    void messageClosed();
    bool shutdownRequested() const;
    // The window is gone: every wait ends, later waits fail at once.
    void close();

private:
    std::function<void()> wakeWindow_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::uint16_t> frame_;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    bool frameFresh_ = false;     // posted, not yet taken
    bool frameOnScreen_ = false;  // the screen shows frame_
    bool frameShown_ = true;
    Clock::time_point shownAt_{};
    std::optional<Message> message_;
    bool messagePending_ = false;
    bool shutdown_ = false;
    bool closed_ = false;
};

}  // namespace platform::sdl
