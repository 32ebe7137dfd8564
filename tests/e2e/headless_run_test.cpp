// Runs the real game binary headless, as CI and a player's replay would.
#include "game_binary.h"

using namespace e2e;

TEST_F(GameBinary, MaxFramesEndsTheRunWithStatistics) {
    const Result r = run("--headless --data data --max-frames 600 --stats -");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"exit\": \"max-frames\"")) << r.out;
    EXPECT_TRUE(has(r.out, "\"error_boxes\": [\"no open game.ini\"]")) << r.out;
    EXPECT_TRUE(has(r.out, "\"sounds_played\": {}"));
    EXPECT_TRUE(has(r.out, "\"frame_ms_p50\": "));
    EXPECT_TRUE(has(r.out, "\"frame_ms_p99\": "));
    EXPECT_TRUE(has(r.out, "\"setup_ms\": []"));
    // The start-up picture takes five presents; waiting for the first input presents nothing.
    EXPECT_TRUE(has(r.out, "\"frames\": 5,")) << r.out;
    EXPECT_TRUE(has(r.err, "Ramparo: no open game.ini\n")) << r.err;
}

TEST_F(GameBinary, ScriptedSessionIsDeterministicAndShowsItsFrames) {
    writeIni({1, 1, 0, 0});
    writeScript("play.txt",
                "10 key A              # during start-up: thrown away\n"
                "30 screenshot a.png\n"
                "40 click 320 240       # ends the wait\n"
                "50 move 100 175        # onto NEW GAME\n"
                "55 lose-surfaces\n"
                "60 screenshot b.png\n"
                "70 click 2000 -5       # clamped into the screen, on no item\n"
                "80 key ESCAPE\n");
    const std::string args = "--headless --data data --pixel-format 555 --script play.txt --stats stats.json";
    const Result first = run(args);
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string stats = readFile(dir / "stats.json");
    EXPECT_TRUE(has(stats, "\"exit\": \"game-exit\"")) << stats;
    EXPECT_TRUE(has(stats, "\"error_boxes\": []")) << stats;
    EXPECT_TRUE(has(stats, "\"sounds_played\": {\"17\": 1}")) << "the hover; a click on no item is silent\n"
                                                              << stats;

    // The start-up picture on white, with the prompt under it (5-5-5 white is 0x7FFF).
    const std::vector<std::uint16_t> a = loadShot(dir / "a.png", 1);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(at(a, 0, 0), 0x7FFF);
    EXPECT_EQ(at(a, 639, 479), 0x7FFF);
    EXPECT_NE(at(a, 320, 240), 0x7FFF) << "the picture in the middle";
    EXPECT_NE(at(a, 320, 384), 0x7FFF) << "the prompt at four fifths of the height";
    // The menu: its background covers the screen, NEW GAME stands on its copies.
    const std::vector<std::uint16_t> b = loadShot(dir / "b.png", 1);
    ASSERT_FALSE(b.empty());
    EXPECT_NE(at(b, 0, 0), 0x7FFF);
    EXPECT_NE(at(b, 64 + 5, 160 + 45), at(a, 64 + 5, 160 + 45));

    fs::rename(dir / "a.png", dir / "a1.png");
    fs::rename(dir / "b.png", dir / "b1.png");
    const std::string firstStats = stats;
    ASSERT_EQ(run(args).status, 0);
    EXPECT_EQ(readFile(dir / "a.png"), readFile(dir / "a1.png")) << "same script, same frames";
    EXPECT_EQ(readFile(dir / "b.png"), readFile(dir / "b1.png"));
    const std::string again = readFile(dir / "stats.json");
    EXPECT_EQ(again.substr(0, again.find("\"frame_ms")), firstStats.substr(0, firstStats.find("\"frame_ms")));
}

