#include "platform/net/session.h"

#include <enet/enet.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "platform/net/protocol.h"

namespace platform::net {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int CONNECT_TIMEOUT_MS = 5000;
constexpr int WELCOME_TIMEOUT_MS = 10000;
// A machine that has answered nothing for this long has gone (ENet's own timeouts: the first when
// its resends have run out, the second in any case; shortened from 5 s and 30 s for the second).
constexpr enet_uint32 PEER_TIMEOUT_MIN_MS = 5000;
constexpr enet_uint32 PEER_TIMEOUT_MAX_MS = 20000;
// How long a leaving machine waits for the other end to hang up (a leaving host: for its peers to
// have taken in its last frames).
constexpr auto GOODBYE_TIME = std::chrono::seconds(2);
// Far more than a hand and a mouse make (the window sends at most one move a frame).
constexpr int MAX_INPUTS_PER_SECOND = 300;
// A joiner's frame hashes may run ahead of the host's by a few frames; more are not kept.
constexpr std::size_t MAX_WAITING_HASHES = 64;
// Inputs of one machine keep the frames between them (a click's press and release stay apart
// however the network bunches them), up to this far beyond the frame they would otherwise get.
constexpr std::int64_t MAX_SPACING_FRAMES = 30;
// The host sends the frames it has closed at least this often when nothing happens.
constexpr std::int64_t SEND_EVERY_FRAMES = 2;
constexpr int SERVICE_WAIT_MS = 2;

void startEnet() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (enet_initialize() == 0) std::atexit(enet_deinitialize);
    });
}

void say(const std::string& text) { std::fprintf(stderr, "ramparo: %s\n", text.c_str()); }

bool send(ENetPeer* peer, const Message& message) {
    const std::vector<std::uint8_t> bytes = encode(message);
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE);
    if (!packet) return false;
    if (enet_peer_send(peer, 0, packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    return true;
}

std::string endpoint(const ENetAddress& address) {
    char host[64] = "?";
    enet_address_get_host_ip(&address, host, sizeof host);
    return std::string(host) + ":" + std::to_string(address.port);
}

// What differs between the host and a joiner; empty when nothing that matters does.
std::string difference(const Identity& host, const Hello& joiner) {
    auto differs = [](const char* what, const std::string& a, const std::string& b) {
        return std::string("different ") + what + ": the host has " + a + ", the joining machine " + b;
    };
    auto hex = [](std::uint64_t v) {
        char text[20];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
        return std::string(text);
    };
    if (joiner.protocol != PROTOCOL_VERSION)
        return differs("network protocols", std::to_string(PROTOCOL_VERSION), std::to_string(joiner.protocol));
    if (joiner.gameVersion != host.gameVersion) return differs("game versions", host.gameVersion, joiner.gameVersion);
    if (joiner.architecture != host.architecture)
        return differs("processor architectures", host.architecture, joiner.architecture);
    if (joiner.dataDigest != host.dataDigest)
        return differs("data files (sprites, sounds, levels)", hex(host.dataDigest), hex(joiner.dataDigest));
    if (joiner.fontDigest != host.fontDigest) return differs("font files", hex(host.fontDigest), hex(joiner.fontDigest));
    return {};
}

}  // namespace

// A machine at the other end: the host's joined peers, or the joiner's host.
struct Link {
    explicit Link(ENetPeer* peer) : peer(peer) {}
    ENetPeer* peer = nullptr;
    int id = 0;  // 1..MAX_PEER once welcomed
    std::string name;
    std::size_t sent = 0;      // history events sent
    std::int64_t sentUpTo = -1;
    Clock::time_point sentAt{};
    int inputs = 0;  // in the current second
    Clock::time_point secondStart{};
    std::map<std::int64_t, std::uint64_t> hashes;  // its hashes the host has not reached yet
};

struct Session::Impl {
    bool hosting = false;
    Identity identity;
    std::string settings;  // the host's
    ENetHost* enet = nullptr;

