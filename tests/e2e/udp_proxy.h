// A UDP relay on 127.0.0.1 for the online end-to-end tests: clients talk to listenPort as if it were
// the host at targetPort; every datagram, both ways, is held back a random time (which reorders
// them) or dropped. The randomness is seeded: a seed draws the same delays and losses every run.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <thread>

namespace e2e {

struct UdpProxyOptions {
    int maxDelayMs = 0;     // each datagram waits 0..maxDelayMs
    double dropRate = 0.0;  // the fraction lost, 0..1
    unsigned seed = 1;
};

class UdpProxy {
public:
    // listenPort 0 takes a free port (see port()).
    UdpProxy(std::uint16_t listenPort, std::uint16_t targetPort, UdpProxyOptions options = {});
    ~UdpProxy();  // stops and joins; datagrams still held back are lost

    bool ok() const { return listenPort != 0; }  // listening, and its thread running
    std::uint16_t port() const { return listenPort; }
    std::size_t forwarded() const { return forwardedCount; }
    std::size_t dropped() const { return droppedCount; }

private:
    void run();

    std::uint16_t listenPort = 0;
    std::uint16_t targetPort;
    UdpProxyOptions options;
    int listenFd = -1;
    std::atomic<bool> stopping{false};
    std::atomic<std::size_t> forwardedCount{0};
    std::atomic<std::size_t> droppedCount{0};
    std::thread thread;
};

}  // namespace e2e
