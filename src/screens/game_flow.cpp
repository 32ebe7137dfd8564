#include "screens/game_flow.h"

#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_state.h"
#include "core/error_box.h"
#include "core/input.h"
#include "core/online.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/front_buffer.h"
#include "gfx/images.h"
#include "platform/platform.h"
#include "screens/screen_loop.h"
#include "screens/screen_widgets.h"
#include "screens/screens.h"
#include "world/level_file.h"

namespace {

constexpr int MENU_ITEM_COUNT = 3;
constexpr int MENU_ITEM_STEP = 50;
constexpr std::int16_t MENU_NEW_GAME = 0;
constexpr std::int16_t MENU_TITLE = 1;
constexpr std::int16_t MENU_EXIT = 2;

void clearInputs() {
    takeKey();
    takeButton();
}

// White, with the start-up picture in the middle, while the rest of the data loads.
void showStartupPicture() {
    platform::Platform& machine = platform::get();
    machine.sleep(100);
    const ImageEntry& picture = raznoe[STARTUP_IMAGE];
    for (int pass = 0; pass < 2; ++pass) {
        FillSurface(primarySurface, PackColor(31, 31, 31));
        PresentFrontBuffer();
        DrawImage(backBuffer, picture, screenWidth / 2 - picture.width / 2,
                  screenHeight / 2 - picture.height / 2);
        PresentFrameNoWait();
    }
    machine.sleep(100);
}

void loadGameData() {
    soundVolume = soundVolumeForPercent(volumePercent);
    LoadGameImages();
    if (!soundSystem.LoadSoundBank("sound.sdf", 11)) errorBox("error load music game");
    loadLevels();
    BuildPanelTexture();
    initPlayers();
}

// Only an input made after loading counts: the screen is shown once more, which takes in what
// arrived during loading, and that is thrown away before the wait.
void waitForFirstInput() {
    if (gameConfig.screenMode != 0) {
        const ImageEntry& prompt = raznoe[PRESS_A_KEY_IMAGE];
        DrawImage(primarySurface, prompt, screenWidth / 2 - prompt.width / 2,
                  screenHeight / 5 * 4 - prompt.height / 2);
    }
    PresentFrontBuffer();
    clearInputs();
    while (!buttonHeld()) {
        platform::get().sleep(10);
        if (keyWaiting()) break;
    }
    clearInputs();
}

void newGame(Battle& battle) {
    takeKey();
    newGameReset();
    battle.aids.forgetAims();
    if (playerSetup() == 1) {
        joiningOpen = false;
        runBattle(battle);
        joiningOpen = true;
        takeKey();
    }
}

void exitGame() {
    // The music device was never opened, so closing it is nothing; the display and the window go.
    platform::get().shutdown();
}

enum MenuResult { NEW_GAME, EXIT };

ScreenVerdict menuStep(std::int16_t menuChoice) {
    // Never seeded: these draws, one per menu frame, are what make one run's battles differ
    // from another's.
    gameRand();
    // The click is not taken: while the button stays down over an item, it acts again.
    if (buttonHeld()) {
        if (menuChoice != MENU_NONE) playSoundEffect(CLICK_SOUND);
        if (menuChoice == MENU_NEW_GAME) return NEW_GAME;
        if (menuChoice == MENU_TITLE) showTitleScreen();
        if (menuChoice == MENU_EXIT) return EXIT;
    }
    // Neither this key nor Escape is taken: the next screen clears what waits.
    if (keyWaiting(KeyAction::NewGame)) return NEW_GAME;
    return std::nullopt;
}

// The menu's frames until the player starts a game or leaves.
int runMenu() {
    soundSystem.PlayMusic("tan.xm");
    std::int16_t menuChoice = MENU_NONE;
    static constexpr ScreenPiece FRAME[] = {ScreenPiece::Present,    ScreenPiece::Restore,
                                            ScreenPiece::ReadCursor, ScreenPiece::Draw,
                                            ScreenPiece::Step,       ScreenPiece::Escape};
    return runScreen({FRAME,
                      [&menuChoice] {
                          StretchImage(backBuffer, raznoe[MENU_BACKGROUND_IMAGE].surface.get());
                          drawMenuFrame(menuChoice);
                      },
                      [&menuChoice] { return menuStep(menuChoice); }, [] { return ScreenVerdict{EXIT}; }});
}

}  // namespace

void drawMenu(std::int16_t& menuChoice) {
    const int x = screenWidth / 10;
    int y = screenHeight / 3;
    bool hit = false;
    for (std::int16_t i = 0; i < MENU_ITEM_COUNT; ++i, y += MENU_ITEM_STEP) {
        const ImageEntry& item = raznoe[FIRST_MENU_ITEM_IMAGE + i];
        if (pointerOn(item, x, y)) {
            if (menuChoice != i) playSoundEffect(HOVER_SOUND);
            menuChoice = i;
            hit = true;
            DrawImage(backBuffer, item, x + 10, y + 10);
            DrawImage(backBuffer, item, x + 5, y + 5);
        }
        DrawImage(backBuffer, item, x, y);
    }
    if (!hit) menuChoice = MENU_NONE;
}

void drawMenuFrame(std::int16_t& menuChoice) {
    drawMenu(menuChoice);
    drawPointer();
}

void gameFlowMain(CMainFrame*) {
    // The battles' own state lives as long as the game thread, as does everything of a battle
    // that one battle leaves to the next.
    Battle battle;
    showStartupPicture();
    loadGameData();
    waitForFirstInput();
    for (;;) {
        try {
            while (runMenu() == NEW_GAME) newGame(battle);
            break;
        } catch (const platform::SessionEnded& ended) {
            // The online game ended under this machine: from its menu it plays on alone.
            forgetPeers();
            yesNoAsked = false;
            clearInputs();
            errorBox(ended.what());
        }
    }
    exitGame();
}
