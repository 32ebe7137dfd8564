// `cmake --install` into a fresh prefix: every file lands where a desktop expects it, and the
// installed game runs headless from the root directory on the installed data.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../read_file.h"

namespace fs = std::filesystem;

namespace {

int shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

class Install : public ::testing::Test {
protected:
    void SetUp() override {
        prefix = fs::temp_directory_path() / ("ramparo_install_" + std::to_string(::getpid()));
        fs::remove_all(prefix);
        const int status = shell("cmake --install '" RAMPARO_BUILD_DIR "' --prefix '" + prefix.string() + "' >'" +
                                 (prefix.string() + ".log") + "' 2>&1");
        ASSERT_EQ(status, 0) << readFile(prefix.string() + ".log");
    }
    void TearDown() override {
        fs::remove_all(prefix);
        fs::remove(prefix.string() + ".log");
    }

    // Runs the installed binary from "/" (never the build tree or the data directory).
    int game(const std::string& args, const fs::path& out) {
        return shell("cd / && '" + (prefix / "bin/ramparo").string() + "' " + args + " >'" + out.string() + "' 2>&1");
    }

    fs::path prefix;
};

}  // namespace

TEST_F(Install, EveryFileInItsPlace) {
    const std::string id = RAMPARO_APP_ID;
    for (const std::string& file : {std::string("bin/ramparo"), "share/applications/" + id + ".desktop",
                                   std::string("share/man/man6/ramparo.6"),
                                   "share/metainfo/" + id + ".metainfo.xml"})
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    for (const char* size : {"16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        EXPECT_EQ(readFile(prefix / "share/icons/hicolor" / size / "apps" / (id + ".png")).substr(1, 3), "PNG") << size;
    // Every file the game reads, each the same as the build's.
    for (const char* file : {"mouse.spr", "small.spr", "smallf.spr", "it1.spr", "it2.spr", "it3.spr", "sound.sdf",
                             "level.frc", "game.ini", "icon.bmp"}) {
        const fs::path installed = prefix / "share/ramparo" / file;
        ASSERT_TRUE(fs::is_regular_file(installed)) << file;
        EXPECT_EQ(readFile(installed), readFile(fs::path(RAMPARO_BUILD_DATA_DIR) / file)) << file;
    }
    EXPECT_FALSE(fs::exists(prefix / "share/ramparo/contact-sheet.png")) << "review sheets stay in the build tree";
    const std::string desktop = readFile(prefix / "share/applications" / (id + ".desktop"));
    EXPECT_NE(desktop.find("\nExec=ramparo\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nIcon=" + id + "\n"), std::string::npos);
}

// A computer-only battle is set up on the installed data: pictures, sounds, levels and settings load.
TEST_F(Install, InstalledGamePlaysABattleFromAnyDirectory) {
    const fs::path script = prefix / "battle.txt";
    std::ofstream(script) << "30 key SPACE\n60 key SPACE\n110 click 320 300\n130 click 500 440\n"
                             "160 click 320 300\n190 click 200 440\n";
    const fs::path stats = prefix / "stats.json";
    const fs::path log = prefix / "log.txt";
    const int status = game("--headless --data '" + (prefix / "share/ramparo").string() + "' --script '" +
                                script.string() + "' --max-frames 420 --stats '" + stats.string() + "'",
                            log);
    ASSERT_EQ(status, 0) << readFile(log);
    const std::string json = readFile(stats);
    EXPECT_NE(json.find("\"error_boxes\": []"), std::string::npos) << json;
    EXPECT_NE(json.find("\"setup_ms\": ["), std::string::npos) << json;
    EXPECT_EQ(json.find("\"setup_ms\": []"), std::string::npos) << "the battle was set up: " << json;
    EXPECT_EQ(json.find("\"sounds_played\": {}"), std::string::npos) << "the sounds were loaded: " << json;

    // Without --data it finds a data directory of its own.
    ASSERT_EQ(game("--headless --max-frames 60 --stats '" + stats.string() + "'", log), 0) << readFile(log);
    EXPECT_NE(readFile(stats).find("\"error_boxes\": []"), std::string::npos) << readFile(stats);
    ASSERT_EQ(game("--help", log), 0);
    EXPECT_NE(readFile(log).find("--record FILE"), std::string::npos);
}
