// The main window: it receives the keyboard, the mouse buttons and the 30 ms timer, and its
// construction initialises the whole game before the game thread starts.
#pragma once

#include "platform/platform.h"

class CMainFrame final : public platform::InputHandler {
public:
    // Runs gameInit; the backend delivers input to this window from then on.
    CMainFrame();
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // False when an image table could not be allocated: the game cannot go on without it.
    bool initialised() const { return ready; }

    void onKeyDown(int virtualKey) override;
    void onMouseButton(platform::MouseButton button, bool pressed) override;
    int weaponStepKey(int direction) override;
    bool yesNoAsked() override;
    int actingPeer() override;
    bool joinable() override;
    void onPeerJoined(int peer, std::string_view name) override;
    void onPeerLeft(int peer) override;

private:
    bool gameInit();

    bool ready = false;
};

// Set before the game thread starts; the game thread reads it once.
extern CMainFrame* gameWindow;

// Window timer 1 (every 30 ms, on the window thread).
void OnTimer();
// The display with the window's timer, then the sound device's format, which follows the display.
void openDisplay();

// The cell height of the game font for a screen mode: 12, 18, 23 or 30; 0 (the face's default)
// for an unknown mode.
int fontHeightForMode(int screenMode);
