#include "platform/sdl/window_link.h"

#include <algorithm>
#include <cstring>

namespace platform::sdl {

namespace {

bool sameFrame(const std::vector<std::uint16_t>& copy, int width, int height, PixelView frame) {
    if (width != frame.width || height != frame.height) return false;
    for (int y = 0; y < height; ++y) {
        const std::uint16_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.pitch;
        if (std::memcmp(copy.data() + static_cast<std::size_t>(y) * width, row, width * sizeof(std::uint16_t)) != 0)
            return false;
    }
    return true;
}

}  // namespace

bool WindowLink::postFrame(PixelView frame) {
    if (!frame.pixels || frame.width <= 0 || frame.height <= 0 || frame.pitch < frame.width) return false;
    {
        std::lock_guard lock(mutex_);
        if (closed_) return false;
        if (frameOnScreen_ && sameFrame(frame_, frameWidth_, frameHeight_, frame)) return false;
        frameWidth_ = frame.width;
        frameHeight_ = frame.height;
        frame_.resize(static_cast<std::size_t>(frame.width) * frame.height);
        for (int y = 0; y < frame.height; ++y) {
            const std::uint16_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.pitch;
            std::copy(row, row + frame.width, frame_.begin() + static_cast<std::ptrdiff_t>(y) * frame.width);
        }
        frameFresh_ = true;
        frameOnScreen_ = true;
        frameShown_ = false;
    }
    wakeWindow_();
    return true;
}

std::optional<WindowLink::Clock::time_point> WindowLink::waitShown() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return frameShown_ || closed_; });
    if (closed_) return std::nullopt;
    return shownAt_;
}

void WindowLink::showMessage(Message message) {
    {
        std::lock_guard lock(mutex_);
        if (closed_) return;
        message_ = std::move(message);
        messagePending_ = true;
    }
    wakeWindow_();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !messagePending_ || closed_; });
}

bool WindowLink::waitFor(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return !changed_.wait_for(lock, duration, [this] { return closed_; });
}

void WindowLink::requestShutdown() {
    {
        std::lock_guard lock(mutex_);
        shutdown_ = true;
        closed_ = true;  // the game flow has ended: nothing it asks for after this is shown
    }
    changed_.notify_all();
    wakeWindow_();
}

bool WindowLink::closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

bool WindowLink::takeFrame(const std::function<void(PixelView)>& upload) {
    std::lock_guard lock(mutex_);
    if (!frameFresh_) return false;
    frameFresh_ = false;
    upload(PixelView{frame_.data(), frameWidth_, frameHeight_, frameWidth_});
    return true;
}

void WindowLink::frameShown(Clock::time_point when) {
    {
        std::lock_guard lock(mutex_);
        frameShown_ = true;
        shownAt_ = when;
    }
    changed_.notify_all();
}

void WindowLink::screenReplaced() {
    std::lock_guard lock(mutex_);
    frameOnScreen_ = false;
}

std::optional<WindowLink::Message> WindowLink::takeMessage() {
    std::lock_guard lock(mutex_);
    std::optional<Message> message = std::move(message_);
    message_.reset();
    return message;
}

void WindowLink::messageClosed() {
    {
        std::lock_guard lock(mutex_);
        messagePending_ = false;
    }
    changed_.notify_all();
}

bool WindowLink::shutdownRequested() const {
    std::lock_guard lock(mutex_);
    return shutdown_;
}

void WindowLink::close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    changed_.notify_all();
}

}  // namespace platform::sdl