    mutable std::mutex mutex;
    std::condition_variable held;
    // Every closed event of the session from its first frame, in order; the open ones (host).
    std::vector<ScriptEvent> history;
    std::vector<ScriptEvent> open;
    std::int64_t closedUpTo = -1;  // every frame up to here is closed (host) or held (joined)
    std::optional<Clock::time_point> started;  // host: the sequencer's frame 0, when the host's game began
    int framesPerSecond = 60;
    std::size_t delivered = 0;     // history events handed to this machine's game
    std::vector<Message> outbox;   // joined: for the host
    std::map<std::int64_t, std::uint64_t> ownHashes;  // host
    std::string ended;
    bool stopNow = false;  // no frame more (out of step, a broken host)
    bool outOfStep = false;
    std::optional<std::int64_t> desyncAt;  // host: to tell the peers
    bool leaving = false;  // asked to leave; the goodbye goes from the session thread
    bool left = false;
    int actingPeer = 0;
    bool joinable = true;
    int joined = 0;
    std::vector<Link> links;
    Traffic traffic;
    struct Spacing {
        std::int64_t made = 0;
        std::int64_t stamped = -1;
    };
    std::array<Spacing, MAX_PEER + 1> spacing{};  // by peer: its last input
    // By peer: where its pointer last was, whether or not it was acting then. The game has one
    // pointer, and a machine's turn begins with it where that machine left its own.
    std::array<std::optional<Point>, MAX_PEER + 1> pointers{};

    std::atomic<bool> stop{false};
    std::thread thread;

    ~Impl() {
        stop = true;
        if (thread.joinable()) thread.join();
        if (!enet) return;
        // Leave politely. The host sends its last frames and a Bye, and the peers hang up once they
        // have them; a joined machine hangs up after what it queued.
        if (hosting) {
            sendFrames(true);
            for (Link& link : links)
                if (link.id != 0) send(link.peer, Bye{});
        } else {
            for (Link& link : links) enet_peer_disconnect_later(link.peer, 0);
        }
        const auto deadline = Clock::now() + GOODBYE_TIME;
        ENetEvent event;
        while (!links.empty() && Clock::now() < deadline && enet_host_service(enet, &event, 10) >= 0) {
            if (event.type == ENET_EVENT_TYPE_DISCONNECT)
                std::erase_if(links, [&](const Link& l) { return l.peer == event.peer; });
            if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
        }
        enet_host_destroy(enet);
    }

