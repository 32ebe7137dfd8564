// Process start: the command line, the data directory and the backend; then the application's
// start-up hook creates the main window (which initialises the game) and the game thread runs.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/game_thread.h"
#include "app/main_frame.h"
#include "audio/sound_system.h"
#include "core/config_file.h"
#include "core/settings.h"
#include "platform/backends.h"

namespace {

class CGameApp {
public:
    // Creates the main window and, once the game is initialised, runs the game thread to its end.
    int InitInstance() {
        CMainFrame frame;
        if (!frame.initialised()) return 1;
        gameWindow = &frame;
        return platform::get().run([] { CThread().Run(); });
    }
};

// Files named on the command line are relative to where the program was started, not to the
// data directory it changes into.
void makeAbsolute(std::string& file) {
    if (!file.empty() && file != "-") file = std::filesystem::absolute(file).string();
}

// The layers of settings: the command line, the settings file (in a window the usual one, headless
// only one named with --config), a replayed script's recorded settings. Sets the backend's options
// and the game's settings; each problem goes to standard error and leaves its key to the layers below.
void chooseSettings(const CommandLine& line, platform::BackendOptions& options) {
    std::vector<std::string> problems;
    PlayerSettings file;
    if (!line.configFile.empty())
        file = readSettingsFile(line.configFile, true, problems);
    else if (const std::string path = defaultSettingsPath(); !line.headless && !path.empty())
        file = readSettingsFile(path, false, problems);
    RecordedSettings recorded;
    if (!options.scriptFile.empty()) {
        // The recorded settings are the script's first lines.
        std::ifstream script(options.scriptFile, std::ios::binary);
        std::string top(MAX_SETTINGS_FILE_BYTES, '\0');
        script.read(top.data(), static_cast<std::streamsize>(top.size()));
        top.resize(static_cast<std::size_t>(script.gcount()));
        recorded = parseRecordedSettings(top, problems);
    }
    for (const std::string& problem : problems) std::fprintf(stderr, "ramparo: %s\n", problem.c_str());

    const ResolvedSettings chosen = resolve(layered(line.settings, layered(file, recorded.settings)));
    gameIniReplacement = recorded.gameIni;
    options.windowed = !chosen.fullScreen;
    options.pixelFormat = chosen.pixelFormat;
    screenModeOverride = chosen.screenMode;
    weatherOverride = chosen.weather;
    turnTicks = chosen.turnTicks;
    volumePercent = chosen.volume;
    computerSkills = chosen.computerSkills;
    assistEnabled = chosen.assist;
    options.pads = chosen.pads;
    options.padDeadZone = chosen.padDeadZone;
    options.padSpeed = chosen.padSpeed;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    CommandLine line = parseCommandLine(args);
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(usageText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(versionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::PrintConfig:
            std::fputs(defaultSettingsText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "ramparo: %s\nTry 'ramparo --help' for the options.\n", line.error.c_str());
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    platform::BackendOptions& options = line.backend;
    makeAbsolute(options.scriptFile);
    makeAbsolute(options.statsFile);
    makeAbsolute(options.recordFile);
    makeAbsolute(line.configFile);
    chooseSettings(line, options);

    std::string error;
    if (!enterDataDirectory(line.dataDir, options.dataDir, error)) {
        std::fprintf(stderr, "ramparo: %s\n", error.c_str());
        return 1;
    }
    // A recording starts with the settings that change the game, read from the data directory.
    if (!options.recordFile.empty())
        options.recordHeader = recordedSettingsLines(settingsBytesInUse(), turnTicks, computerSkills, assistEnabled);
    std::unique_ptr<platform::Platform> backend = line.headless
                                                      ? platform::createHeadlessPlatform(options, &error)
                                                      : platform::createSdlPlatform(options, &error);
    if (!backend) {
        std::fprintf(stderr, "ramparo: %s\n", error.c_str());
        // Headless refuses only a bad script, a usage error; the window fails for want of a display.
        return line.headless ? 2 : 1;
    }
    platform::set(backend.get());
    soundSystem.attach(backend->audio());
    const int status = CGameApp().InitInstance();
    platform::set(nullptr);
    return status;
}
