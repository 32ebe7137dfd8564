#include "udp_proxy.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

sockaddr_in loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool same(const sockaddr_in& a, const sockaddr_in& b) {
    return a.sin_addr.s_addr == b.sin_addr.s_addr && a.sin_port == b.sin_port;
}

int boundSocket(std::uint16_t port) {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in address = loopback(port);
    if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

struct Held {
    int fd;  // the socket it leaves by
    sockaddr_in to;
    std::vector<char> bytes;
};

}  // namespace

namespace e2e {

UdpProxy::UdpProxy(std::uint16_t wanted, std::uint16_t target, UdpProxyOptions chosen)
    : targetPort(target), options(chosen), listenFd(boundSocket(wanted)) {
    sockaddr_in bound{};
    socklen_t size = sizeof bound;
    if (listenFd < 0 || getsockname(listenFd, reinterpret_cast<sockaddr*>(&bound), &size) != 0) return;
    listenPort = ntohs(bound.sin_port);
    thread = std::thread(&UdpProxy::run, this);
}

UdpProxy::~UdpProxy() {
    stopping = true;
    if (thread.joinable()) thread.join();
    if (listenFd >= 0) close(listenFd);
}

void UdpProxy::run() {
    std::mt19937 random(options.seed);
    std::uniform_int_distribution<int> delayMs(0, std::max(0, options.maxDelayMs));
    std::bernoulli_distribution drop(std::clamp(options.dropRate, 0.0, 1.0));
    const sockaddr_in target = loopback(targetPort);
    // Each client gets its own socket toward the target, so the target tells them apart and its
    // answers find their way back.
    std::vector<std::pair<sockaddr_in, int>> clients;
    std::multimap<Clock::time_point, Held> held;  // equal times keep their arrival order
    std::vector<char> buffer(65536);
    sockaddr_in from{};
    const auto receive = [&](int fd) {
        socklen_t size = sizeof from;
        return recvfrom(fd, buffer.data(), buffer.size(), MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&from), &size);
    };
    // Fates are drawn in the order datagrams arrive: a seed always gives the n-th one the same fate.
    const auto take = [&](ssize_t size, int fd, const sockaddr_in& to) {
        if (drop(random)) return void(++droppedCount);
        held.emplace(Clock::now() + std::chrono::milliseconds(delayMs(random)),
                     Held{fd, to, {buffer.begin(), buffer.begin() + size}});
    };
    while (!stopping) {
        for (; !held.empty() && held.begin()->first <= Clock::now(); held.erase(held.begin())) {
            const Held& out = held.begin()->second;
            ++forwardedCount;  // counted first, so whoever receives it already sees it counted
            sendto(out.fd, out.bytes.data(), out.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&out.to),
                   sizeof out.to);
        }
        // Wakes for the next datagram due, and at least every 10 ms to notice the destructor.
        long waitMs = 10;
        if (!held.empty())
            waitMs = std::clamp<long>(
                std::chrono::ceil<std::chrono::milliseconds>(held.begin()->first - Clock::now()).count(), 0, waitMs);
        std::vector<pollfd> polled{{listenFd, POLLIN, 0}};
        for (const auto& client : clients) polled.push_back({client.second, POLLIN, 0});
        if (poll(polled.data(), polled.size(), static_cast<int>(waitMs)) <= 0) continue;
        for (std::size_t i = 1; i < polled.size(); ++i)
            if (polled[i].revents & POLLIN)
                if (const ssize_t size = receive(polled[i].fd); size >= 0 && same(from, target))
                    take(size, listenFd, clients[i - 1].first);
        const ssize_t size = polled[0].revents & POLLIN ? receive(listenFd) : -1;
        if (size < 0) continue;
        auto client = std::find_if(clients.begin(), clients.end(), [&](const auto& c) { return same(c.first, from); });
        if (client == clients.end()) {
            const int fd = boundSocket(0);
            if (fd < 0) continue;
            client = clients.insert(clients.end(), {from, fd});
        }
        take(size, client->second, target);
    }
    for (const auto& client : clients) close(client.second);
}

}  // namespace e2e
