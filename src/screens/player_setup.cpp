// Before a game: names, roles and banner colours, one player after another.
#include "screens/player_setup.h"

#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "core/input.h"
#include "core/online.h"
#include "core/player.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/images.h"
#include "gfx/text.h"
#include "screens/screen_loop.h"
#include "screens/screen_widgets.h"
#include "screens/screens.h"

namespace {

constexpr int COLOUR_COUNT = 5;
constexpr int COLOUR_BUTTON_IMAGE = FORTRESS_IMAGE;
constexpr std::uint32_t SHADOW = 0x00000F;
constexpr std::uint32_t BUTTON_TEXT = 0x000FFF;

// Takes a click on the button placed at (x, y): the click sound, and the button is down no more.
bool takeClickOn(const ImageEntry& image, int x, int y) {
    if (!pointerOn(image, x, y) || !buttonHeld()) return false;
    playSoundEffect(CLICK_SOUND);
    takeButton();
    return true;
}

void takeKeyWithClick() {
    takeKey();
    playSoundEffect(CLICK_SOUND);
}

}  // namespace

void stepPlayerColour(int k) {
    if (k < 0 || k >= MAX_PLAYERS) return;
    std::int16_t& colour = players[k].colour;
    // The five records hold at most four other colours, so a free one is always found.
    auto taken = [&] {
        for (int j = 0; j < k; ++j)
            if (players[j].colour == colour) return true;
        return false;
    };
    do {
        colour = static_cast<std::int16_t>((colour + 1) % COLOUR_COUNT);
    } while (taken());
}

// Human, computer, and in an online game a joined machine that has no player yet, which gives the
// player its name; then human again.
void stepPlayerRole(int k) {
    Player& p = players[k];
    if (p.remotePeer != 0) {
        p.remotePeer = 0;
    } else if (p.isComputer == 0) {
        p.isComputer = 1;
    } else {
        p.isComputer = 0;
        if (const int peer = freePeer(k); peer != 0) {
            p.remotePeer = static_cast<std::int16_t>(peer);
            p.name = onlinePeers[static_cast<std::size_t>(peer)].name;
        }
    }
}

void drawSetupScreen(std::int32_t& setupDone) {
    const int w = screenWidth;
    const int h = screenHeight;
    const int t = h / 10;
    Player& p = players[numPlayers - 1];

    StretchImage(backBuffer, raznoe[STARTUP_IMAGE].surface.get());
    DrawImage(backBuffer, raznoe[animCounters.flagFrame + BANNER_FRAMES * p.colour], w / 2 + 20, 2 * t - 40);

    const ImageEntry& colourButton = raznoe[COLOUR_BUTTON_IMAGE];
    DrawImage(backBuffer, colourButton, w / 2 - 40, 2 * t);
    if (takeClickOn(colourButton, w / 2 - 40, 2 * t)) stepPlayerColour(numPlayers - 1);

    drawShadowedText(w / 2, 2 * t + 55, "YOUR NAME:", SHADOW, 0x0FFFFF);
    drawShadowedText(w / 2, 2 * t + 55 + fontHeight, p.name, SHADOW, 0xFFFFFF);

    // COMPUTER_BUTTON_IMAGE is the one before HUMAN_BUTTON_IMAGE; a joined machine's player is human.
    const ImageEntry& roleButton = raznoe[HUMAN_BUTTON_IMAGE - p.isComputer];
    DrawImage(backBuffer, roleButton, w / 2 - 20, 6 * t);
    if (takeClickOn(roleButton, w / 2 - 20, 6 * t)) stepPlayerRole(numPlayers - 1);
    drawShadowedText(w / 2, 6 * t + 40, p.remotePeer != 0 ? "REMOTE" : p.isComputer == 0 ? "HUMAN" : "COMPUTER",
                     SHADOW, 0xFFFFFF);

    if (numPlayers > 1) {
        const ImageEntry& playButton = raznoe[PLAY_BUTTON_IMAGE];
        DrawImage(backBuffer, playButton, w / 4 - 20, 9 * t - 5);
        if (takeClickOn(playButton, w / 4 - 20, 9 * t - 5)) setupDone = 1;
        drawShadowedText(w / 4, 9 * t - fontHeight - 5, "PLAY GAME", SHADOW, BUTTON_TEXT);
    }

    if (numPlayers != MAX_PLAYERS) {
        std::int16_t& frame = animCounters.shopFrame;
        const ImageEntry& nextButton = raznoe[frame];
        const int x = 3 * (w / 4) - 20;
        DrawImage(backBuffer, nextButton, x, 9 * t - 5);
        // While the button's animation runs it takes no click.
        if (frame == NEXT_AT_REST && takeClickOn(nextButton, x, 9 * t - 5)) {
            ++numPlayers;
            frame = NEXT_AT_REST + 1;
            stepPlayerColour(numPlayers - 1);
        }
        drawShadowedText(3 * (w / 4), 9 * t - fontHeight - 5, "NEXT OPPONENT", SHADOW, BUTTON_TEXT);
    }

    drawPointer();
}

void handleSetupKey() {
    std::string& name = players[numPlayers - 1].name;
    const char typed = typedCharacter();
    if (keyWaiting(KeyAction::Erase)) {
        name.clear();
        takeKeyWithClick();
    } else if (typed != '\0' && name.size() < MAX_NAME_LENGTH) {
        // A key refused by a full name stays waiting.
        name.push_back(typed);
        takeKeyWithClick();
    }
}

int leaveSetup() {
    playSoundEffect(CLICK_SOUND);
    takeKey();
    return 0;
}

int playerSetup() {
    numPlayers = 1;
    animCounters.flagFrame = 37;
    std::int32_t setupDone = 0;
    resetAnimCounters();
    BuildPanelTexture();
    // The start-up picture's entry becomes this screen's canvas.
    DrawPanel(raznoe[STARTUP_IMAGE].surface.get(), 0, 0, 610, 450);

    // The set-up ticks before it draws.
    static constexpr ScreenPiece FRAME[] = {
        ScreenPiece::Present, ScreenPiece::ReadCursor, ScreenPiece::Restore, ScreenPiece::Tick,
        ScreenPiece::Draw,    ScreenPiece::Escape,     ScreenPiece::Step};
    return runScreen({FRAME, [&setupDone] { drawSetupScreen(setupDone); },
                      [&setupDone] {
                          handleSetupKey();
                          return setupDone == 1 ? ScreenVerdict{1} : std::nullopt;
                      },
                      [] { return ScreenVerdict{leaveSetup()}; }});
}
