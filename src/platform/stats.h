// The statistics of a headless run, written as one JSON object when it ends (--stats).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace platform {

struct RunStats {
    std::int64_t frames = 0;              // frames presented
    std::uint64_t frameHash = 0;          // every presented frame, chained in order
    // The hash of the frame on screen at each script "hash" command: (frame, hash).
    std::vector<std::pair<std::int64_t, std::uint64_t>> frameHashes;
    int battles = 0;                      // battles played to their end
    std::vector<std::string> errorBoxes;  // texts, in order
    std::map<int, int> soundsPlayed;      // sound id -> times started
    std::vector<double> frameMs;          // CPU time of each game frame
    std::vector<double> setupMs;          // each battle set-up
    std::string exit;                     // how the run ended
    std::vector<int> winners;             // by battle, when asked for (RAMPARO_STATS_WINNERS=1)
    // An online game's traffic (--host, --join).
    bool online = false;
    std::uint64_t bytesSent = 0;
    std::uint64_t bytesReceived = 0;
    int peers = 0;
};

// The p-th percentile (0..100) by nearest rank; 0 for no values.
double percentile(std::vector<double> values, double p);

std::string statsJson(const RunStats& stats);

}  // namespace platform
