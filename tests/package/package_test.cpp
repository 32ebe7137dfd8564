// The Debian package, made by cpack from the build and unpacked with `dpkg -x` into a scratch root
// (test package.make): its control fields, files and metadata, and the unpacked game run from "/".
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../read_file.h"

namespace fs = std::filesystem;

namespace {

const std::string ID = RAMPARO_APP_ID;
const fs::path root = RAMPARO_BUILD_DIR "/test-package/root", usr = root / "usr";

// The output of a command run from "/", which must succeed.
std::string run(const std::string& command) {
    const fs::path out = fs::temp_directory_path() / ("ramparo_package_" + std::to_string(::getpid()) + ".txt");
    const int status = std::system(("(cd / && " + command + ") >'" + out.string() + "' 2>&1").c_str());
    const std::string text = readFile(out);
    EXPECT_EQ(status, 0) << command << "\n" << text;
    fs::remove(out);
    return text;
}
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(Package, ControlFieldsNameVersionAndDependencies) {
    const std::string arch = run("dpkg --print-architecture");
    const fs::path deb = root.parent_path() / ("ramparo_" RAMPARO_VERSION "_" + arch.substr(0, arch.find('\n')) + ".deb");
    ASSERT_TRUE(fs::is_regular_file(deb)) << deb << " not made (test package.make)";
    const std::string fields = run("dpkg-deb -f '" + deb.string() + "' Package Version Section Depends");
    // The dependencies are computed from the binary's libraries, plus the font the text is drawn with.
    for (const char* part : {"Package: ramparo\n", "Version: " RAMPARO_VERSION "\n", "Section: games\n",
                             "fonts-liberation2", "libsdl2-2.0-0", "libsdl2-mixer-2.0-0", "libsdl2-ttf-2.0-0",
                             "libsdl2-image-2.0-0", "libfontconfig1", "libstdc++6", "libc6"})
        EXPECT_TRUE(has(fields, part)) << part << " missing: " << fields;
}

TEST(Package, FilesWhereTheDesktopLooksForThem) {
    ASSERT_TRUE(fs::is_regular_file(usr / "bin/ramparo")) << "not unpacked";
    for (const char* file : {"mouse.spr", "small.spr", "smallf.spr", "it1.spr", "it2.spr", "it3.spr", "sound.sdf",
                             "level.frc", "game.ini", "icon.bmp"})
        EXPECT_EQ(readFile(usr / "share/ramparo" / file), readFile(fs::path(RAMPARO_BUILD_DATA_DIR) / file)) << file;
    const std::string desktop = readFile(usr / "share/applications" / (ID + ".desktop"));
    EXPECT_TRUE(has(desktop, "\nExec=ramparo\n") && has(desktop, "\nIcon=" + ID + "\n")) << desktop;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string dir = std::to_string(size) + "x" + std::to_string(size);
        const std::string png = readFile(usr / "share/icons/hicolor" / dir / "apps" / (ID + ".png"));
        ASSERT_GT(png.size(), 25u) << dir;
        const auto at = [&](std::size_t i) { return unsigned(static_cast<unsigned char>(png[i])); };
        EXPECT_EQ(png.substr(1, 3), "PNG") << dir;
        EXPECT_EQ(at(16) << 24 | at(17) << 16 | at(18) << 8 | at(19), unsigned(size)) << dir << " width";
        EXPECT_EQ(at(25), 6u) << dir << ": RGBA, so the rounded corners are transparent";
    }
    const std::string metainfo = readFile(usr / "share/metainfo" / (ID + ".metainfo.xml"));
    EXPECT_TRUE(has(metainfo, "<release version=\"" RAMPARO_VERSION "\"")) << metainfo;
    EXPECT_TRUE(has(metainfo, "<launchable type=\"desktop-id\">" + ID + ".desktop<")) << metainfo;
    EXPECT_TRUE(has(readFile(usr / "share/man/man6/ramparo.6"), "\"ramparo " RAMPARO_VERSION "\""));
    // The metadata, the desktop file and the icons agree with one another, as a software centre reads them.
    run("appstreamcli validate-tree --no-net --strict --explain '" + root.string() + "'");
}

TEST(Package, UnpackedGameRunsFromTheRootDirectory) {
    const std::string game = "'" + (usr / "bin/ramparo").string() + "'";
    EXPECT_EQ(run(game + " --version"), "ramparo " RAMPARO_VERSION "\n");
    const fs::path script = fs::temp_directory_path() / ("ramparo_package_" + std::to_string(::getpid()) + ".script");
    const std::string stats = script.string() + ".json";
    std::ofstream(script) << "30 key SPACE\n60 key SPACE\n110 click 320 300\n130 click 500 440\n"
                             "160 click 320 300\n190 click 200 440\n";
    run(game + " --headless --data '" + (usr / "share/ramparo").string() + "' --script '" + script.string() +
        "' --max-frames 420 --stats '" + stats + "'");
    EXPECT_TRUE(has(readFile(stats), "\"error_boxes\": []")) << readFile(stats);
    EXPECT_FALSE(has(readFile(stats), "\"setup_ms\": []")) << "the battle was set up";
    run(game + " --headless --max-frames 60 --stats '" + stats + "'");  // without --data: the data beside it
    EXPECT_TRUE(has(readFile(stats), "\"error_boxes\": []")) << readFile(stats);
    fs::remove(script);
    fs::remove(stats);
}
