#include "app/main_frame.h"

#include <cstdio>

#include "audio/sound_system.h"
#include "battle/wait_animation.h"
#include "core/error_box.h"
#include "core/input.h"
#include "core/online.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/text.h"
#include "platform/font.h"

CMainFrame* gameWindow = nullptr;
int fontHeight = 0;

namespace {
// The music system never opens a device.
int InitMusic() { return 0; }
}  // namespace

int fontHeightForMode(int screenMode) {
    static constexpr int heights[] = {12, 18, 23, 30};
    return screenMode >= 0 && screenMode < 4 ? heights[screenMode] : 0;
}

CMainFrame::CMainFrame() {
    platform::get().setInputHandler(this);
    ready = gameInit();
}

CMainFrame::~CMainFrame() { platform::get().setInputHandler(nullptr); }

bool CMainFrame::gameInit() {
    InitMusic();
    readSettings();
    openDisplay();
    detectPixelFormat();
    fontHeight = fontHeightForMode(gameConfig.screenMode);
    if (!platform::get().font().open(fontHeight))
        std::fputs("Ramparo: no font found, so no text will be shown; install fonts-liberation2 "
                   "(or any bold sans-serif font)\n",
                   stderr);
    if (!AllocateImageTables()) return false;
    LoadStartupImages();
    return true;
}

void CMainFrame::onKeyDown(int virtualKey) { OnKeyDown(virtualKey); }

void CMainFrame::onMouseButton(platform::MouseButton button, bool pressed) {
    if (button == platform::MouseButton::Left)
        pressed ? OnLButtonDown() : OnLButtonUp();
    else
        pressed ? OnRButtonDown() : OnRButtonUp();
}

int CMainFrame::weaponStepKey(int direction) { return ::weaponStepKey(direction); }

bool CMainFrame::yesNoAsked() { return ::yesNoAsked; }

int CMainFrame::actingPeer() { return ::actingPeer(); }

bool CMainFrame::joinable() { return joiningOpen; }

void CMainFrame::onPeerJoined(int peer, std::string_view name) { peerJoined(peer, name); }

void CMainFrame::onPeerLeft(int peer) { peerLeft(peer); }

void OnTimer() { waitAnimationTimer(); }

void openDisplay() {
    if (InitDisplay(OnTimer) && !soundSystem.SetPrimaryFormat(44100, 16, 2))
        errorBox("error music FormatPrimaryBufer");
}
