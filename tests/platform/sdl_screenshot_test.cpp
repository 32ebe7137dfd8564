// F12 screenshots (folder, names, never overwriting) and the window's return from being away.
#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL2/SDL.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../read_file.h"
#include "platform/sdl/event_translate.h"
#include "platform/sdl/screenshot.h"

using namespace platform::sdl;
namespace fs = std::filesystem;

namespace {

std::tm at(int year, int month, int day, int hour, int minute, int second) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    return when;
}

SDL_Event windowEvent(Uint8 what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

}  // namespace

TEST(Screenshot, NamesCarryTheLocalTimeAndACopyNumber) {
    const std::tm when = at(2026, 1, 5, 7, 8, 9);
    EXPECT_EQ(screenshotFileName(when, 1), "ramparo-20260105-070809.png");
    EXPECT_EQ(screenshotFileName(when, 2), "ramparo-20260105-070809-2.png");
    EXPECT_EQ(screenshotFileName(at(1999, 12, 31, 23, 59, 60), 12), "ramparo-19991231-235960-12.png");
}

TEST(Screenshot, PicturesFolderFromUserDirs) {
    const fs::path home = "/home/ana";
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", home), "/home/ana/Bilder");
    EXPECT_EQ(picturesDirFromUserDirs("# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                      "XDG_PICTURES_DIR=\"/srv/shots\"\n",
                                      home),
              "/srv/shots");
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME\"\n", home), home) << "a disabled folder is $HOME";
    // Not allowed by the format, or not there at all: the caller falls back to ~/Pictures.
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"Pictures\"\n", home), fs::path());
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=$HOME/Pictures\n", home), fs::path());
    EXPECT_EQ(picturesDirFromUserDirs("#XDG_PICTURES_DIR=\"/x\"\n", home), fs::path());
    EXPECT_EQ(picturesDirFromUserDirs("", home), fs::path());
}

TEST(Screenshot, NeverOverwritesAnExistingFile) {
    const fs::path dir = fs::temp_directory_path() / ("ramparo_shots_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::tm when = at(2026, 12, 6, 18, 30, 0);
    std::ofstream(dir / "ramparo-20261206-183000.png") << "first";
    std::ofstream(dir / "ramparo-20261206-183000-3.png") << "third";

    EXPECT_EQ(createScreenshotFile(dir, when), dir / "ramparo-20261206-183000-2.png");
    EXPECT_EQ(createScreenshotFile(dir, when), dir / "ramparo-20261206-183000-4.png");
    EXPECT_EQ(readFile(dir / "ramparo-20261206-183000.png"), "first");
    EXPECT_EQ(readFile(dir / "ramparo-20261206-183000-3.png"), "third");
    EXPECT_EQ(createScreenshotFile(dir / "missing", when), fs::path()) << "no folder, no file";
    fs::remove_all(dir);
}

TEST(WindowKeys, F12BelongsToTheWindowOncePerPress) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_F12;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::Screenshot);
    event.key.repeat = 1;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::None);
    event.key.repeat = 0;
    event.key.keysym.sym = SDLK_F11;
    EXPECT_EQ(translateEvent(event).kind, WindowAction::Kind::Input) << "the other function keys still reach the game";
}

TEST(WindowReturn, MinimisedOrFullScreenFocusLossComesBackAsASurfaceLoss) {
    const WindowAction::Kind minimised = translateEvent(windowEvent(SDL_WINDOWEVENT_MINIMIZED)).kind;
    const WindowAction::Kind focusLost = translateEvent(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST)).kind;
    const WindowAction::Kind restored = translateEvent(windowEvent(SDL_WINDOWEVENT_RESTORED)).kind;
    const WindowAction::Kind focused = translateEvent(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)).kind;
    EXPECT_EQ(minimised, WindowAction::Kind::Minimised);
    EXPECT_EQ(focusLost, WindowAction::Kind::FocusLost);
    EXPECT_EQ(restored, WindowAction::Kind::Returned);
    EXPECT_EQ(focused, WindowAction::Kind::Returned);

    AwayWatch watch;
    // Minimised, then restored and focused: one loss, on the first sign of return.
    EXPECT_FALSE(watch.returnsFromAway(minimised, false));
    EXPECT_TRUE(watch.returnsFromAway(restored, false));
    EXPECT_FALSE(watch.returnsFromAway(focused, false));
    // Alt+Tab away from full screen and back.
    EXPECT_FALSE(watch.returnsFromAway(focusLost, true));
    EXPECT_TRUE(watch.returnsFromAway(focused, true));
    // A window that only lost focus keeps its picture.
    EXPECT_FALSE(watch.returnsFromAway(focusLost, false));
    EXPECT_FALSE(watch.returnsFromAway(focused, false));
    // Focus lost in full screen, then the window left full screen before it came back: still away.
    EXPECT_FALSE(watch.returnsFromAway(focusLost, true));
    EXPECT_TRUE(watch.returnsFromAway(focused, false));
}