    // --- Under the mutex ---
    // Host: what is stamped from now on falls INPUT_DELAY frames after the clock's frame, so every
    // frame before that is closed and goes out now; the machines run only up to the clock's frame
    // (see reach), which gives the events the delay's time to reach them.
    void closeFrames() {
        if (stopNow || !started) return;
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - *started).count();
        const std::int64_t frame = elapsed * framesPerSecond / 1'000'000 + INPUT_DELAY - 1;
        if (frame <= closedUpTo) return;
        closedUpTo = frame;
        const auto closed = std::ranges::find_if(open, [&](const ScriptEvent& e) { return e.frame > closedUpTo; });
        std::move(open.begin(), closed, std::back_inserter(history));
        open.erase(open.begin(), closed);
        held.notify_all();
    }

    // Into the open frames, in frame order (stamp order within a frame).
    void stamp(ScriptEvent event, std::int64_t frame) {
        event.frame = frame;
        event.period = 0;
        const auto after = std::ranges::upper_bound(open, frame, {}, &ScriptEvent::frame);
        open.insert(after, std::move(event));
    }

    void stamp(ScriptEvent event) { stamp(std::move(event), closedUpTo + 1); }

    // A machine's input, `made` at its frame: at the first open frame, or as far after its previous
    // input as it was made after it (within MAX_SPACING_FRAMES); never in one frame with an input
    // made in an earlier frame, so a press and its release stay a click.
    void stampInput(ScriptEvent event, std::int64_t made) {
        Spacing& last = spacing[static_cast<std::size_t>(event.peer)];
        std::int64_t frame = closedUpTo + 1;
        if (last.stamped >= 0) {
            const std::int64_t apart = made - last.made;
            frame = std::clamp(last.stamped + apart, frame, frame + MAX_SPACING_FRAMES);
            if (apart > 0) frame = std::max(frame, last.stamped + 1);
        }
        frame = std::max(frame, last.stamped);
        last = {made, frame};
        stamp(std::move(event), frame);
    }

    void notePointer(const ScriptEvent& event) {
        if (event.kind == ScriptEvent::Kind::Move || event.kind == ScriptEvent::Kind::Click)
            pointers[static_cast<std::size_t>(event.peer)] = event.point;
    }

    // The machine now acting gets the pointer where it left it, ahead of anything it does next;
    // else its first shot would go where another machine's pointer was.
    void handPointer(int peer) {
        const std::optional<Point>& at = pointers[static_cast<std::size_t>(peer)];
        if (!at || stopNow) return;
        ScriptEvent move;
        move.kind = ScriptEvent::Kind::Move;
        move.peer = peer;
        move.point = *at;
        stamp(move);
    }

    void endSession(std::string why, bool atOnce) {
        if (ended.empty()) ended = std::move(why);
        stopNow = stopNow || atOnce;
        held.notify_all();
    }

    void wentOutOfStep(std::int64_t presents) {
        outOfStep = true;
        endSession("The online game went out of step at frame " + std::to_string(presents) +
                       ": the machines no longer show the same game.",
                   true);
    }

    void compareHash(Link& link, std::int64_t presents, std::uint64_t hash) {
        const auto own = ownHashes.find(presents);
        if (own == ownHashes.end()) {
            if (link.hashes.size() < MAX_WAITING_HASHES) link.hashes[presents] = hash;
            return;
        }
        if (own->second != hash && ended.empty()) {
            wentOutOfStep(presents);
            desyncAt = presents;  // told to every peer by the session thread
        }
    }

    // --- Session thread ---
    void run() {
        while (!stop) {
            ENetEvent event;
            int got = enet_host_service(enet, &event, SERVICE_WAIT_MS);
            while (got > 0) {
                handle(event);
                got = enet_host_check_events(enet, &event);
            }
            const std::lock_guard lock(mutex);
            if (hosting) closeFrames();
            if (hosting)
                sendFrames(false);
            else
                for (const Message& m : std::exchange(outbox, {}))
                    if (!links.empty()) send(links.front().peer, m);
            // After what was queued, which the goodbye lets go first.
            if (leaving && !left) {
                for (Link& link : links) enet_peer_disconnect_later(link.peer, 0);
                left = true;
            }
            enet_host_flush(enet);
            traffic.bytesSent = enet->totalSentData;
            traffic.bytesReceived = enet->totalReceivedData;
        }
    }

    void handle(ENetEvent& event) {
        const std::lock_guard lock(mutex);
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT:
                enet_peer_timeout(event.peer, 0, PEER_TIMEOUT_MIN_MS, PEER_TIMEOUT_MAX_MS);
                if (hosting) links.emplace_back(event.peer);
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                if (hosting) {
                    if (Link* link = find(event.peer)) lose(*link, link->name + " has left the game");
                } else {
                    links.clear();
                    endSession("The host has left the game.", false);
                }
                break;
            case ENET_EVENT_TYPE_RECEIVE: {
                std::string error;
                const std::optional<Message> message =
                    decode(std::span<const std::uint8_t>(event.packet->data, event.packet->dataLength), error);
                enet_packet_destroy(event.packet);
                if (hosting)
                    fromPeer(event.peer, message, error);
                else
                    fromHost(message, error);
                break;
            }
            case ENET_EVENT_TYPE_NONE:
                break;
        }
    }

    Link* find(ENetPeer* peer) {
        const auto it = std::ranges::find_if(links, [&](const Link& l) { return l.peer == peer; });
        return it == links.end() ? nullptr : &*it;
    }

    // The link is gone: a welcomed peer's players pass to the computer at the frame stamped here.
    void lose(Link& link, const std::string& why) {
        if (link.id != 0) {
            if (!why.empty()) say(why);
            ScriptEvent leave;
            leave.kind = ScriptEvent::Kind::Leave;
            leave.peer = link.id;
            stamp(leave);
        }
        const ENetPeer* peer = link.peer;
        std::erase_if(links, [&](const Link& l) { return l.peer == peer; });
    }

    void drop(Link& link, const std::string& why) {
        say("dropped " + (link.id != 0 ? link.name : endpoint(link.peer->address)) + ": " + why);
        ENetPeer* peer = link.peer;
        lose(link, {});
        enet_peer_disconnect_now(peer, 0);
    }

    void fromPeer(ENetPeer* peer, const std::optional<Message>& message, const std::string& error) {
        Link* link = find(peer);
        if (!link) return;
        if (!message) return drop(*link, "it sent a malformed message (" + error + ")");
        if (const auto* hello = std::get_if<Hello>(&*message); hello && link->id == 0)
            return welcome(*link, *hello);
        if (link->id == 0) return drop(*link, "it sent input before joining");
        if (const auto* input = std::get_if<Input>(&*message)) {
            const Clock::time_point now = Clock::now();
            if (now - link->secondStart >= std::chrono::seconds(1)) {
                link->secondStart = now;
                link->inputs = 0;
            }
            if (++link->inputs > MAX_INPUTS_PER_SECOND) return drop(*link, "it sent too much input");
            ScriptEvent event = input->event;
            event.peer = link->id;
            notePointer(event);
            // Only the machine whose player is being played may act; the others' input goes nowhere.
            if (actingPeer != link->id) return;
            stampInput(event, input->event.frame);
            return;
        }
        if (const auto* hash = std::get_if<FrameHash>(&*message)) return compareHash(*link, hash->presents, hash->hash);
        drop(*link, "it sent a message only a host sends");
    }

    void welcome(Link& link, const Hello& hello) {
        std::string refusal = difference(identity, hello);
        int id = 0;
        for (int candidate = 1; candidate <= MAX_PEER && id == 0; ++candidate)
            if (std::ranges::none_of(links, [&](const Link& l) { return l.id == candidate; })) id = candidate;
        if (refusal.empty() && !joinable)
            refusal = "the game has begun: machines join while the host is in the menu or the set-up";
        if (refusal.empty() && id == 0) refusal = "the game is full (" + std::to_string(MAX_PEER) + " machines have joined)";
        if (!ended.empty()) refusal = "the host's online game has ended";
        if (!refusal.empty()) {
            say("refused a machine from " + endpoint(link.peer->address) + ": " + refusal);
            send(link.peer, Refuse{refusal});
            enet_peer_disconnect_later(link.peer, 0);
            return;
        }
        link.id = id;
        spacing[static_cast<std::size_t>(id)] = {};
        pointers[static_cast<std::size_t>(id)].reset();
        link.name = peerName(hello.name);
        if (link.name.empty()) link.name = "PLAYER" + std::to_string(id);
        ++joined;
        say(link.name + " joined from " + endpoint(link.peer->address));
        send(link.peer, Welcome{static_cast<std::uint8_t>(id), settings});
        ScriptEvent join;
        join.kind = ScriptEvent::Kind::Join;
        join.peer = id;
        join.name = link.name;
        stamp(join);
    }

    // Every welcomed peer gets what was closed since its last message; a joiner its whole history.
    void sendFrames(bool everything) {
        const Clock::time_point now = Clock::now();
        for (Link& link : links) {
            if (link.id == 0) continue;
            if (desyncAt) send(link.peer, Desync{*desyncAt});
            const bool news = link.sent < history.size();
            const bool due = closedUpTo - link.sentUpTo >= SEND_EVERY_FRAMES ||
                             (closedUpTo > link.sentUpTo && (everything || now - link.sentAt > std::chrono::milliseconds(50)));
            if (!news && !due) continue;
            do {
                std::size_t end = std::min(history.size(), link.sent + MAX_EVENTS_PER_MESSAGE);
                std::int64_t upTo = closedUpTo;
                if (end < history.size()) {
                    // A frame's events never straddle two messages' closes.
                    upTo = history[end].frame - 1;
                    while (end > link.sent && history[end - 1].frame > upTo) --end;
                }
                Frames frames;
                frames.upTo = upTo;
                frames.events.assign(history.begin() + static_cast<std::ptrdiff_t>(link.sent),
                                     history.begin() + static_cast<std::ptrdiff_t>(end));
                if (!send(link.peer, frames)) break;
                link.sent = end;
                link.sentUpTo = upTo;
            } while (link.sent < history.size());
            link.sentAt = now;
        }
        desyncAt.reset();
    }

    void fromHost(const std::optional<Message>& message, const std::string& error) {
        if (!message) return endSession("The host sent a malformed message (" + error + ").", true);
        if (const auto* frames = std::get_if<Frames>(&*message)) {
            if (frames->upTo < closedUpTo || (!frames->events.empty() && frames->events.front().frame <= closedUpTo))
                return endSession("The host sent frames out of order.", true);
            history.insert(history.end(), frames->events.begin(), frames->events.end());
            closedUpTo = frames->upTo;
            held.notify_all();
        } else if (const auto* desync = std::get_if<Desync>(&*message)) {
            wentOutOfStep(desync->presents);
        } else if (std::holds_alternative<Bye>(*message)) {
            endSession("The host has left the game.", false);
            for (Link& link : links) enet_peer_disconnect_later(link.peer, 0);
        }
    }
};

