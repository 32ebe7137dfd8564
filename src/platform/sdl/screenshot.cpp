#include "platform/sdl/screenshot.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/png.h"

namespace fs = std::filesystem;

namespace platform::sdl {

namespace {

constexpr int MAX_COPIES = 999;  // same second; more would mean a stuck key, not a wish

std::string readText(const fs::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// The pictures folder, created when missing; $HOME when it cannot be; empty without a home.
fs::path picturesDirectory() {
    const char* home = environment("HOME");
    if (!home) return {};
    const char* configHome = environment("XDG_CONFIG_HOME");
    const fs::path config = configHome ? fs::path(configHome) : fs::path(home) / ".config";
    fs::path dir = picturesDirFromUserDirs(readText(config / "user-dirs.dirs"), home);
    if (dir.empty()) dir = fs::path(home) / "Pictures";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec) ? dir : fs::path(home);
}

}  // namespace

fs::path picturesDirFromUserDirs(std::string_view userDirs, const fs::path& home) {
    constexpr std::string_view KEY = "XDG_PICTURES_DIR=";
    fs::path found;
    std::istringstream lines{std::string(userDirs)};
    for (std::string line; std::getline(lines, line);) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, KEY.size(), KEY) != 0) continue;
        std::string value = line.substr(start + KEY.size());
        if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
        value = value.substr(1, value.size() - 2);
        if (value == "$HOME")
            found = home;
        else if (value.starts_with("$HOME/"))
            found = home / value.substr(6);
        else if (value.starts_with("/"))
            found = value;
        // Anything else the format does not allow; the last valid line counts, as in xdg-user-dir.
    }
    return found;
}

std::string screenshotFileName(const std::tm& when, int copy) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", when.tm_year + 1900, when.tm_mon + 1, when.tm_mday,
                  when.tm_hour, when.tm_min, when.tm_sec);
    std::string name = std::string("ramparo-") + stamp;
    if (copy >= 2) name += "-" + std::to_string(copy);
    return name + ".png";
}

fs::path createScreenshotFile(const fs::path& dir, const std::tm& when) {
    for (int copy = 1; copy <= MAX_COPIES; ++copy) {
        const fs::path path = dir / screenshotFileName(when, copy);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

fs::path saveScreenshot(PixelView picture, int pixelFormat, std::string& error) {
    const fs::path dir = picturesDirectory();
    if (dir.empty()) {
        error = "no home directory to save the screenshot in";
        return {};
    }
    const std::time_t now = std::time(nullptr);
    std::tm when{};
    localtime_r(&now, &when);
    const fs::path path = createScreenshotFile(dir, when);
    if (path.empty()) {
        error = "cannot create a screenshot file in " + dir.string();
        return {};
    }
    // The name is ours now; the PNG writer fills the empty file.
    if (!savePng(path.string(), picture, pixelFormat)) {
        std::error_code ec;
        fs::remove(path, ec);
        error = "cannot write the screenshot " + path.string();
        return {};
    }
    return path;
}

}  // namespace platform::sdl
