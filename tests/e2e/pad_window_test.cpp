// A whole session played with a gamepad in a real window (under xvfb-run; skipped without a
// display): SDL's virtual pad, which only this process sees, leaves the start-up picture, starts a
// game, adds an opponent, plays, is pulled out and plugged in again in the middle of the turn,
// fires a shot, answers "ARE YOU SURE" and leaves the game. The recording then replays headless,
// with no pad at all.
#include <SDL2/SDL.h>

#include <atomic>
#include <chrono>
#include <regex>
#include <thread>

#include "app/game_thread.h"
#include "app/main_frame.h"
#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "core/config_file.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "game_binary.h"
#include "platform/backends.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

// The test's pad, worked from the player's thread; every change waits until SDL has taken it in,
// so that none is lost between two looks of the window thread.
class VirtualPad {
public:
    bool attach() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
        desc.axis_mask = (1u << desc.naxes) - 1;
        desc.button_mask = (1u << desc.nbuttons) - 1;
        desc.name = "Ramparo test pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = index_ < 0 ? nullptr : SDL_JoystickOpen(index_);
        // Ready once the window has opened it as a game controller.
        return joystick_ && until([this] { return SDL_GameControllerFromInstanceID(SDL_JoystickInstanceID(joystick_)); });
    }
    void detach() {
        SDL_JoystickClose(std::exchange(joystick_, nullptr));
        SDL_JoystickDetachVirtual(index_);
    }
    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, b, down);
        until([&] { return SDL_JoystickGetButton(joystick_, b) == down; });
    }
    void click(SDL_GameControllerButton b, std::chrono::milliseconds hold = 30ms) {
        button(b, true);
        std::this_thread::sleep_for(hold);
        button(b, false);
    }
    void axis(SDL_GameControllerAxis a, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick_, a, value);
        until([&] { return SDL_JoystickGetAxis(joystick_, a) == value; });
    }

    template <class Done>
    static bool until(Done done, std::chrono::seconds limit = 20s) {
        for (const auto end = Clock::now() + limit; Clock::now() < end; std::this_thread::sleep_for(1ms))
            if (done()) return true;
        return false;
    }

private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

class PadWindow : public e2e::GameBinary {
protected:
    // Where the recording last put the pointer, as the player sees it on the screen.
    platform::Point pointerSeen() const {
        const std::string text = readFile(dir / "session.txt");
        const std::size_t end = text.rfind('\n');
        const std::size_t at = end == std::string::npos ? end : text.rfind(" move ", end);
        platform::Point p{-1, -1};
        if (at != std::string::npos) std::sscanf(text.c_str() + at, " move %d %d", &p.x, &p.y);
        return p;
    }
    // The key the recording last shows: how the game took the pad's last key.
    std::string lastKey() const {
        const std::string text = readFile(dir / "session.txt");
        const std::size_t at = text.rfind(" key ");
        return at == std::string::npos ? "" : text.substr(at + 5, text.find('\n', at) - at - 5);
    }
    // The left stick into a corner of the pointer's reach (5 pixels inside the screen), then the
    // D-pad a pixel at a time.
    bool pointTo(VirtualPad& pad, platform::Point corner, platform::Point target) {
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, corner.x > 320 ? 32767 : -32768);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, corner.y > 240 ? 32767 : -32768);
        const bool there = VirtualPad::until([&] {
            const platform::Point p = pointerSeen();
            return p.x == corner.x && p.y == corner.y;
        });
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
        for (int x = corner.x; x != target.x; x += x < target.x ? 1 : -1)
            pad.click(x < target.x ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT : SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0ms);
        for (int y = corner.y; y != target.y; y += y < target.y ? 1 : -1)
            pad.click(y < target.y ? SDL_CONTROLLER_BUTTON_DPAD_DOWN : SDL_CONTROLLER_BUTTON_DPAD_UP, 0ms);
        return there && VirtualPad::until([&] {
            const platform::Point p = pointerSeen();
            return p.x == target.x && p.y == target.y;
        });
    }
};

