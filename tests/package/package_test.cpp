// The Debian package, made by cpack from the build and unpacked with `dpkg -x` into a scratch root
// (test package.make): its control fields, files and metadata, and the unpacked game run from "/".
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

const std::string ID = RAMPARO_APP_ID;

// Runs a shell command with its output in `out`; returns its exit status.
int shell(const std::string& command, const fs::path& out) {
    const int raw = std::system(("(" + command + ") >'" + out.string() + "' 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

class Package : public ::testing::Test {
protected:
    void SetUp() override {
        scratch = fs::temp_directory_path() / ("ramparo_package_" + std::to_string(::getpid()));
        fs::create_directories(scratch);
        std::string arch = run("dpkg --print-architecture");
        arch.erase(arch.find_last_not_of('\n') + 1);
        deb = fs::path(RAMPARO_BUILD_DIR "/test-package") / ("ramparo_" RAMPARO_VERSION "_" + arch + ".deb");
        ASSERT_TRUE(fs::is_regular_file(deb)) << deb << " not made (test package.make)";
        ASSERT_TRUE(fs::is_directory(root() / "usr")) << "not unpacked";
    }
    void TearDown() override { fs::remove_all(scratch); }

    static fs::path root() { return RAMPARO_BUILD_DIR "/test-package/root"; }
    // Output of a command run from "/", which must succeed.
    std::string run(const std::string& command) {
        const fs::path out = scratch / "run.txt";
        EXPECT_EQ(shell("cd / && " + command, out), 0) << command << "\n" << readFile(out);
        return readFile(out);
    }

    fs::path scratch, deb;
};

}  // namespace

TEST_F(Package, ControlFieldsNameVersionAndDependencies) {
    const std::string fields = run("dpkg-deb -f '" + deb.string() + "' Package Version Section Depends");
    EXPECT_NE(fields.find("Package: ramparo\n"), std::string::npos) << fields;
    EXPECT_NE(fields.find("Version: " RAMPARO_VERSION "\n"), std::string::npos) << fields;
    EXPECT_NE(fields.find("Section: games\n"), std::string::npos) << fields;
    // Computed from the binary's libraries, plus the font the text is drawn with.
    for (const char* dependency : {"fonts-liberation2", "libsdl2-2.0-0", "libsdl2-mixer-2.0-0", "libsdl2-ttf-2.0-0",
                                   "libsdl2-image-2.0-0", "libfontconfig1", "libstdc++6", "libc6"})
        EXPECT_NE(fields.find(dependency), std::string::npos) << dependency << " missing: " << fields;
}

TEST_F(Package, FilesWhereTheDesktopLooksForThem) {
    const fs::path usr = root() / "usr";
    EXPECT_TRUE(fs::is_regular_file(usr / "bin/ramparo"));
    for (const char* file : {"mouse.spr", "small.spr", "smallf.spr", "it1.spr", "it2.spr", "it3.spr", "sound.sdf",
                             "level.frc", "game.ini", "icon.bmp"})
        EXPECT_EQ(readFile(usr / "share/ramparo" / file), readFile(fs::path(RAMPARO_BUILD_DATA_DIR) / file)) << file;
    const std::string desktop = readFile(usr / "share/applications" / (ID + ".desktop"));
    EXPECT_NE(desktop.find("\nExec=ramparo\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nIcon=" + ID + "\n"), std::string::npos) << desktop;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string dir = std::to_string(size) + "x" + std::to_string(size);
        const std::string png = readFile(usr / "share/icons/hicolor" / dir / "apps" / (ID + ".png"));
        ASSERT_GT(png.size(), 24u) << dir;
        EXPECT_EQ(png.substr(1, 3), "PNG") << dir;
        const auto at = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(png[i])); };
        EXPECT_EQ(at(16) << 24 | at(17) << 16 | at(18) << 8 | at(19), static_cast<unsigned>(size)) << dir << " width";
        EXPECT_EQ(at(25), 6u) << dir << ": RGBA, so the rounded corners are transparent";
    }
    const std::string metainfo = readFile(usr / "share/metainfo" / (ID + ".metainfo.xml"));
    EXPECT_NE(metainfo.find("<release version=\"" RAMPARO_VERSION "\""), std::string::npos) << metainfo;
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" + ID + ".desktop<"), std::string::npos) << metainfo;
    EXPECT_NE(readFile(usr / "share/man/man6/ramparo.6").find("\"ramparo " RAMPARO_VERSION "\""), std::string::npos);
    // The metadata, the desktop file and the icons agree with one another, as a software centre reads them.
    run("appstreamcli validate-tree --no-net --strict --explain '" + root().string() + "'");
}

TEST_F(Package, UnpackedGameRunsFromTheRootDirectory) {
    const std::string game = (root() / "usr/bin/ramparo").string();
    EXPECT_EQ(run("'" + game + "' --version"), "ramparo " RAMPARO_VERSION "\n");
    const fs::path script = scratch / "battle.txt";
    std::ofstream(script) << "30 key SPACE\n60 key SPACE\n110 click 320 300\n130 click 500 440\n"
                             "160 click 320 300\n190 click 200 440\n";
    const std::string stats = (scratch / "stats.json").string();
    run("'" + game + "' --headless --data '" + (root() / "usr/share/ramparo").string() + "' --script '" +
        script.string() + "' --max-frames 420 --stats '" + stats + "'");
    EXPECT_NE(readFile(stats).find("\"error_boxes\": []"), std::string::npos) << readFile(stats);
    EXPECT_EQ(readFile(stats).find("\"setup_ms\": []"), std::string::npos) << "the battle was set up";
    // Without --data it takes the data beside its binary.
    run("'" + game + "' --headless --max-frames 60 --stats '" + stats + "'");
    EXPECT_NE(readFile(stats).find("\"error_boxes\": []"), std::string::npos) << readFile(stats);
}
