// Keys, buttons and the pointer as the window backend hands them to the game, and the script
// lines that record them.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include "platform/sdl/event_translate.h"
#include "platform/sdl/input_queue.h"
#include "platform/sdl/key_map.h"

using namespace platform;
using namespace platform::sdl;

namespace {

int vk(SDL_Keycode key, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN) { return virtualKeyFromSdl(key, scancode); }

SDL_Event keyDown(SDL_Keycode key, Uint16 mod = KMOD_NONE, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = mod;
    return event;
}

SDL_Event mouseButton(Uint8 button, bool pressed) {
    SDL_Event event{};
    event.type = pressed ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

}  // namespace

TEST(SdlKeyMap, LettersFollowTheLayoutCharacter) {
    EXPECT_EQ(vk(SDLK_a), 0x41);
    EXPECT_EQ(vk(SDLK_y), 0x59);
    EXPECT_EQ(vk(SDLK_n), 0x4E);
    EXPECT_EQ(vk(SDLK_z), 0x5A);
    // AZERTY: the key in QWERTY's Q position types 'a' and is VK 'A', as on Windows.
    EXPECT_EQ(vk(SDLK_a, SDL_SCANCODE_Q), 0x41);
}

TEST(SdlKeyMap, DigitRowIsADigitOnEveryLayout) {
    EXPECT_EQ(vk(SDLK_0), 0x30);
    EXPECT_EQ(vk(SDLK_1), 0x31);
    EXPECT_EQ(vk(SDLK_9), 0x39);
    // AZERTY types '&' on the key of "1" and 'a' grave on "0"; the weapon keys still work.
    EXPECT_EQ(vk(SDLK_AMPERSAND, SDL_SCANCODE_1), 0x31);
    EXPECT_EQ(vk(0xE0, SDL_SCANCODE_0), 0x30);
    EXPECT_EQ(vk(SDLK_7, SDL_SCANCODE_7), 0x37);
}

TEST(SdlKeyMap, KeypadDigitsAreNotWeaponKeys) {
    EXPECT_EQ(vk(SDLK_KP_0), 0x60);
    EXPECT_EQ(vk(SDLK_KP_1), 0x61);
    EXPECT_EQ(vk(SDLK_KP_9), 0x69);
    EXPECT_EQ(vk(SDLK_KP_ENTER), 0x0D);
}

TEST(SdlKeyMap, FixedKeys) {
    EXPECT_EQ(vk(SDLK_ESCAPE), 0x1B);
    EXPECT_EQ(vk(SDLK_SPACE), 0x20);
    EXPECT_EQ(vk(SDLK_BACKSPACE), 0x08);
    EXPECT_EQ(vk(SDLK_RETURN), 0x0D);
    EXPECT_EQ(vk(SDLK_TAB), 0x09);
    EXPECT_EQ(vk(SDLK_LEFT), 0x25);
    EXPECT_EQ(vk(SDLK_UP), 0x26);
    EXPECT_EQ(vk(SDLK_RIGHT), 0x27);
    EXPECT_EQ(vk(SDLK_DOWN), 0x28);
    EXPECT_EQ(vk(SDLK_LSHIFT), 0x10);
    EXPECT_EQ(vk(SDLK_RSHIFT), 0x10);
    EXPECT_EQ(vk(SDLK_LCTRL), 0x11);
    EXPECT_EQ(vk(SDLK_RCTRL), 0x11);
    EXPECT_EQ(vk(SDLK_F1), 0x70);
    EXPECT_EQ(vk(SDLK_F12), 0x7B);
}

TEST(SdlKeyMap, KeysTheGameNeverSeesAreZero) {
    EXPECT_EQ(vk(SDLK_LALT), 0);
    EXPECT_EQ(vk(SDLK_LGUI), 0);
    EXPECT_EQ(vk(SDLK_CAPSLOCK), 0);
    EXPECT_EQ(vk(SDLK_F13), 0);
    EXPECT_EQ(vk(SDLK_UNKNOWN), 0);
}

TEST(SdlEvents, KeysReachTheGameIncludingRepeats) {
    SDL_Event press = keyDown(SDLK_y);
    WindowAction action = translateEvent(press);
    ASSERT_EQ(action.kind, WindowAction::Kind::Input);
    EXPECT_EQ(action.input.kind, InputEvent::Kind::Key);
    EXPECT_EQ(action.input.virtualKey, 0x59);

    press.key.repeat = 1;
    action = translateEvent(press);
    ASSERT_EQ(action.kind, WindowAction::Kind::Input);
    EXPECT_EQ(action.input.virtualKey, 0x59);

    // Shift and Ctrl combinations still reach the game, as WM_KEYDOWN does.
    EXPECT_EQ(translateEvent(keyDown(SDLK_n, KMOD_LSHIFT)).kind, WindowAction::Kind::Input);
    EXPECT_EQ(translateEvent(keyDown(SDLK_n, KMOD_RCTRL)).kind, WindowAction::Kind::Input);
}

TEST(SdlEvents, AltCombinationsBelongToTheWindow) {
    EXPECT_EQ(translateEvent(keyDown(SDLK_RETURN, KMOD_LALT)).kind, WindowAction::Kind::ToggleFullscreen);
    EXPECT_EQ(translateEvent(keyDown(SDLK_KP_ENTER, KMOD_RALT)).kind, WindowAction::Kind::ToggleFullscreen);
    EXPECT_EQ(translateEvent(keyDown(SDLK_1, KMOD_LALT, SDL_SCANCODE_1)).kind, WindowAction::Kind::None);
    EXPECT_EQ(translateEvent(keyDown(SDLK_TAB, KMOD_LALT)).kind, WindowAction::Kind::None);
    // Holding Alt+Enter toggles once, not once per repeat.
    SDL_Event held = keyDown(SDLK_RETURN, KMOD_LALT);
    held.key.repeat = 1;
    EXPECT_EQ(translateEvent(held).kind, WindowAction::Kind::None);
    // A key the game never sees is no input at all.
    EXPECT_EQ(translateEvent(keyDown(SDLK_CAPSLOCK)).kind, WindowAction::Kind::None);
}

TEST(SdlEvents, LeftAndRightButtonsOnly) {
    WindowAction action = translateEvent(mouseButton(SDL_BUTTON_LEFT, true));
    ASSERT_EQ(action.kind, WindowAction::Kind::Input);
    EXPECT_EQ(action.input.kind, InputEvent::Kind::Button);
    EXPECT_EQ(action.input.button, MouseButton::Left);
    EXPECT_TRUE(action.input.pressed);

    action = translateEvent(mouseButton(SDL_BUTTON_RIGHT, false));
    ASSERT_EQ(action.kind, WindowAction::Kind::Input);
    EXPECT_EQ(action.input.button, MouseButton::Right);
    EXPECT_FALSE(action.input.pressed);

    EXPECT_EQ(translateEvent(mouseButton(SDL_BUTTON_MIDDLE, true)).kind, WindowAction::Kind::None);
    EXPECT_EQ(translateEvent(mouseButton(SDL_BUTTON_X1, true)).kind, WindowAction::Kind::None);
}

TEST(SdlEvents, WindowEvents) {
    SDL_Event event{};
    event.type = SDL_QUIT;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::Quit);
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::Quit);
    event.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::Redraw);
    event.type = SDL_RENDER_TARGETS_RESET;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::ResetTexture);
    event.type = SDL_RENDER_DEVICE_RESET;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::ResetTexture);
    event.type = SDL_MOUSEMOTION;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::PointerMoved);
    event.type = SDL_KEYUP;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::None);
}

