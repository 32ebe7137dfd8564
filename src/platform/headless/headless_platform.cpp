// The headless backend: no window, no sound device, virtual time and scripted input. The same
// script and options give the same frames, bit for bit.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "platform/audio_device.h"
#include "platform/backends.h"
#include "platform/font.h"
#include "platform/headless/frame_hash.h"
#include "platform/headless/script_player.h"
#include "platform/net/game_stream.h"
#include "platform/net/session.h"
#include "platform/png.h"
#include "platform/stats.h"

namespace platform {

namespace {

// Virtual time counts in 1/3000 s, so that frames (1/60 s) and milliseconds are both whole units.
constexpr std::int64_t UNITS_PER_SECOND = 3000;
constexpr std::int64_t UNITS_PER_FRAME = UNITS_PER_SECOND / 60;
constexpr std::int64_t UNITS_PER_MS = UNITS_PER_SECOND / 1000;

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class HeadlessPlatform final : public Platform {
public:
    HeadlessPlatform(const BackendOptions& options, const std::vector<ScriptEvent>& script)
        : options(options), script(script), mixer(createVirtualMixer()), ttf(createTtfFont()) {
        if (session) stream.emplace(*session, options.recordHeader);
        // Open before the game's start-up, whose wait points may already hand over a join.
        if (!options.recordFile.empty()) {
            record.open(options.recordFile, std::ios::binary);
            if (!record) std::fprintf(stderr, "ramparo: cannot write the recording '%s'\n", options.recordFile.c_str());
            record << options.recordHeader;
        }
    }

    DisplayStatus openDisplay(int, int) override { return DisplayStatus::Ok; }
    std::uint32_t redMask() const override { return layout565() ? 0xF800 : 0x7C00; }
    std::uint32_t greenMask() const override { return layout565() ? 0x07E0 : 0x03E0; }
    std::uint32_t blueMask() const override { return 0x001F; }

    void present(PixelView frame, bool) override {
        stats.frameMs.push_back(threadCpuMs() - frameStartMs);
        shown = frame;
        shownHash = frameHash(frame);
        stats.frameHash = chainFrameHash(stats.frameHash, shownHash);
        ++stats.frames;
        if (session) session->noteFrameHash(stats.frames, stats.frameHash);
        advance(UNITS_PER_FRAME);
        frameStartMs = threadCpuMs();
    }

    bool takeSurfaceLoss() override { return std::exchange(surfacesLost, false); }
    bool restoreDisplay() override { return true; }
    void clipCursor(Rect rect) override {
        clip = rect;
        clipped = true;
        moveCursor(cursor);
    }

    void setInputHandler(InputHandler* handler) override { input = handler; }
    Point cursorPosition() override { return cursor; }
    void movePointer(Point position) override { moveCursor(position); }
    void sleep(int milliseconds) override { advance(std::max(milliseconds, 0) * UNITS_PER_MS); }
    // There is a timer, but it never fires: set-up must not shift the game's timing.
    bool startTimer(int, std::function<void()>) override { return true; }

    void errorBox(std::string_view text, const char*) override {
        // One line per box on standard error; the statistics keep the text as it is.
        std::string line(text);
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::fprintf(stderr, "Ramparo: %s\n", line.c_str());
        stats.errorBoxes.emplace_back(text);
    }

    AudioDevice& audio() override { return *mixer; }
    FontRenderer& font() override { return *ttf; }

    void noteBattleSetup(double milliseconds) override { stats.setupMs.push_back(milliseconds); }
    void noteBattleFinished(int winner) override {
        ++stats.battles;
        // For bench/tournament.sh only: who won each battle, kept out of the usual statistics.
        if (const char* wanted = std::getenv("RAMPARO_STATS_WINNERS"); wanted && std::string(wanted) == "1")
            stats.winners.push_back(winner);
    }

    int run(std::function<void()> gameMain) override {
        std::thread game([&] {
            gameThread = std::this_thread::get_id();
            frameStartMs = threadCpuMs();
            try {
                // An end that fell due during start-up ends the run before the game begins.
                endIfDue();
                gameMain();
            } catch (const QuitRequested&) {
            }
        });
        game.join();
        if (stats.exit.empty()) stats.exit = "game-exit";
        if (record.is_open()) record << now / UNITS_PER_FRAME << " quit\n";
        if (options.session) {
            const net::Traffic traffic = options.session->traffic();
            stats.online = true;
            stats.bytesSent = traffic.bytesSent;
            stats.bytesReceived = traffic.bytesReceived;
            stats.peers = traffic.peers;
        }
        stats.soundsPlayed = mixer->playCounts();
        return writeStats() ? 0 : 1;
    }

    void shutdown() override {}

private:
    bool layout565() const { return options.pixelFormat != 1; }

    // A wait point: time moves on, the due script events reach the game, and the run may end.
    void advance(std::int64_t units) {
        now += units;
        const std::int64_t mixedUs =
            now / UNITS_PER_SECOND * 1'000'000 + now % UNITS_PER_SECOND * 1'000'000 / UNITS_PER_SECOND;
        mixer->advance(mixedUs - mixedUntilUs);
        mixedUntilUs = mixedUs;
        const std::int64_t frame = now / UNITS_PER_FRAME;
        script.deliverDue(frame, [this](const ScriptEvent& event) { deliverLocal(event); });
        const bool onGameThread = std::this_thread::get_id() == gameThread;
        if (session) takeStream(frame, onGameThread);
        if (options.maxFrames >= 0 && now >= options.maxFrames * UNITS_PER_FRAME && stats.exit.empty())
            stats.exit = "max-frames";
        if (onGameThread) endIfDue();
    }

    // In an online game this machine's input goes to the host; it comes back in the stream.
    void deliverLocal(const ScriptEvent& event) {
        const bool input = event.kind == ScriptEvent::Kind::Key || event.kind == ScriptEvent::Kind::Move ||
                           event.kind == ScriptEvent::Kind::Press || event.kind == ScriptEvent::Kind::Release;
        if (!session || !input) return deliver(event);
        // A joined machine's Escape leaves the game; it never reaches the shared one.
        if (!session->hosting() && event.kind == ScriptEvent::Kind::Key && event.virtualKey == ESCAPE_KEY) {
            if (stats.exit.empty()) stats.exit = "left";
            return;
        }
        session->submit(event);
    }

    // The stream's events up to this frame, as every machine gets them; recorded as they come.
    void takeStream(std::int64_t frame, bool onGameThread) {
        if (stream->take(frame, input, record, [this](const ScriptEvent& event) { deliver(event); }) || !onGameThread)
            return;
        const SessionEnded ended = stream->end(frame, record);
        session = nullptr;
        throw ended;
    }

    void endIfDue() const {
        if (!stats.exit.empty()) throw QuitRequested();
    }

    void deliver(const ScriptEvent& event) {
        if (handInput(event, input, [this](Point point) { moveCursor(point); })) return;
        switch (event.kind) {
            case ScriptEvent::Kind::Screenshot:
                if (!shown.pixels)
                    std::fprintf(stderr,
                                 "ramparo: script line %d: no screenshot '%s': nothing has been presented yet "
                                 "at frame %lld\n",
                                 event.line, event.file.c_str(), static_cast<long long>(event.frame));
                else if (!savePng(event.file, shown, options.pixelFormat == 1 ? 1 : 2))
                    std::fprintf(stderr, "ramparo: script line %d: cannot write screenshot '%s'\n",
                                 event.line, event.file.c_str());
                break;
            case ScriptEvent::Kind::Hash:
                stats.frameHashes.emplace_back(event.frame, shownHash);
                break;
            case ScriptEvent::Kind::LoseSurfaces:
                surfacesLost = true;
                break;
            case ScriptEvent::Kind::Quit:
                if (stats.exit.empty()) stats.exit = "quit";
                break;
            default:  // input, handed over above
                break;
        }
    }

    // The pointer stays inside the confining rectangle, as a real one does.
    void moveCursor(Point point) {
        cursor = point;
        if (!clipped) return;
        cursor.x = std::clamp(cursor.x, clip.left, std::max(clip.left, clip.right - 1));
        cursor.y = std::clamp(cursor.y, clip.top, std::max(clip.top, clip.bottom - 1));
    }

    bool writeStats() const {
        if (options.statsFile.empty()) return true;
        const std::string json = statsJson(stats);
        if (options.statsFile == "-")
            return std::fputs(json.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
        std::FILE* file = std::fopen(options.statsFile.c_str(), "w");
        bool ok = file && std::fputs(json.c_str(), file) >= 0;
        if (file) ok = std::fclose(file) == 0 && ok;
        if (!ok)
            std::fprintf(stderr, "ramparo: cannot write the statistics to '%s'\n", options.statsFile.c_str());
        return ok;
    }

    BackendOptions options;
    ScriptPlayer script;
    net::Session* session = options.session;  // null once the online game has ended
    std::optional<GameStream> stream;
    std::ofstream record;
    std::unique_ptr<VirtualMixer> mixer;
    std::unique_ptr<FontRenderer> ttf;
    InputHandler* input = nullptr;
    RunStats stats;
    std::thread::id gameThread;

    std::int64_t now = 0;  // virtual time in units
    std::int64_t mixedUntilUs = 0;
    double frameStartMs = 0;
    PixelView shown;
    std::uint64_t shownHash = frameHash({});
    Point cursor;
    Rect clip;
    bool clipped = false;
    bool surfacesLost = false;
};

}  // namespace

std::unique_ptr<Platform> createHeadlessPlatform(const BackendOptions& options, std::string* error) {
    std::vector<ScriptEvent> script;
    std::string problem;
    if (!options.scriptFile.empty() && !loadScript(options.scriptFile, script, problem)) {
        if (error) *error = problem;
        return nullptr;
    }
    // Screenshots are written next to the script, whatever directory the game reads from.
    const std::filesystem::path scriptDir = std::filesystem::path(options.scriptFile).parent_path();
    for (ScriptEvent& event : script)
        if (event.kind == ScriptEvent::Kind::Screenshot) event.file = (scriptDir / event.file).string();
    return std::make_unique<HeadlessPlatform>(options, script);
}

}  // namespace platform
