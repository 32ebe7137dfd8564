#include "platform/net/protocol.h"

#include <type_traits>

namespace platform::net {

namespace {

enum class Type : std::uint8_t { Hello = 1, Welcome, Refuse, Input, Frames, FrameHash, Desync, Bye };

// The event kinds that travel, by a number of their own so that the script's enum may change.
enum class Wire : std::uint8_t { Key = 1, Move, Press, Release, Join, Leave };

class Writer {
public:
    void u8(std::uint8_t v) { bytes.push_back(v); }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) u8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void u64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) u8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void i64(std::int64_t v) { u64(static_cast<std::uint64_t>(v)); }
    void text(const std::string& s) {
        u32(static_cast<std::uint32_t>(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
    }
    std::vector<std::uint8_t> bytes;
};

// Reads what is there or fails once; after a failure every read gives 0 and ok stays false.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : rest(bytes) {}
    bool ok = true;
    std::string error;

    void fail(std::string why) {
        if (ok) error = std::move(why);
        ok = false;
    }
    std::uint64_t take(int count) {
        if (!ok || rest.size() < static_cast<std::size_t>(count)) {
            fail("the message ends early");
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < count; ++i) v |= std::uint64_t{rest[static_cast<std::size_t>(i)]} << (8 * i);
        rest = rest.subspan(static_cast<std::size_t>(count));
        return v;
    }
    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
    std::uint64_t u64() { return take(8); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::int64_t i64() { return static_cast<std::int64_t>(u64()); }
    std::string text(std::size_t limit) {
        const std::uint32_t size = u32();
        if (!ok) return {};
        if (size > limit) {
            fail("a text of " + std::to_string(size) + " bytes is too long");
            return {};
        }
        if (size > rest.size()) {
            fail("the message ends early");
            return {};
        }
        std::string s(rest.begin(), rest.begin() + size);
        rest = rest.subspan(size);
        return s;
    }
    bool atEnd() const { return rest.empty(); }

private:
    std::span<const std::uint8_t> rest;
};

void writeEvent(Writer& w, const ScriptEvent& e) {
    w.i64(e.frame);
    w.u8(static_cast<std::uint8_t>(e.peer));
    switch (e.kind) {
        case ScriptEvent::Kind::Key:
            w.u8(static_cast<std::uint8_t>(Wire::Key));
            w.u8(static_cast<std::uint8_t>(e.virtualKey));
            break;
        case ScriptEvent::Kind::Move:
            w.u8(static_cast<std::uint8_t>(Wire::Move));
            w.i32(e.point.x);
            w.i32(e.point.y);
            break;
        case ScriptEvent::Kind::Press:
        case ScriptEvent::Kind::Release:
            w.u8(static_cast<std::uint8_t>(e.kind == ScriptEvent::Kind::Press ? Wire::Press : Wire::Release));
            w.u8(e.button == MouseButton::Left ? 0 : 1);
            break;
        case ScriptEvent::Kind::Join:
            w.u8(static_cast<std::uint8_t>(Wire::Join));
            w.text(e.name);
            break;
        case ScriptEvent::Kind::Leave:
            w.u8(static_cast<std::uint8_t>(Wire::Leave));
            break;
        default:  // never sent (a click goes as a move, a press and a release): refused on arrival
            w.u8(0);
            break;
    }
}

// An input a peer may send (fromPeer), or any event of the host's stream.
ScriptEvent readEvent(Reader& r, bool fromPeer) {
    ScriptEvent e;
    e.frame = r.i64();
    if (e.frame < 0 || e.frame > MAX_FRAME) r.fail("a frame out of range");
    e.peer = r.u8();
    if (e.peer > MAX_PEER) r.fail("peer " + std::to_string(e.peer) + " out of range");
    const auto wire = static_cast<Wire>(r.u8());
    switch (wire) {
        case Wire::Key:
            e.kind = ScriptEvent::Kind::Key;
            e.virtualKey = r.u8();
            if (r.ok && (e.virtualKey == 0 || e.virtualKey == 0xFF)) r.fail("key code out of range");
            break;
        case Wire::Move:
            e.kind = ScriptEvent::Kind::Move;
            e.point = {r.i32(), r.i32()};
            if (e.point.x < -MAX_COORDINATE || e.point.x > MAX_COORDINATE || e.point.y < -MAX_COORDINATE ||
                e.point.y > MAX_COORDINATE)
                r.fail("a pointer position out of range");
            break;
        case Wire::Press:
        case Wire::Release: {
            e.kind = wire == Wire::Press ? ScriptEvent::Kind::Press : ScriptEvent::Kind::Release;
            const std::uint8_t button = r.u8();
            if (button > 1) r.fail("unknown mouse button");
            e.button = button == 0 ? MouseButton::Left : MouseButton::Right;
            break;
        }
        case Wire::Join:
        case Wire::Leave:
            if (fromPeer) r.fail("a peer cannot send joins or leaves");
            e.kind = wire == Wire::Join ? ScriptEvent::Kind::Join : ScriptEvent::Kind::Leave;
            if (e.peer == 0) r.fail("the host never joins or leaves");
            if (wire == Wire::Join) {
                e.name = r.text(MAX_PEER_NAME);
                if (r.ok && (e.name.empty() || peerName(e.name) != e.name)) r.fail("a bad player name");
            }
            break;
        default:
            r.fail("unknown event kind");
            break;
    }
    return e;
}

}  // namespace

std::vector<std::uint8_t> encode(const Message& message) {
    Writer w;
    std::visit(
        [&w](const auto& m) {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, Hello>) {
                w.u8(static_cast<std::uint8_t>(Type::Hello));
                w.u32(m.protocol);
                w.text(m.gameVersion);
                w.text(m.architecture);
                w.u64(m.dataDigest);
                w.u64(m.fontDigest);
                w.text(m.name);
            } else if constexpr (std::is_same_v<M, Welcome>) {
                w.u8(static_cast<std::uint8_t>(Type::Welcome));
                w.u8(m.peer);
                w.text(m.settings);
            } else if constexpr (std::is_same_v<M, Refuse>) {
                w.u8(static_cast<std::uint8_t>(Type::Refuse));
                w.text(m.reason);
            } else if constexpr (std::is_same_v<M, Input>) {
                w.u8(static_cast<std::uint8_t>(Type::Input));
                writeEvent(w, m.event);
            } else if constexpr (std::is_same_v<M, Frames>) {
                w.u8(static_cast<std::uint8_t>(Type::Frames));
                w.i64(m.upTo);
                w.u32(static_cast<std::uint32_t>(m.events.size()));
                for (const ScriptEvent& e : m.events) writeEvent(w, e);
            } else if constexpr (std::is_same_v<M, FrameHash>) {
                w.u8(static_cast<std::uint8_t>(Type::FrameHash));
                w.i64(m.presents);
                w.u64(m.hash);
            } else if constexpr (std::is_same_v<M, Desync>) {
                w.u8(static_cast<std::uint8_t>(Type::Desync));
                w.i64(m.presents);
            } else {
                w.u8(static_cast<std::uint8_t>(Type::Bye));
            }
        },
        message);
    return std::move(w.bytes);
}

