// The one interface between the game and the machine it runs on.
//
// Two backends implement it: SDL2 (a real window, sound and input) and headless (virtual time,
// scripted input, no window and no sound device). Game code includes this header and never SDL.
//
// Threads: the window thread is the process's main thread; the game thread runs the game flow.
// Unless a member says otherwise it is called from the game thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

class AudioDevice;
class FontRenderer;

// A 16-bit picture handed to the display: `pitch` is in pixels.
struct PixelView {
    const std::uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Right and bottom exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

enum class MouseButton { Left, Right };

// The Escape key's virtual-key code: online, a joined machine keeps it to itself.
constexpr int ESCAPE_KEY = 0x1B;

// Receives the keyboard and mouse buttons. The backends deliver every event on the game thread at
// its next wait point (a present or a sleep), in the order the events happened: this is what makes
// a recorded game replay exactly.
class InputHandler {
public:
    virtual ~InputHandler() = default;
    // Windows virtual-key code: letters and digits by their character ('A'..'Z', '0'..'9'),
    // 0x1B Escape, 0x20 Space, 0x08 Backspace, 0x0D Return, arrows 0x25..0x28, ...
    virtual void onKeyDown(int virtualKey) = 0;
    virtual void onMouseButton(MouseButton button, bool pressed) = 0;

    // What a gamepad's buttons mean depends on what the game asks, so the window backend asks here
    // when a pad button arrives; the pad then produces ordinary keys. The digit key that chooses the
    // previous (direction -1) or next (+1) weapon the player on turn can choose, 0 when none:
    virtual int weaponStepKey(int direction) {
        (void)direction;
        return 0;
    }
    // A yes/no question waits for its answer ("are you sure"):
    virtual bool yesNoAsked() { return false; }

    // --- Online games ---
    // Whose input the game takes now: 0, the host's (and all input of a game at one machine), or
    // the joined machine whose player is being played. The backends hand over no one else's.
    virtual int actingPeer() { return 0; }
    // Machines may join now (the menu and the set-up).
    virtual bool joinable() { return false; }
    virtual void onPeerJoined(int peer, std::string_view name) {
        (void)peer;
        (void)name;
    }
    virtual void onPeerLeft(int peer) { (void)peer; }
};

// How opening the display went; each failure has its own message in the display code.
enum class DisplayStatus {
    Ok,
    NoDisplay,        // no window system at all
    WindowFailed,     // the window could not be created
    RendererFailed,   // no renderer for the window
    TextureFailed,    // no streaming texture for the frame
};

// Thrown at a wait point when the run must end: the window was closed, the headless run reached
// --max-frames or its script said quit. The game thread lets it unwind to its entry point.
struct QuitRequested : std::exception {
    const char* what() const noexcept override { return "quit requested"; }
};

// Thrown at a wait point when an online game has ended under the game (the host left, the
// machines went out of step): the game says why and goes back to its menu, now played alone.
struct SessionEnded : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Platform {
public:
    virtual ~Platform() = default;

    // --- Display (game thread) ---
    virtual DisplayStatus openDisplay(int width, int height) = 0;
    // Red, green and blue masks of the display's 16-bit layout (5-6-5 unless forced to 5-5-5).
    virtual std::uint32_t redMask() const = 0;
    virtual std::uint32_t greenMask() const = 0;
    virtual std::uint32_t blueMask() const = 0;
    // Shows the frame and paces the caller to the display (about 60 frames a second; headless:
    // advances virtual time by one 60 Hz frame). A wait point. May be called from the window thread
    // by the timer handler, which then shows the frame without pacing.
    virtual void present(PixelView frame, bool waitVerticalBlank) = 0;
    // True once after the backend lost its display resources (device reset, simulated loss); the
    // game then rebuilds what it keeps in "video memory".
    virtual bool takeSurfaceLoss() = 0;
    // Rebuilds the backend's own display resources after a loss; false while that is not possible yet.
    virtual bool restoreDisplay() = 0;
    virtual void clipCursor(Rect rect) = 0;

    // --- Input and time (game thread) ---
    virtual void setInputHandler(InputHandler* handler) = 0;
    // The pointer in game pixels, as of the last wait point.
    virtual Point cursorPosition() = 0;
    // Puts the pointer at a point in game pixels (kept inside the clip rectangle): cursorPosition
    // reports it at once. A recorded session writes it as a move line.
    virtual void movePointer(Point position) = 0;
    // A wait point: real milliseconds in a window, virtual time headless.
    virtual void sleep(int milliseconds) = 0;
    // Calls handler on the window thread every periodMs while the game runs; false if no timer
    // can be had. Headless never fires it.
    virtual bool startTimer(int periodMs, std::function<void()> handler) = 0;

    // --- Messages (game thread) ---
    // A modal box with an OK button: in a window, shown by the window thread while the game thread
    // waits; headless, one line on standard error, counted in the statistics. A null caption shows
    // the application's name as the title.
    virtual void errorBox(std::string_view text, const char* caption) = 0;

    // --- Services ---
    virtual AudioDevice& audio() = 0;
    virtual FontRenderer& font() = 0;

    // --- Statistics of a run (headless --stats; ignored elsewhere) ---
    virtual void noteBattleSetup(double milliseconds) { (void)milliseconds; }
    // `winner`: the player slot left standing, -1 when none is.
    virtual void noteBattleFinished(int winner) { (void)winner; }

    // Runs the game: starts the game thread with gameMain and runs the window loop on the calling
    // thread until the game thread has ended or the window is closed. Returns the exit status.
    virtual int run(std::function<void()> gameMain) = 0;
    // The game flow has ended: the window closes and the process exits.
    virtual void shutdown() = 0;
};

// The backend of this run, set once by main before the game thread starts.
Platform& get();
void set(Platform* backend);

}  // namespace platform