TEST_F(GameBinary, MenuTitleScreenAndPlayerSetUp) {
    writeIni({1, 0, 0, 0});
    const Result r = runScript("menu_tour.txt", 1000);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"exit\": \"game-exit\"")) << r.out;
    EXPECT_TRUE(has(r.out, "\"error_boxes\": []")) << r.out;
    EXPECT_TRUE(has(r.out, "\"sounds_played\": {\"17\": 2, \"18\": 14}")) << r.out;

    const std::vector<std::uint16_t> menu = loadShot(dir / "menu.png", 2);
    const std::vector<std::uint16_t> title = loadShot(dir / "title.png", 2);
    const std::vector<std::uint16_t> first = loadShot(dir / "first.png", 2);
    const std::vector<std::uint16_t> second = loadShot(dir / "second.png", 2);
    const std::vector<std::uint16_t> again = loadShot(dir / "again.png", 2);
    ASSERT_FALSE(menu.empty() || title.empty() || first.empty() || second.empty() || again.empty());
    EXPECT_NE(menu, title);

    // The name line of the set-up screen (font height 18 in this mode): the first player's name
    // comes back as it was typed, and differs from the second player's.
    auto nameLine = [](const std::vector<std::uint16_t>& shot) {
        return std::vector<std::uint16_t>(shot.begin() + 160 * 640, shot.begin() + 200 * 640);
    };
    EXPECT_EQ(nameLine(again), nameLine(first));
    EXPECT_NE(nameLine(second), nameLine(first));
}

TEST_F(GameBinary, ScriptQuitEndsTheRun) {
    writeScript("quit.txt", "100 quit\n");
    const Result r = run("--headless --data data --script quit.txt --stats -");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(has(r.out, "\"exit\": \"quit\"")) << r.out;
}

TEST_F(GameBinary, MalformedScriptStopsBeforeAnythingRuns) {
    writeScript("bad.txt", "0 key A\n# fine\n7 wiggle\n");
    const Result r = run("--headless --data data --script bad.txt --stats -");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "line 3")) << r.err;
    EXPECT_TRUE(has(r.err, "wiggle"));
    EXPECT_FALSE(has(r.err, "game.ini")) << "nothing ran";
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(run("--headless --data data --script missing.txt").status, 2);
}

TEST_F(GameBinary, CommandLineAnswers) {
    Result r = run("--frobnicate");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "unknown option '--frobnicate'")) << r.err;
    r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(has(r.out, "--headless"));
    r = run("--data does-not-exist --headless --max-frames 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "does-not-exist")) << r.err;
}

TEST_F(GameBinary, NoDisplayWithoutHeadlessIsAClearFailure) {
    const Result r = run("--data data", "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "display")) << r.err;
}

TEST_F(GameBinary, AScreenshotBeforeTheFirstPictureSaysSo) {
    writeScript("early.txt", "1 screenshot early.png\n");
    const Result r = run("--headless --data data --script early.txt --max-frames 10");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.err, "script line 1: no screenshot '")) << r.err;
    EXPECT_TRUE(has(r.err, "early.png': nothing has been presented yet at frame 1")) << r.err;
    EXPECT_FALSE(has(r.err, "cannot write")) << r.err;
    EXPECT_FALSE(fs::exists(dir / "early.png"));
}

// The text falls back to any bold sans face, and with no face at all the game says so and goes on.
TEST_F(GameBinary, FontFallsBackToAnyFaceAndWarnsOnceWithoutOne) {
    writeIni({1, 1, 0, 0});
    // The title screen: text only, over its background.
    writeScript("title.txt", "40 key SPACE\n50 click 100 225\n60 screenshot title.png\n");
    auto titleShot = [&] { return loadShot(dir / "title.png", 1); };
    auto withFonts = [&](const std::string& fontDir) {
        std::ofstream(dir / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << fontDir
                                          << "</dir><cachedir>" << (dir / "fc-cache").string()
                                          << "</cachedir></fontconfig>\n";
        return run("--headless --data data --script title.txt --max-frames 70",
                   "FONTCONFIG_FILE='" + (dir / "fonts.conf").string() + "'");
    };

    // Only a monospaced face: neither the Arial-like face nor the fallback, but still a face.
    fs::create_directories(dir / "fonts");
    fs::copy_file("/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf", dir / "fonts" / "mono.ttf");
    Result r = withFonts((dir / "fonts").string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(has(r.err, "font")) << r.err;
    const std::vector<std::uint16_t> withText = titleShot();
    ASSERT_FALSE(withText.empty());

    fs::remove(dir / "title.png");
    r = withFonts((dir / "no-fonts").string());
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string warning = "no font found";
    ASSERT_TRUE(has(r.err, warning)) << r.err;
    EXPECT_TRUE(has(r.err, "fonts-liberation2")) << r.err;
    EXPECT_EQ(r.err.find(warning), r.err.rfind(warning)) << "said once";
    const std::vector<std::uint16_t> withoutText = titleShot();
    ASSERT_FALSE(withoutText.empty()) << "the game went on";
    EXPECT_NE(withText, withoutText) << "the fallback face drew the credits";
}
