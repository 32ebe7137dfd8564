// A window in an online game (under xvfb-run; skipped without a display): a headless host plays
// the set-up and part of a battle of two computers while a window joined to it watches. Nothing
// here can drive a window's pointer, so the window only watches; that it stays in step is the
// host's own check of the frame hashes every machine sends it every second.
#include <regex>
#include <sstream>

#include "game_binary.h"

using namespace e2e;

namespace {

// The input lines of a recording: no settings, comments or end.
std::string eventLines(const std::string& recording) {
    std::istringstream lines(recording);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("#") && !has(line, " quit")) kept += line + '\n';
    return kept;
}

}  // namespace

class OnlineWindow : public GameBinary {};

TEST_F(OnlineWindow, AWatchingWindowStaysInStepWithAHeadlessHost) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display";
    write("host.txt",
          "# game.ini: 01 01 00 01\n# turn-time: 2\n"
          "30 key SPACE\n62 key SPACE\n"
          "200 click 310 300\n230 click 500 440\n290 click 310 300\n"  // two computers
          "320 click 200 440\n1200 quit\n");
    const std::string game = "'" RAMPARO_BUILD_DIR "/ramparo' --data data ", port = std::to_string(testPorts());
    // The window is closed once the host has gone: it then shows that, in a box nobody closes.
    const std::string session =
        "export HOME=\"$PWD\" XDG_CONFIG_HOME=\"$PWD\" SDL_AUDIODRIVER=dummy; "
        "(" + game + "--headless --host " + port + " --pace " + std::to_string(120 / SLOWDOWN) + " --script host.txt --stats host.json --record host.rec "
        ">host.out 2>host.err &); sleep 0.5; " +
        game + "--window --join 127.0.0.1:" + port + " --name watcher --record window.rec >window.out 2>window.err & "
        "w=$!; for i in $(seq " + std::to_string(900 * SLOWDOWN) + "); do [ -s host.json ] && break; sleep 0.1; done; sleep 2; kill -9 $w; wait $w";
    std::system(("cd '" + dir.string() + "' && bash -c '" + std::regex_replace(session, std::regex("'"), "'\\''") + "'").c_str());

    const std::string host = readFile(dir / "host.json");
    EXPECT_GT(stat(host, "frames"), 1000) << host;
    EXPECT_TRUE(has(host, "\"peers\": 1")) << host;
    EXPECT_TRUE(has(host, "\"error_boxes\": []")) << host;
    EXPECT_TRUE(has(readFile(dir / "host.err"), "WATCHER joined"));
    const std::string window = readFile(dir / "window.err");
    EXPECT_TRUE(has(window, "The host has left the game.")) << window;
    EXPECT_FALSE(has(window, "out of step")) << window;
    // The window got the whole stream, join included, and recorded it as the host did.
    const std::string stream = eventLines(readFile(dir / "host.rec"));
    EXPECT_TRUE(has(stream, "join 1 WATCHER"));
    EXPECT_EQ(eventLines(readFile(dir / "window.rec")), stream);
}