TEST_F(PadWindow, AWholeSessionWithAPadPluggedOutAndInMidTurnReplaysWithoutIt) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display";
    writeIni({1, 0, 0, 1});  // 640 x 480, weather on
    const fs::path previous = fs::current_path();
    fs::current_path(dir / "data");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");  // no window manager gives focus
    platform::BackendOptions options;
    options.windowed = true;
    options.recordFile = (dir / "session.txt").string();
    options.recordHeader = recordedSettingsLines(settingsBytesInUse(), turnTicks, computerSkills, assistEnabled);
    std::string error;
    std::unique_ptr<platform::Platform> backend = platform::createSdlPlatform(options, &error);
    ASSERT_TRUE(backend) << error;
    platform::set(backend.get());
    soundSystem.attach(backend->audio());

    std::atomic<bool> attached{false}, battleStarted{false}, reattached{false}, ended{false}, gameOver{false};
    const auto setUp = [] { return battleState.setupInProgress.load(std::memory_order_relaxed) == 1; };
    std::thread watch([&] {  // a battle set-up may be shorter than a click
        while (!ended && !battleStarted) {
            battleStarted = setUp();
            std::this_thread::sleep_for(1ms);
        }
    });
    std::thread player([&] {
        VirtualPad pad;
        attached = pad.attach();
        // Until the battle is being set up: "press a key", NEW GAME, NEXT OPPONENT, PLAY GAME. Each
        // click is harmless on the screens it is not meant for.
        const std::pair<platform::Point, platform::Point> clicks[] = {
            {{5, 5}, {74, 170}}, {{634, 474}, {465, 432}}, {{5, 474}, {145, 432}}};
        for (int round = 0; attached && round < 10 && !battleStarted; ++round) {
            pad.click(SDL_CONTROLLER_BUTTON_B);
            for (const auto& [corner, target] : clicks) {
                if (!pointTo(pad, corner, target)) break;
                pad.click(SDL_CONTROLLER_BUTTON_A, 250ms);
                if (VirtualPad::until([&] { return bool(battleStarted); }, 1s)) break;
            }
        }
        VirtualPad::until([&] { return !setUp(); }, 60s);
        std::this_thread::sleep_for(500ms);
        // Mid-turn: out, and in again as another pad; aim a little higher, charge and fire.
        pad.detach();
        std::this_thread::sleep_for(300ms);
        reattached = pad.attach();
        if (reattached) {
            pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768);  // a look at the sky, and back
            VirtualPad::until([&] { return pointerSeen().y == 5; }, 10s);
            pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0);
            pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -12000);
            std::this_thread::sleep_for(200ms);
            pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
            pad.click(SDL_CONTROLLER_BUTTON_A, 700ms);
            // The shot flies and lands, and the turn changes, which may take a key: B tells, as
            // the question's No, when Start has asked it; else it is only "a key".
            for (int tries = 0; tries < 10 && lastKey() != "N"; ++tries) {
                pad.click(SDL_CONTROLLER_BUTTON_START);
                std::this_thread::sleep_for(500ms);
                pad.click(SDL_CONTROLLER_BUTTON_B);
                VirtualPad::until([&] { return lastKey() != "ESCAPE"; }, 5s);
            }
            pad.click(SDL_CONTROLLER_BUTTON_START);
            std::this_thread::sleep_for(500ms);
            pad.click(SDL_CONTROLLER_BUTTON_A, 100ms);  // Yes: back to the menu
            for (int tries = 0; tries < 5 && !gameOver; ++tries) {
                std::this_thread::sleep_for(1s);
                if (!gameOver) pad.click(SDL_CONTROLLER_BUTTON_START);  // EXIT
            }
            pad.detach();
        }
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);  // nothing to close once the game has ended by itself
    });
    int status = -1;
    {
        CMainFrame frame;
        EXPECT_TRUE(frame.initialised());
        gameWindow = &frame;
        if (frame.initialised()) status = backend->run([] { CThread().Run(); });
        gameOver = true;
        gameWindow = nullptr;
    }
    player.join();
    ended = true;
    watch.join();
    platform::set(nullptr);
    backend.reset();
    fs::current_path(previous);

    EXPECT_EQ(status, 0);
    EXPECT_TRUE(attached && battleStarted && reattached);
    const std::string session = readFile(dir / "session.txt");
    std::string buttons;  // the session without its pointer moves
    for (std::size_t at = 0, end; (end = session.find('\n', at)) != std::string::npos; at = end + 1)
        if (session.find(" move ", at) > end) buttons += session.substr(at, end + 1 - at);
    for (const char* line : {" key RETURN\n", " press left\n", " release left\n", " key ESCAPE\n", " key Y\n"})
        EXPECT_TRUE(e2e::has(buttons, line)) << line << " in\n" << buttons;
    EXPECT_TRUE(std::regex_search(session, std::regex("\n\\d+ move 145 5\n"))) << "the right stick looked up";
    EXPECT_FALSE(e2e::has(buttons, " quit\n")) << "the pad left the game by its menu\n" << buttons;

    const e2e::Result replay = play("session.txt");
    EXPECT_EQ(replay.status, 0) << replay.err;
    EXPECT_EQ(e2e::setups(replay.out), 1) << replay.out;
    EXPECT_GE(e2e::sound(replay.out, MISSILE_FLIGHT_SOUND), 1) << "the shot flew\n" << replay.out << buttons;
}

}  // namespace