TEST(SdlPointer, ClampedToTheClipRectangleRightAndBottomExclusive) {
    const Rect clip{5, 5, 635, 475};
    EXPECT_EQ(clampToClip({0, 0}, clip).x, 5);
    EXPECT_EQ(clampToClip({0, 0}, clip).y, 5);
    EXPECT_EQ(clampToClip({640, 480}, clip).x, 634);
    EXPECT_EQ(clampToClip({640, 480}, clip).y, 474);
    EXPECT_EQ(clampToClip({-30, 200}, clip).x, 5);
    EXPECT_EQ(clampToClip({300, 200}, clip).x, 300);
    EXPECT_EQ(clampToClip({300, 200}, clip).y, 200);
    // An empty rectangle pins the pointer instead of producing a position outside it.
    EXPECT_EQ(clampToClip({300, 200}, Rect{10, 20, 10, 20}).x, 10);
    EXPECT_EQ(clampToClip({300, 200}, Rect{10, 20, 10, 20}).y, 20);
}

TEST(SdlRecording, ScriptLinesUseTheParsersKeyNames) {
    EXPECT_EQ(scriptLine(0, InputEvent::key(0x59)), "0 key Y");
    EXPECT_EQ(scriptLine(12, InputEvent::key('7')), "12 key 7");
    EXPECT_EQ(scriptLine(3, InputEvent::key(0x20)), "3 key SPACE");
    EXPECT_EQ(scriptLine(3, InputEvent::key(0x1B)), "3 key ESCAPE");
    EXPECT_EQ(scriptLine(3, InputEvent::key(0x08)), "3 key BACKSPACE");
    EXPECT_EQ(scriptLine(3, InputEvent::key(0x0D)), "3 key RETURN");
    EXPECT_EQ(scriptLine(3, InputEvent::key(0x25)), "3 key 0x25");
    EXPECT_EQ(scriptLine(3, InputEvent::key(0x7B)), "3 key 0x7B");
    EXPECT_EQ(scriptLine(40, InputEvent::mouse(MouseButton::Left, true)), "40 press left");
    EXPECT_EQ(scriptLine(41, InputEvent::mouse(MouseButton::Right, false)), "41 release right");
    EXPECT_EQ(scriptLine(1234567, InputEvent::move({320, 5})), "1234567 move 320 5");
}

TEST(SdlInputQueue, KeepsOrderAndTheLatestPointer) {
    InputQueue queue;
    queue.push(InputEvent::key('A'));
    queue.movePointer({10, 20});
    queue.push(InputEvent::mouse(MouseButton::Left, true));
    queue.movePointer({30, 40});
    std::vector<InputEvent> events;
    Point pointer;
    queue.take(events, pointer);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].virtualKey, 'A');
    EXPECT_EQ(events[1].kind, InputEvent::Kind::Button);
    EXPECT_EQ(pointer.x, 30);
    EXPECT_EQ(pointer.y, 40);
    // Taken events are gone; the pointer stays where it was.
    queue.take(events, pointer);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(pointer.x, 30);
}
