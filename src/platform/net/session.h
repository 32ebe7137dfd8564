// An online game: every machine runs the whole game, and only the players' input travels.
//
// The host is the sequencer. Each machine's local input goes to it; it gives every input the frame
// at which it takes effect (the sequencer's frame plus INPUT_DELAY) and sends every machine, the
// host's own game included, the closed list of each frame's events. A machine runs frame F only once
// it holds F's list, so all of them hand the game the same input at the same frame. The sequencer
// and the network run on the session's own thread, and its frames follow the clock, not the host's
// game: a slow frame or a message box on any machine, the host's too, never stalls the others; a
// game that fell behind runs its frames unpaced until it has caught up.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/script.h"

namespace platform::net {

constexpr std::uint16_t DEFAULT_PORT = 24680;
// Frames from the sequencer's frame (the clock's) to the frame an input made now takes effect in:
// the time it has to reach every machine.
constexpr std::int64_t INPUT_DELAY = 4;
// Every this many frames shown, each peer tells the host the hash of what it has shown.
constexpr std::int64_t HASH_EVERY = 60;

// What must be the same on two machines for their games to stay in step.
struct Identity {
    std::string gameVersion;
    std::string architecture;
    std::uint64_t dataDigest = 0;
    std::uint64_t fontDigest = 0;
};

struct Traffic {
    std::uint64_t bytesSent = 0;
    std::uint64_t bytesReceived = 0;
    int peers = 0;  // machines that joined (host), or 1 (joined)
};

class Session {
public:
    // Listens on `port` on every interface; the frames close at framesPerSecond from the host
    // game's first reach on. Null with the reason when the port cannot be had.
    static std::unique_ptr<Session> host(std::uint16_t port, const Identity& identity, const std::string& settings,
                                         int framesPerSecond, std::string& error);
    // Connects and shakes hands, waiting a few seconds at most. Null with the reason when the host
    // cannot be reached or refuses.
    static std::unique_ptr<Session> join(const std::string& address, std::uint16_t port, const std::string& name,
                                         const Identity& identity, std::string& error);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool hosting() const;
    // Joined: the host's settings, as a recording's first lines.
    const std::string& hostSettings() const;

    // --- Game thread ---
    // A local input (key, move, press, release). The host stamps its own; a peer sends it on.
    void submit(const ScriptEvent& input);
    // The game has reached `frame`: waits until the sequencer's clock has (as far as this machine
    // knows), which closes the frame, and moves the events of every frame up to it to `due`, in
    // order. False when the session has ended and the frame will never
    // come (endReason says why), or after leave.
    bool reach(std::int64_t frame, std::vector<ScriptEvent>& due);
    // How many frames beyond `frame` this machine holds: a peer that far behind runs unpaced.
    std::int64_t heldAhead(std::int64_t frame) const;
    // The chained hash of the first `presents` frames shown; compared every HASH_EVERY.
    void noteFrameHash(std::int64_t presents, std::uint64_t hash);
    // Host: whose input the game takes now (0: the host's) and whether machines may join.
    void setGameState(int actingPeer, bool joinable);

    // --- Any thread ---
    // Leaves the game (Escape on a joined machine, the window closing): every wait in reach ends,
    // and the other end hears of it.
    void leave();
    // Empty while the session lasts; else why it ended, as the player is told.
    std::string endReason() const;
    // It ended because the machines' games differ.
    bool outOfStep() const;
    Traffic traffic() const;

    struct Impl;

private:
    explicit Session(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// Writes the stream of a session that went out of step as a replayable script, for a bug report;
// the sentence telling the player where it is, or an empty one when it could not be written.
std::string saveReport(const std::string& script);

// The digests of the game's data files in the working directory and of the game's font file, the
// version and the processor architecture.
Identity localIdentity(const std::string& gameVersion);

}  // namespace platform::net
