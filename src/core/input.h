// Keyboard and mouse as the game sees them: a few latches written by the input handlers and taken
// by the game thread, and the pointer position the game thread reads for itself.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/platform.h"

// Consumers take an input by storing 0. Single relaxed loads and stores, never read-modify-write:
// a press that lands between a consumer's test and its reset is lost, as the game has always had it.
struct InputState {
    std::atomic<std::int32_t> lastKeyDown{0};  // virtual-key code of the latest key press, 0 = none
    std::atomic<std::uint8_t> leftButton{0};   // 1 from a press until its release or until taken
    std::atomic<std::uint8_t> rightButton{0};
};

extern InputState inputState;
// The pointer in screen pixels, refreshed by readCursor on the game thread.
extern platform::Point cursorPos;

constexpr std::int32_t VK_ESCAPE = 0x1B;

// A key pressed before a battle must not be taken by it.
void resetInput();
// GetCursorPos: the game reads it three times at the start of a frame; the last read counts.
void readCursor();

// The main window's handlers (the point a mouse message carries is not used).
void OnKeyDown(std::int32_t virtualKey);
void OnLButtonDown();
void OnLButtonUp();
void OnRButtonDown();
void OnRButtonUp();
