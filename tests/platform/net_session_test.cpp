// Online sessions on the loopback: both machines get one stream, joiners are refused with what
// differs, machines that go are Leave events, and differing hashes or a departed host end the game.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <tuple>

#include "platform/net/session.h"

namespace net = platform::net;
using platform::ScriptEvent;
using namespace std::chrono_literals;

namespace {

const net::Identity ID{"1.2.3", "x86_64", 0xDA7A, 0xF0};
const std::string SETTINGS = "rounds 3\nwind on\n";
constexpr int FRAMES_PER_SECOND = 600;  // the sequencer's clock, fast for the tests
ScriptEvent key(int virtualKey) {
    ScriptEvent event;
    event.kind = ScriptEvent::Kind::Key;
    event.virtualKey = virtualKey;
    return event;
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Polls until `done` holds; false when the deadline passes first.
template <typename Done>
bool until(Done done) {
    for (const auto deadline = std::chrono::steady_clock::now() + 10s; !done();
         std::this_thread::sleep_for(1ms))
        if (std::chrono::steady_clock::now() > deadline) return false;
    return true;
}

std::vector<std::string> lines(const std::vector<ScriptEvent>& events) {
    std::vector<std::string> out;
    for (const ScriptEvent& event : events) out.push_back(platform::formatScriptEvent(event));
    return out;
}

struct Machine {
    // Hosts on `port`, or a later one if another program holds it (tests start apart, step by 5).
    explicit Machine(std::uint16_t& port) {
        for (int tries = 0; !session && tries < 20; ++tries)
            if (!(session = net::Session::host(port, ID, SETTINGS, FRAMES_PER_SECOND, error))) port += 5;
        if (!session) throw std::runtime_error(error);
    }
    Machine(std::uint16_t port, const std::string& name)
        : session(net::Session::join("127.0.0.1", port, name, ID, error)) {
        if (!session) throw std::runtime_error(error);
    }

    // Reaches the next frame; a joined machine only one the clock has passed or once ended, so it
    // never waits long.
    bool step() {
        if (!session->hosting() && session->heldAhead(frame) < net::INPUT_DELAY - 1 && session->endReason().empty())
            return true;
        const std::size_t from = events.size();
        if (!session->reach(frame, events)) return false;
        for (std::size_t i = from; i < events.size(); ++i)
            EXPECT_EQ(events[i].frame, frame) << "handed out late";
        ++frame;
        return true;
    }
    bool lastIs(const std::string& part) const {
        return !events.empty() && has(platform::formatScriptEvent(events.back()), part);
    }

    std::string error;
    std::unique_ptr<net::Session> session;
    std::int64_t frame = 0;  // the next to reach
    std::vector<ScriptEvent> events;
};

// Why a machine with `identity` may not join.
std::string refusal(std::uint16_t port, const net::Identity& identity = ID) {
    std::string error;
    EXPECT_EQ(net::Session::join("127.0.0.1", port, "x", identity, error), nullptr);
    return error;
}

}  // namespace

TEST(NetSession, HostAndJoinerGetTheSameStream) {
    std::uint16_t port = 24900;
    Machine host(port);
    Machine joiner(port, "Bob the 2nd!");
    EXPECT_EQ(joiner.session->hostSettings(), SETTINGS);
    ASSERT_TRUE(until([&] { return host.step() && !host.events.empty(); }));
    host.session->setGameState(1, true);
    const std::int64_t reached = host.frame - 1;
    ScriptEvent made = key('H');
    made.frame = reached;
    host.session->submit(made);
    joiner.session->submit(key('J'));
    ASSERT_TRUE(until([&] { return host.step() && host.events.size() >= 3; }));

    // The host's key takes effect at least the input delay after it was made; the joiner's takes
    // its frame from when it reached the host.
    const std::vector<std::string> stream = lines(host.events);
    ASSERT_EQ(stream.size(), 3u);
    EXPECT_PRED2(has, stream[0], " join 1 BOBTHE2ND");
    EXPECT_EQ(stream[1], std::to_string(host.events[1].frame) + " key H");
    EXPECT_GE(host.events[1].frame, reached + net::INPUT_DELAY);
    EXPECT_EQ(stream[2], std::to_string(host.events[2].frame) + " @1 key J");
    ASSERT_TRUE(until([&] { return joiner.step() && joiner.frame == host.frame; }));
    EXPECT_EQ(lines(joiner.events), stream);
    EXPECT_EQ(host.session->traffic().peers, 1);
    EXPECT_GT(joiner.session->traffic().bytesReceived, 0u);
}

TEST(NetSession, JoinersAreRefusedWithWhatDiffers) {
    std::uint16_t port = 24901;
    Machine host(port);
    net::Identity other = ID;
    other.dataDigest ^= 1;
    EXPECT_PRED2(has, refusal(port, other), "data files");
    other = ID;
    other.gameVersion = "1.2.4";
    EXPECT_PRED2(has, refusal(port, other), "game versions");

    std::vector<Machine> joined;
    joined.emplace_back(port, "a");
    host.session->setGameState(0, false);
    EXPECT_PRED2(has, refusal(port), "has begun");
    host.session->setGameState(0, true);
    while (joined.size() < static_cast<std::size_t>(platform::MAX_PEER)) joined.emplace_back(port, "b");
    EXPECT_PRED2(has, refusal(port), "full");
}

TEST(NetSession, MachinesThatGoAreLeavesAndInputOutOfTurnGoesNowhere) {
    std::uint16_t port = 24902;
    Machine host(port);
    Machine first(port, "a");
    std::shared_ptr<net::Session> second = Machine(port, "b").session;
    // The host acts: the first joiner's key must go nowhere. The pass of its session thread that
    // moves its byte count drained its outbox, so the key is on the wire, ahead of the goodbye.
    first.session->submit(key('X'));
    const std::uint64_t sent = first.session->traffic().bytesSent;
    ASSERT_TRUE(until([&] { return first.session->traffic().bytesSent > sent; }));
    first.session.reset();
    ASSERT_TRUE(until([&] { return host.step() && host.lastIs("leave 1"); }));

    // The second leaves while its game waits for a frame that will never come. The waiting thread
    // owns the session too, so a reach that never returns fails the test without a hang.
    auto result = std::make_shared<std::atomic<int>>(-1);
    std::thread([second, result]() mutable {
        std::vector<ScriptEvent> due;
        const bool reached = second->reach(1'000'000, due);
        second.reset();
        *result = reached;
    }).detach();
    std::this_thread::sleep_for(50ms);  // likely waiting by then
    second->leave();
    ASSERT_TRUE(until([&] { return *result != -1; }));
    EXPECT_EQ(*result, 0);
    EXPECT_PRED2(has, second->endReason(), "You left");
    ASSERT_TRUE(until([&] { return host.step() && host.lastIs("leave 2"); }));
    for (const ScriptEvent& event : host.events) EXPECT_NE(event.kind, ScriptEvent::Kind::Key);
}

TEST(NetSession, DifferentHashesPutBothOutOfStepAtThatFrame) {
    std::uint16_t port = 24903;
    Machine host(port);
    Machine joiner(port, "a");
    ASSERT_TRUE(until([&] { return host.step() && joiner.session->heldAhead(0) >= 0; }));
    // In order on the wire: a hash off the beat and an equal one end nothing, else the reason
    // would name their frame.
    for (const auto& [presents, hostHash, joinerHash] : {std::tuple{30, 1, 2}, {60, 3, 3}, {120, 4, 5}}) {
        host.session->noteFrameHash(presents, hostHash);
        joiner.session->noteFrameHash(presents, joinerHash);
    }
    ASSERT_TRUE(until([&] { return host.session->outOfStep() && joiner.session->outOfStep(); }));
    EXPECT_PRED2(has, host.session->endReason(), "frame 120:");
    EXPECT_PRED2(has, joiner.session->endReason(), "frame 120:");
    EXPECT_FALSE(joiner.session->reach(0, joiner.events)) << "a held frame still comes";
    EXPECT_FALSE(host.step());
}

TEST(NetSession, AJoinerPlaysWhatItHoldsAfterTheHostGoes) {
    std::uint16_t port = 24904;
    Machine host(port);
    Machine joiner(port, "ann");
    ASSERT_TRUE(until([&] { return host.step() && !host.events.empty(); }));
    host.session->submit(key('H'));
    ASSERT_TRUE(until([&] { return host.step() && host.events.size() == 2; }));
    const std::int64_t reached = host.frame - 1;
    host.session.reset();
    ASSERT_TRUE(until([&] { return !joiner.session->endReason().empty(); }));
    EXPECT_PRED2(has, joiner.session->endReason(), "host has left");
    ASSERT_TRUE(until([&] { return !joiner.step(); }));
    // Every frame the host closed is played, the ones beyond its own game's too.
    EXPECT_GT(joiner.frame, reached + net::INPUT_DELAY - 1);
    ASSERT_EQ(joiner.events.size(), 2u);
    EXPECT_EQ(lines(joiner.events)[1], std::to_string(host.events[1].frame) + " key H");
}

// The game has one pointer: a machine's turn begins with it where that machine's own pointer was,
// though its moves went nowhere while another acted; the host's comes back with its turn.
TEST(NetSession, AMachineActsWithItsOwnPointer) {
    std::uint16_t port = 24905;
    Machine host(port);
    Machine joiner(port, "ann");
    ASSERT_TRUE(until([&] { return host.step() && !host.events.empty(); }));
    const auto move = [](int x, int y) {
        ScriptEvent event;
        event.kind = ScriptEvent::Kind::Move;
        event.point = {x, y};
        return event;
    };
    host.session->setGameState(1, true);
    host.session->setGameState(0, true);  // nothing known of its pointer yet: nothing handed
    host.session->submit(move(200, 440));
    joiner.session->submit(move(413, 112));
    // The pass that next moves the joiner's byte count sent the move; once the host has received
    // as much, its session thread has handled it too (it counts after handling).
    const std::uint64_t before = joiner.session->traffic().bytesSent;
    ASSERT_TRUE(until([&] { return joiner.session->traffic().bytesSent > before; }));
    const std::uint64_t sent = joiner.session->traffic().bytesSent;
    ASSERT_TRUE(until([&] { return host.session->traffic().bytesReceived >= sent; }));
    host.session->setGameState(1, true);
    host.session->setGameState(1, true);  // still acting: nothing more
    ASSERT_TRUE(until([&] { return host.step() && host.lastIs("@1 move 413 112"); }));
    host.session->setGameState(0, true);
    ASSERT_TRUE(until([&] { return host.step() && host.lastIs("move 200 440") && !host.lastIs("@1"); }));
    std::vector<std::string> stream = lines(host.events);
    for (std::string& line : stream) line.erase(0, line.find(' '));
    EXPECT_EQ(stream, (std::vector<std::string>{" join 1 ANN", " move 200 440", " @1 move 413 112", " move 200 440"}));
}
