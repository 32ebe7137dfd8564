// Network messages: every kind keeps its fields through its bytes, up to each limit; anything
// malformed, cut short or padded is refused with a reason.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/net/protocol.h"

namespace net = platform::net;
using platform::ScriptEvent;
using K = ScriptEvent::Kind;

namespace {

ScriptEvent event(std::int64_t frame, int peer, K kind, int key = 'A', platform::Point point = {}) {
    ScriptEvent e;
    e.frame = frame;
    e.peer = peer;
    e.kind = kind;
    e.virtualKey = key;
    e.point = point;
    e.button = kind == K::Press ? platform::MouseButton::Right : platform::MouseButton::Left;
    if (kind == K::Join) e.name = "BOB";
    return e;
}

template <typename M>
M roundTrip(const M& message) {
    std::string error;
    const std::optional<net::Message> back = net::decode(net::encode(message), error);
    EXPECT_TRUE(back && std::holds_alternative<M>(*back)) << error;
    return back && std::holds_alternative<M>(*back) ? std::get<M>(*back) : M{};
}

std::vector<std::string> lines(const std::vector<ScriptEvent>& events) {
    std::vector<std::string> out;
    for (const ScriptEvent& e : events) out.push_back(platform::formatScriptEvent(e));
    return out;
}

const std::vector<ScriptEvent> EVENTS = {
    event(0, 0, K::Key, 0x01), event(0, 2, K::Move, 0, {-net::MAX_COORDINATE, net::MAX_COORDINATE}),
    event(7, 4, K::Press), event(7, 1, K::Release, 0xFE), event(8, 3, K::Join), event(net::MAX_FRAME, 3, K::Leave),
};

}  // namespace

TEST(NetProtocol, EveryKindKeepsItsFields) {
    const net::Hello hello{7, "0.1.0", "x86_64", 0x0123456789ABCDEF, 0xFEDCBA9876543210, "Bob the 2nd"};
    const net::Hello h = roundTrip(hello);
    EXPECT_EQ(std::tie(h.protocol, h.gameVersion, h.architecture, h.dataDigest, h.fontDigest, h.name),
              std::tie(hello.protocol, hello.gameVersion, hello.architecture, hello.dataDigest, hello.fontDigest,
                       hello.name));
    const net::Welcome w = roundTrip(net::Welcome{platform::MAX_PEER, std::string(net::MAX_TEXT_BYTES, 's')});
    EXPECT_EQ(w.peer, platform::MAX_PEER);
    EXPECT_EQ(w.settings, std::string(net::MAX_TEXT_BYTES, 's'));
    EXPECT_EQ(roundTrip(net::Refuse{"another version"}).reason, "another version");
    for (const ScriptEvent& e : EVENTS) {
        if (e.kind == K::Join || e.kind == K::Leave) continue;
        ScriptEvent sent = e;
        sent.frame = 0;  // the host gives an input its frame
        EXPECT_EQ(platform::formatScriptEvent(roundTrip(net::Input{sent}).event), platform::formatScriptEvent(sent));
    }
    const net::Frames f = roundTrip(net::Frames{net::MAX_FRAME, EVENTS});
    EXPECT_EQ(f.upTo, net::MAX_FRAME);
    EXPECT_EQ(lines(f.events), lines(EVENTS));
    EXPECT_EQ(roundTrip(net::Frames{-1, {}}).upTo, -1);
    const std::vector<ScriptEvent> most(net::MAX_EVENTS_PER_MESSAGE, event(3, 1, K::Key));
    EXPECT_EQ(roundTrip(net::Frames{3, most}).events.size(), net::MAX_EVENTS_PER_MESSAGE);
    const net::FrameHash hash = roundTrip(net::FrameHash{1234, 0x9E3779B97F4A7C15});
    EXPECT_EQ(std::pair(hash.presents, hash.hash), std::pair(std::int64_t{1234}, std::uint64_t{0x9E3779B97F4A7C15}));
    EXPECT_EQ(roundTrip(net::Desync{77}).presents, 77);
}

TEST(NetProtocol, CutOrPaddedMessagesAreRefused) {
    const net::Message messages[] = {net::Hello{1, "v", "a", 2, 3, "n"}, net::Welcome{1, "s"}, net::Refuse{"r"},
                                     net::Input{event(0, 1, K::Move)}, net::Frames{net::MAX_FRAME, EVENTS},
                                     net::FrameHash{5, 6},             net::Desync{5}, net::Bye{}};
    std::string error;
    for (const net::Message& message : messages) {
        std::vector<std::uint8_t> bytes = net::encode(message);
        for (std::size_t size = 0; size < bytes.size(); ++size)
            EXPECT_FALSE(net::decode(std::span(bytes).first(size), error)) << message.index() << " cut to " << size;
        bytes.push_back(0);
        EXPECT_FALSE(net::decode(bytes, error)) << message.index();
        EXPECT_EQ(error, "bytes after the message's end");
    }
    EXPECT_FALSE(net::decode(std::vector<std::uint8_t>(net::MAX_MESSAGE_BYTES + 1, 3), error));
    EXPECT_NE(error.find("too long"), std::string::npos) << error;
}

TEST(NetProtocol, MalformedMessagesAreRefusedWithAReason) {
    const ScriptEvent badName = [] {
        ScriptEvent e = event(1, 2, K::Join);
        e.name = "bob";
        return e;
    }();
    const std::pair<net::Message, const char*> cases[] = {
        {net::Refuse{std::string(net::MAX_TEXT_BYTES + 1, 'x')}, "too long"},
        {net::Welcome{0, ""}, "peer number out of range"},
        {net::Welcome{platform::MAX_PEER + 1, ""}, "peer number out of range"},
        {net::Input{event(0, platform::MAX_PEER + 1, K::Key)}, "out of range"},
        {net::Input{event(0, 2, K::Join)}, "cannot send joins"},
        {net::Input{event(0, 2, K::Leave)}, "cannot send joins"},
        {net::Input{event(0, 0, K::Key, 0)}, "key code"},
        {net::Input{event(0, 0, K::Move, 0, {0, -net::MAX_COORDINATE - 1})}, "pointer position"},
        {net::Frames{10, {event(5, 0, K::Key), event(4, 0, K::Key)}}, "out of order"},
        {net::Frames{4, {event(5, 0, K::Key)}}, "out of order"},
        {net::Frames{0, std::vector(net::MAX_EVENTS_PER_MESSAGE + 1, event(0, 0, K::Key))}, "too many"},
        {net::Frames{-2, {}}, "frame out of range"},
        {net::Frames{9, {event(1, 0, K::Join)}}, "never joins"},
        {net::Frames{9, {badName}}, "bad player name"},
        {net::FrameHash{-1, 0}, "frame out of range"},
    };
    std::string error;
    for (const auto& [message, reason] : cases) {
        EXPECT_FALSE(net::decode(net::encode(message), error)) << reason;
        EXPECT_NE(error.find(reason), std::string::npos) << reason << " -> " << error;
    }
    std::vector<std::uint8_t> unknownKind = net::encode(net::Input{event(0, 0, K::Key)});
    unknownKind[10] = 0x7F;  // type, frame, peer, then the event's kind
    const std::pair<std::vector<std::uint8_t>, const char*> raw[] = {
        {{0}, "unknown message type"}, {{9, 0, 0, 0, 0}, "unknown message type"}, {unknownKind, "unknown event kind"}};
    for (const auto& [bytes, reason] : raw) {
        EXPECT_FALSE(net::decode(bytes, error)) << reason;
        EXPECT_EQ(error, reason);
    }
}
