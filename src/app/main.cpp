// Process start: the command line, the data directory and the backend; then the application's
// start-up hook creates the main window (which initialises the game) and the game thread runs.
#include <cstdio>
#include <cstdlib>
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
#include "platform/net/session.h"

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

// What a hosted game's joiners take over: everything that changes the game.
std::string hostedSettings(const platform::BackendOptions& options) {
    return recordedSettingsLines(settingsBytesInUse().value_or(std::vector<std::uint8_t>(4, 0)), turnTicks,
                                 computerSkills, assistEnabled) +
           "# pixel-format: " + (options.pixelFormat == 1 ? "555" : "565") + "\n";
}

// A joined machine plays with the host's settings, whatever its own say.
void takeHostSettings(const std::string& text, platform::BackendOptions& options) {
    std::vector<std::string> problems;
    const RecordedSettings recorded = parseRecordedSettings(text, problems);
    for (const std::string& problem : problems) std::fprintf(stderr, "ramparo: the host's settings: %s\n", problem.c_str());
    const ResolvedSettings host = resolve(recorded.settings);
    gameIniReplacement = recorded.gameIni;
    screenModeOverride = FROM_GAME_INI;
    weatherOverride = FROM_GAME_INI;
    turnTicks = host.turnTicks;
    computerSkills = host.computerSkills;
    assistEnabled = host.assist;
    options.pixelFormat = host.pixelFormat;
}

// Hosts or joins when the command line asks; false with a message when that cannot be done.
bool startOnlineGame(const CommandLine& line, platform::BackendOptions& options,
                     std::unique_ptr<platform::net::Session>& session) {
    if (!line.host && line.joinAddress.empty()) return true;
    namespace net = platform::net;
    const net::Identity identity = net::localIdentity(gameVersion());
    const std::uint16_t port = line.port != 0 ? line.port : net::DEFAULT_PORT;
    std::string error;
    if (line.host) {
        options.recordHeader = hostedSettings(options);
        // A headless host keeps the pace it is given; the window's is the display's 60 frames.
        const int pace = line.pace > 0 ? line.pace : 60;
        session = net::Session::host(port, identity, options.recordHeader, pace, error);
    } else {
        const char* user = std::getenv("USER");
        const std::string name = !line.name.empty() ? line.name : user ? user : "";
        session = net::Session::join(line.joinAddress, port, name, identity, error);
        if (session) {
            takeHostSettings(session->hostSettings(), options);
            options.recordHeader = session->hostSettings();
        }
    }
    if (!session) {
        std::fprintf(stderr, "ramparo: %s\n", error.c_str());
        return false;
    }
    options.session = session.get();
    return true;
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
    std::unique_ptr<platform::net::Session> session;
    if (!startOnlineGame(line, options, session)) return 1;
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