std::optional<Message> decode(std::span<const std::uint8_t> bytes, std::string& error) {
    if (bytes.size() > MAX_MESSAGE_BYTES) {
        error = "a message of " + std::to_string(bytes.size()) + " bytes is too long";
        return std::nullopt;
    }
    Reader r(bytes);
    std::optional<Message> message;
    switch (static_cast<Type>(r.u8())) {
        case Type::Hello: {
            Hello m;
            m.protocol = r.u32();
            m.gameVersion = r.text(MAX_TEXT_BYTES);
            m.architecture = r.text(MAX_TEXT_BYTES);
            m.dataDigest = r.u64();
            m.fontDigest = r.u64();
            m.name = r.text(MAX_TEXT_BYTES);
            message = m;
            break;
        }
        case Type::Welcome: {
            Welcome m;
            m.peer = r.u8();
            if (r.ok && (m.peer < 1 || m.peer > MAX_PEER)) r.fail("peer number out of range");
            m.settings = r.text(MAX_TEXT_BYTES);
            message = m;
            break;
        }
        case Type::Refuse:
            message = Refuse{r.text(MAX_TEXT_BYTES)};
            break;
        case Type::Input:
            message = Input{readEvent(r, true)};
            break;
        case Type::Frames: {
            Frames m;
            m.upTo = r.i64();
            if (r.ok && (m.upTo < -1 || m.upTo > MAX_FRAME)) r.fail("a frame out of range");
            const std::uint32_t count = r.u32();
            if (r.ok && count > MAX_EVENTS_PER_MESSAGE) r.fail(std::to_string(count) + " events are too many");
            for (std::uint32_t i = 0; r.ok && i < count; ++i) {
                m.events.push_back(readEvent(r, false));
                const std::int64_t frame = m.events.back().frame;
                if (frame > m.upTo || (i > 0 && frame < m.events[i - 1].frame))
                    r.fail("events out of order");
            }
            message = std::move(m);
            break;
        }
        case Type::FrameHash: {
            FrameHash m;
            m.presents = r.i64();
            m.hash = r.u64();
            if (r.ok && m.presents < 0) r.fail("a frame out of range");
            message = m;
            break;
        }
        case Type::Desync: {
            const Desync m{r.i64()};
            if (r.ok && m.presents < 0) r.fail("a frame out of range");
            message = m;
            break;
        }
        case Type::Bye:
            message = Bye{};
            break;
        default:
            r.fail("unknown message type");
            break;
    }
    if (r.ok && !r.atEnd()) r.fail("bytes after the message's end");
    if (!r.ok) {
        error = r.error;
        return std::nullopt;
    }
    return message;
}

}  // namespace platform::net