Session::Session(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Session::~Session() = default;

std::unique_ptr<Session> Session::host(std::uint16_t port, const Identity& identity, const std::string& settings,
                                       int framesPerSecond, std::string& error) {
    startEnet();
    auto impl = std::make_unique<Impl>();
    impl->hosting = true;
    impl->framesPerSecond = std::max(framesPerSecond, 1);
    impl->identity = identity;
    impl->settings = settings;
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    // A spare connection beyond the peers, so that one more machine hears why it is refused.
    impl->enet = enet_host_create(&address, MAX_PEER + 2, 1, 0, 0);
    if (!impl->enet) {
        error = "cannot host on port " + std::to_string(port) + " (is another game using it?)";
        return nullptr;
    }
    impl->enet->maximumPacketSize = MAX_MESSAGE_BYTES;
    Impl* raw = impl.get();
    impl->thread = std::thread([raw] { raw->run(); });
    return std::unique_ptr<Session>(new Session(std::move(impl)));
}

std::unique_ptr<Session> Session::join(const std::string& address, std::uint16_t port, const std::string& name,
                                       const Identity& identity, std::string& error) {
    startEnet();
    auto impl = std::make_unique<Impl>();
    impl->identity = identity;
    const std::string where = address + ":" + std::to_string(port);
    ENetAddress to{};
    to.port = port;
    impl->enet = enet_host_create(nullptr, 1, 1, 0, 0);
    if (!impl->enet) {
        error = "cannot open a network connection";
        return nullptr;
    }
    impl->enet->maximumPacketSize = MAX_MESSAGE_BYTES;
    if (enet_address_set_host(&to, address.c_str()) != 0) {
        error = "cannot find the host '" + address + "'";
        return nullptr;
    }
    ENetPeer* peer = enet_host_connect(impl->enet, &to, 1, 0);
    ENetEvent event{};
    // In short waits: ENet sends the request again only while it is serviced.
    const auto connectBy = Clock::now() + std::chrono::milliseconds(CONNECT_TIMEOUT_MS);
    while (peer && event.type != ENET_EVENT_TYPE_CONNECT && Clock::now() < connectBy)
        if (enet_host_service(impl->enet, &event, 50) < 0) break;
    if (!peer || event.type != ENET_EVENT_TYPE_CONNECT) {
        error = "no game is hosted at " + where + " (no answer)";
        return nullptr;
    }
    enet_peer_timeout(peer, 0, PEER_TIMEOUT_MIN_MS, PEER_TIMEOUT_MAX_MS);
    impl->links.emplace_back(peer);
    Hello hello;
    hello.gameVersion = identity.gameVersion;
    hello.architecture = identity.architecture;
    hello.dataDigest = identity.dataDigest;
    hello.fontDigest = identity.fontDigest;
    hello.name = name;
    send(peer, hello);
    const auto deadline = Clock::now() + std::chrono::milliseconds(WELCOME_TIMEOUT_MS);
    while (Clock::now() < deadline) {
        if (enet_host_service(impl->enet, &event, 50) <= 0) continue;
        if (event.type == ENET_EVENT_TYPE_DISCONNECT) {
            error = "the host at " + where + " closed the connection";
            impl->links.clear();
            return nullptr;
        }
        if (event.type != ENET_EVENT_TYPE_RECEIVE) continue;
        std::string problem;
        const std::optional<Message> message =
            decode(std::span<const std::uint8_t>(event.packet->data, event.packet->dataLength), problem);
        enet_packet_destroy(event.packet);
        if (const auto* refuse = message ? std::get_if<Refuse>(&*message) : nullptr) {
            error = "the host at " + where + " refused to let this machine join: " + refuse->reason;
            return nullptr;
        }
        if (const auto* welcome = message ? std::get_if<Welcome>(&*message) : nullptr) {
            impl->links.front().id = welcome->peer;
            impl->settings = welcome->settings;
            impl->traffic.peers = 1;
            Impl* raw = impl.get();
            impl->thread = std::thread([raw] { raw->run(); });
            return std::unique_ptr<Session>(new Session(std::move(impl)));
        }
        error = "the host at " + where + " answered with something else than a welcome";
        return nullptr;
    }
    error = "the host at " + where + " did not answer in time";
    return nullptr;
}

bool Session::hosting() const { return impl_->hosting; }

const std::string& Session::hostSettings() const { return impl_->settings; }

void Session::submit(const ScriptEvent& input) {
    const std::lock_guard lock(impl_->mutex);
    if (impl_->hosting) {
        ScriptEvent event = input;
        event.peer = 0;
        impl_->notePointer(event);
        impl_->stampInput(event, input.frame);
    } else {
        ScriptEvent event = input;
        event.peer = 0;
        impl_->outbox.emplace_back(Input{event});
    }
}

bool Session::reach(std::int64_t frame, std::vector<ScriptEvent>& due) {
    Impl& s = *impl_;
    std::unique_lock lock(s.mutex);
    // The clock starts with the host's game, which may take a while to load.
    if (s.hosting && !s.started) s.started = Clock::now();
    // The frames held beyond the clock's are for the events to arrive in time, not to be run yet;
    // once the host has gone, every frame held is played out.
    s.held.wait(lock, [&] {
        return s.closedUpTo >= frame + INPUT_DELAY - 1 || s.stopNow || s.leaving || !s.ended.empty();
    });
    if (s.stopNow || s.leaving || s.closedUpTo < frame) return false;
    while (s.delivered < s.history.size() && s.history[s.delivered].frame <= frame) due.push_back(s.history[s.delivered++]);
    return true;
}

std::int64_t Session::heldAhead(std::int64_t frame) const {
    const std::lock_guard lock(impl_->mutex);
    return impl_->closedUpTo - frame;
}

void Session::noteFrameHash(std::int64_t presents, std::uint64_t hash) {
    if (presents % HASH_EVERY != 0) return;
    Impl& s = *impl_;
    const std::lock_guard lock(s.mutex);
    if (!s.hosting) {
        s.outbox.emplace_back(FrameHash{presents, hash});
        return;
    }
    s.ownHashes[presents] = hash;
    for (Link& link : s.links) {
        const auto waiting = link.hashes.find(presents);
        if (waiting == link.hashes.end()) continue;
        const std::uint64_t theirs = waiting->second;
        link.hashes.erase(waiting);
        s.compareHash(link, presents, theirs);
    }
}

void Session::setGameState(int actingPeer, bool joinable) {
    const std::lock_guard lock(impl_->mutex);
    if (actingPeer != impl_->actingPeer) impl_->handPointer(actingPeer);
    impl_->actingPeer = actingPeer;
    impl_->joinable = joinable;
}

void Session::leave() {
    const std::lock_guard lock(impl_->mutex);
    impl_->leaving = true;
    impl_->endSession("You left the online game.", true);
}

std::string Session::endReason() const {
    const std::lock_guard lock(impl_->mutex);
    return impl_->ended;
}

bool Session::outOfStep() const {
    const std::lock_guard lock(impl_->mutex);
    return impl_->outOfStep;
}

std::string saveReport(const std::string& script) {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::temp_directory_path(error);
    if (error) return {};
    const std::filesystem::path file =
        directory / ("ramparo-out-of-step-" + std::to_string(static_cast<long long>(getpid())) + ".txt");
    std::ofstream out(file, std::ios::binary);
    out << script;
    out.close();
    if (!out) return {};
    return " The game's input is in " + file.string() + " for a bug report.";
}

Traffic Session::traffic() const {
    const std::lock_guard lock(impl_->mutex);
    Traffic t = impl_->traffic;
    if (impl_->hosting) t.peers = impl_->joined;
    return t;
}

}  // namespace platform::net
