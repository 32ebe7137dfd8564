// Online games on this machine: a host and two joined machines, each its own headless process,
// scripted, over the loopback. Every machine must show the same game, frame for frame.
#include <fstream>
#include <functional>

#include "game_binary.h"
#include "udp_proxy.h"

using namespace e2e;

namespace {

// The set-up, once both machines have joined: player 1's role button to COMPUTER, then REMOTE (the
// first joined machine), NEXT OPPONENT; the same for player 2 (the second); PLAY GAME. Three-second
// turns end the battle by its time limit well before the quit.
constexpr int SETUP_FRAME = 900, PLAY_FRAME = 1040;
const std::string hostScript =
    "# game.ini: 01 01 00 01\n# turn-time: 3\n30 key SPACE\n62 key SPACE\n"
    "900 click 310 300\n910 click 310 300\n940 click 500 440\n1000 click 310 300\n1010 click 310 300\n"
    "1040 click 200 440\n";
// Each remote player aims at its own point and fires again and again, three times a turn: the host
// takes only the input of the machine whose player is on turn when it arrives, late as it may be.
const std::string peerScripts[] = {
    "100+60 move 413 112\n105+60 press left\n140+60 release left\n4500 quit\n",
    "100+60 move 178 171\n105+60 press left\n145+60 release left\n4500 quit\n"};

std::string hashOf(const std::string& stats) {
    const std::size_t at = stats.find("\"frame_hash\": ");
    return at == std::string::npos ? "none" : stats.substr(at, stats.find(',', at) - at);
}

// The frame of the first recorded line holding `what`; -1 when there is none.
int frameOf(const std::string& recording, const std::string& what) {
    const std::size_t at = recording.find(what);
    return at == std::string::npos ? -1 : std::atoi(recording.c_str() + recording.rfind('\n', at) + 1);
}

// Whether something has UDP port `port`: read from the kernel, so as not to race the host for it.
bool listening(int port) {
    char local[16];
    std::snprintf(local, sizeof local, ":%04X ", port);
    return has(readFile("/proc/net/udp"), local);
}

// Polls for at most thirty seconds (more in the slower builds).
bool waitFor(const std::function<bool()>& done) {
    for (int tries = 0; tries < 1500 * SLOWDOWN && !done(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return done();
}

// The hosts' pace: fast for the tests, yet well within what three games and a busy machine keep up
// with. A host behind its own clock stamps input for frames it has not reached, so it would take
// or drop it by whose turn it was frames earlier; a remote player could then miss its turn.
constexpr int PACE = 300;

class Online : public GameBinary {
protected:
    // Hosts on `port` at `pace` frames a second, to frame `quit`; two machines join it, or the relays
    // at `relay` and the port after it.
    void startSession(int port, int pace, int relay = 0, int quit = 4500) {
        write("host.txt", hostScript + std::to_string(quit) + " quit\n");
        host = start("--headless --data data --host " + std::to_string(port) + " --pace " +
                         std::to_string(pace / SLOWDOWN) + " --script host.txt --stats host.json --record host.rec",
                     "host");
        // A joiner waits five seconds for an answer: the host listens first.
        ASSERT_TRUE(waitFor([&] { return listening(port); })) << "the host never listened on " << port;
        // One after the other, so that ALICE is the first joined machine and BOB the second.
        for (int i = 0; i < 2; ++i) {
            const std::string name = "peer" + std::to_string(i + 1), player = i ? "BOB" : "ALICE";
            write(name + ".txt", peerScripts[i]);
            peers[i] =
                start("--headless --data data --join 127.0.0.1:" + std::to_string(relay ? relay + i : port) +
                          " --name " + player + " --script " + name + ".txt --stats " + name +
                          ".json --record " + name + ".rec",
                      name);
            ASSERT_TRUE(waitFor([&] { return has(readFile(dir / "host.err"), player + " joined"); }))
                << player;
        }
    }
    // Waits for a machine to end well; its statistics.
    std::string stats(pid_t pid, const std::string& name) {
        const Result r = finish(pid, name, 60 * SLOWDOWN);
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        return readFile(dir / (name + ".json"));
    }
    std::string recording(const std::string& name) { return readFile(dir / (name + ".rec")); }
    // The recording played here alone; its statistics.
    std::string replay(const std::string& name, const std::string& options = "") {
        const Result r = play(name + ".rec", options);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    // The whole session played on all three machines: one game, as its recording replays.
    void expectOneGame() {
        const std::string hostStats = stats(host, "host");
        for (const std::string name : {"peer1", "peer2"}) {
            SCOPED_TRACE(name);
            const std::string peerStats = stats(peers[name == "peer2"], name);
            EXPECT_EQ(stat(peerStats, "frames"), stat(hostStats, "frames"));
            EXPECT_EQ(hashOf(peerStats), hashOf(hostStats));
            EXPECT_EQ(stat(peerStats, "battles"), 1);
            EXPECT_EQ(recording(name), recording("host"));
        }
        EXPECT_EQ(stat(hostStats, "peers"), 2) << hostStats;
        const std::string played = recording("peer1");
        EXPECT_LT(frameOf(played, " join 2 BOB"), SETUP_FRAME) << "joined too late for the set-up\n"
                                                               << played;
        EXPECT_TRUE(has(played, " @1 press left\n") && has(played, " @2 press left\n")) << played;
        EXPECT_EQ(hashOf(replay("peer1")), hashOf(hostStats));
    }

    pid_t host = 0, peers[2] = {};
};

TEST_F(Online, TwoJoinedMachinesPlayABattleInStepWithTheHost) {
    ASSERT_NO_FATAL_FAILURE(startSession(testPorts(), PACE));
    expectOneGame();
}

// Datagrams held back up to 30 ms, so reordered, and one in twenty lost, both ways: ENet resends,
// and the machines still play one game, to its last frame. Each joiner has a relay of its own.
TEST_F(Online, ThroughALossyRelayTheMachinesStayInStep) {
    const auto port = static_cast<std::uint16_t>(testPorts());
    const UdpProxy relays[] = {{std::uint16_t(port + 1), port, {30, 0.05, 1}}, {std::uint16_t(port + 2), port, {30, 0.05, 2}}};
    ASSERT_TRUE(relays[0].ok() && relays[1].ok());
    ASSERT_NO_FATAL_FAILURE(startSession(port, PACE, port + 1));
    expectOneGame();
    for (const UdpProxy& relay : relays) EXPECT_GT(relay.dropped(), 0u);
}

// A joined machine that vanishes is noticed by the host's time-out (5 s); its player passes to the
// computer at the frame the host stamps, and the others play the battle to its end together. The
// battle lasts about 2700 frames, 13 s at this pace.
TEST_F(Online, AMachineKilledInTheBattleLeavesItToTheOthers) {
    ASSERT_NO_FATAL_FAILURE(startSession(testPorts(), 200));
    // Killed as PLAY GAME's click reaches the game: the battle begins.
    ASSERT_TRUE(waitFor([&] { return has(recording("host"), "move 200 440\n"); }));
    stop(peers[1]);
    const std::string hostStats = stats(host, "host"), peerStats = stats(peers[0], "peer1");
    EXPECT_EQ(stat(peerStats, "frames"), stat(hostStats, "frames"));
    EXPECT_EQ(hashOf(peerStats), hashOf(hostStats));
    EXPECT_EQ(stat(hostStats, "battles"), 1);
    EXPECT_EQ(stat(peerStats, "battles"), 1);
    const std::string played = recording("host");
    EXPECT_EQ(recording("peer1"), played);
    const int left = frameOf(played, " leave 2\n");
    ASSERT_GT(left, PLAY_FRAME) << played;
    EXPECT_EQ(stat(replay("host", "--max-frames " + std::to_string(left)), "battles"), 0)
        << "the battle was over";
    EXPECT_EQ(hashOf(replay("host")), hashOf(hostStats));
}

// One byte of one sprite file differs: the host refuses the machine and both say why. And where
// nobody hosts, joining ends after the wait for an answer.
TEST_F(Online, AMachineWithOtherDataOrNoHostDoesNotJoin) {
    fs::copy(dir / "data", dir / "other");
    {
        std::fstream sprite(dir / "other" / "it1.spr", std::ios::in | std::ios::out | std::ios::binary);
        sprite.seekg(100);
        const char byte = static_cast<char>(sprite.get() ^ 1);
        sprite.seekp(100);
        sprite.put(byte);
    }
    const int port = testPorts();
    const std::string empty = "127.0.0.1:" + std::to_string(port + 1);  // where nobody hosts
    const pid_t host = start("--headless --data data --host " + std::to_string(port) + " --max-frames 360", "host");
    const pid_t nobody = start("--headless --data data --join " + empty, "nobody");
    ASSERT_TRUE(waitFor([&] { return listening(port); }));

    const Result refused = run("--headless --data other --join 127.0.0.1:" + std::to_string(port));
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(has(refused.err, "refused to let this machine join: different data files")) << refused.err;
    const Result hosted = finish(host, "host", 60);
    EXPECT_EQ(hosted.status, 0) << hosted.err;
    EXPECT_TRUE(has(hosted.err, "refused a machine from 127.0.0.1:")) << hosted.err;
    EXPECT_FALSE(has(hosted.err, "joined")) << hosted.err;

    const Result lonely = finish(nobody, "nobody", 60);
    EXPECT_EQ(lonely.status, 1);
    EXPECT_TRUE(has(lonely.err, "no game is hosted at " + empty)) << lonely.err;
}

}  // namespace
