// F12: the picture on screen as a PNG in the user's pictures folder. Never into the data
// directory, never over an existing file.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace platform::sdl {

// XDG_PICTURES_DIR of a user-dirs.dirs file ("$HOME/..." or an absolute path); empty when the
// file does not name one.
std::filesystem::path picturesDirFromUserDirs(std::string_view userDirs, const std::filesystem::path& home);

// "ramparo-YYYYMMDD-HHMMSS.png" for copy 1, "ramparo-YYYYMMDD-HHMMSS-N.png" for copy N >= 2.
std::string screenshotFileName(const std::tm& when, int copy);

// Creates the first free name of `when` in dir (exclusively, so an existing file is never touched)
// and returns its path; empty when none can be created.
std::filesystem::path createScreenshotFile(const std::filesystem::path& dir, const std::tm& when);

// Writes the picture; the path written, or empty with the reason in error.
std::filesystem::path saveScreenshot(PixelView picture, int pixelFormat, std::string& error);

}  // namespace platform::sdl
