// The game binary's command line, its headless runs and their statistics, screenshots and messages.
#include "game_binary.h"

using namespace e2e;

// Each run is told by its exit status and what its output and messages hold ("!": do not hold).
TEST_F(GameBinary, RunsEndWithTheirStatusAndTheirMessages) {
    const std::string script = "--headless --data data --stats - --script play.txt ";
    const struct {
        const char* what;
        std::string script, args, env;
        int status;
        std::vector<std::string> out, err;
    } cases[] = {
        // The start-up picture takes five presents; waiting for the first input presents nothing.
        {"no game.ini", "", "--headless --data data --max-frames 600 --stats -", "", 0,
         {"\"exit\": \"max-frames\"", "\"error_boxes\": [\"no open game.ini\"]", "\"sounds_played\": {}",
          "\"frame_ms_p50\": ", "\"frame_ms_p99\": ", "\"setup_ms\": []", "\"frames\": 5,"},
         {"Ramparo: no open game.ini\n"}},
        {"quit", "100 quit\n", script, "", 0, {"\"exit\": \"quit\""}, {}},
        {"malformed script", "0 key A\n# fine\n7 wiggle\n", script, "", 2, {"!{"}, {"line 3", "wiggle", "!game.ini"}},
        {"missing script", "", "--headless --data data --script missing.txt", "", 2, {}, {"missing.txt"}},
        {"unknown option", "", "--frobnicate", "", 2, {}, {"unknown option '--frobnicate'"}},
        {"help", "", "--help", "", 0, {"--headless"}, {}},
        {"no data", "", "--data does-not-exist --headless --max-frames 1", "", 1, {}, {"does-not-exist"}},
        {"no display", "", "--data data", "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11", 1, {}, {"display"}},
        {"screenshot before the first picture", "1 screenshot early.png\n", script + "--max-frames 10", "", 0, {},
         {"script line 1: no screenshot '", "early.png': nothing has been presented yet at frame 1", "!cannot write"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.script.empty()) write("play.txt", c.script);
        const Result r = run(c.args, c.env);
        EXPECT_EQ(r.status, c.status) << r.err;
        for (const auto& [parts, text] : {std::pair{&c.out, &r.out}, {&c.err, &r.err}})
            for (const std::string& part : *parts)
                EXPECT_NE(has(*text, part.substr(part[0] == '!')), part[0] == '!') << part << "\n" << *text;
    }
    EXPECT_FALSE(fs::exists(dir / "early.png"));
    // A sound bank cut short, in its samples or in its header, or missing: the game says so and goes on.
    const fs::path bank = dir / "data" / "sound.sdf";
    for (const std::uintmax_t size : {fs::file_size(bank) - 1, std::uintmax_t{100}, std::uintmax_t{0}}) {
        size ? fs::resize_file(bank, size) : void(fs::remove(bank));
        const Result r = run("--headless --data data --max-frames 600 --stats -");
        const std::string message = size ? "error load music game" : "no open sound.sdf";
        EXPECT_TRUE(has(r.out, "\"error_boxes\": [\"no open game.ini\", \"" + message + "\"]")) << r.out;
        EXPECT_TRUE(has(r.out, "\"exit\": \"max-frames\"")) << r.out;
    }
}

TEST_F(GameBinary, AScriptedSessionShowsTheStartUpPictureAndTheMenu) {
    writeIni({1, 1, 0, 0});
    // A key during start-up is thrown away, the click ends the wait, the move goes onto NEW GAME,
    // the click far off the screen is clamped into it, on no item.
    write("play.txt", "10 key A\n30 screenshot a.png\n40 click 320 240\n50 move 100 175\n55 lose-surfaces\n"
                      "60 screenshot b.png\n70 click 2000 -5\n80 key ESCAPE\n");
    const Result first = play("play.txt", "--pixel-format 555");
    ASSERT_EQ(first.status, 0) << first.err;
    for (const char* part : {"\"exit\": \"game-exit\"", "\"error_boxes\": []", "\"sounds_played\": {\"17\": 1}"})
        EXPECT_TRUE(has(first.out, part)) << part << " (the hover sounds; a click on no item is silent)\n" << first.out;

    // The start-up picture on white, with the prompt under it (5-5-5 white is 0x7FFF).
    const std::vector<std::uint16_t> a = loadShot(dir / "a.png", 1), b = loadShot(dir / "b.png", 1);
    ASSERT_FALSE(a.empty() || b.empty());
    EXPECT_EQ(at(a, 0, 0), 0x7FFF);
    EXPECT_EQ(at(a, 639, 479), 0x7FFF);
    EXPECT_NE(at(a, 320, 240), 0x7FFF) << "the picture in the middle";
    EXPECT_NE(at(a, 320, 384), 0x7FFF) << "the prompt at four fifths of the height";
    // The menu: its background covers the screen, NEW GAME stands on its copies.
    EXPECT_NE(at(b, 0, 0), 0x7FFF);
    EXPECT_NE(at(b, 64 + 5, 160 + 45), at(a, 64 + 5, 160 + 45));
}

// The text falls back to any bold sans face, and with no face at all the game says so and goes on.
TEST_F(GameBinary, FontFallsBackToAnyFaceAndWarnsOnceWithoutOne) {
    writeIni({1, 1, 0, 0});
    write("title.txt", "40 key SPACE\n50 click 100 225\n60 screenshot title.png\n");  // text only, over its background
    const auto titleWithFontsIn = [&](const std::string& fontDir, Result& r) {
        write("fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + fontDir + "</dir><cachedir>" +
                                (dir / "fc-cache").string() + "</cachedir></fontconfig>\n");
        fs::remove(dir / "title.png");
        r = play("title.txt", "--max-frames 70", "FONTCONFIG_FILE='" + (dir / "fonts.conf").string() + "'");
        EXPECT_EQ(r.status, 0) << r.err;
        return loadShot(dir / "title.png", 1);
    };
    // Only a monospaced face: neither the Arial-like face nor the fallback, but still a face.
    fs::create_directories(dir / "fonts");
    fs::copy_file("/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf", dir / "fonts" / "mono.ttf");
    Result r;
    const std::vector<std::uint16_t> withText = titleWithFontsIn((dir / "fonts").string(), r);
    EXPECT_FALSE(has(r.err, "font")) << r.err;
    ASSERT_FALSE(withText.empty());

    const std::vector<std::uint16_t> withoutText = titleWithFontsIn((dir / "no-fonts").string(), r);
    const std::string warning = "no font found";
    ASSERT_TRUE(has(r.err, warning)) << r.err;
    EXPECT_TRUE(has(r.err, "fonts-liberation2")) << r.err;
    EXPECT_EQ(r.err.find(warning), r.err.rfind(warning)) << "said once";
    ASSERT_FALSE(withoutText.empty()) << "the game went on";
    EXPECT_NE(withText, withoutText) << "the fallback face drew the credits";
}
