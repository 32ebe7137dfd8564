// The relay the online tests play through: both ways, every datagram arrives (in some order) at
// the right end, each client getting its own answers; or, told to drop them all, none does.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "udp_proxy.h"

using e2e::UdpProxy;

namespace {

// A UDP socket on a free port of 127.0.0.1.
struct Socket {
    Socket() {
        sockaddr_in address = at(0);
        socklen_t size = sizeof address;
        bind(fd, reinterpret_cast<sockaddr*>(&address), size);
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
    }
    ~Socket() { close(fd); }
    static sockaddr_in at(std::uint16_t port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }
    void send(const std::string& text, const sockaddr_in& to) const {
        sendto(fd, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    // The next datagram, its sender kept in `from`; empty when none comes within a generous wait.
    std::string receive(int waitMs = 5000) {
        pollfd polled{fd, POLLIN, 0};
        char buffer[256];
        socklen_t size = sizeof from;
        const ssize_t got = poll(&polled, 1, waitMs) != 1 ? 0 : recvfrom(fd, buffer, sizeof buffer, 0,
                                                                         reinterpret_cast<sockaddr*>(&from), &size);
        return std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    }
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    std::uint16_t port = 0;
    sockaddr_in from{};
};

}  // namespace

TEST(UdpProxy, RelaysBothWaysToEachClientInSomeOrder) {
    Socket host, alice, bob;
    const UdpProxy proxy(0, host.port, {.maxDelayMs = 20, .dropRate = 0, .seed = 7});
    ASSERT_TRUE(proxy.ok());
    constexpr std::size_t COUNT = 20;
    std::vector<std::string> sent;
    std::multiset<std::string> toAlice, toBob;
    for (std::size_t i = 0; i < COUNT; ++i) {
        for (const Socket* client : {&alice, &bob}) {
            sent.push_back((client == &alice ? "alice " : "bob ") + std::to_string(i));
            client->send(sent.back(), Socket::at(proxy.port()));
        }
        toAlice.insert("re alice " + std::to_string(i));
        toBob.insert("re bob " + std::to_string(i));
    }
    std::vector<std::string> atHost;
    for (std::string text; atHost.size() < sent.size() && !(text = host.receive()).empty();) {
        atHost.push_back(text);
        host.send("re " + text, host.from);  // back through the socket that stands for its client
    }
    std::multiset<std::string> atAlice, atBob;
    for (std::string text; atAlice.size() < COUNT && !(text = alice.receive()).empty();) atAlice.insert(text);
    for (std::string text; atBob.size() < COUNT && !(text = bob.receive()).empty();) atBob.insert(text);
    EXPECT_NE(atHost, sent);  // held back by random times, they overtake each other
    EXPECT_EQ(std::multiset(atHost.begin(), atHost.end()), std::multiset(sent.begin(), sent.end()));
    EXPECT_EQ(atAlice, toAlice);
    EXPECT_EQ(atBob, toBob);
    EXPECT_EQ(proxy.forwarded(), 4u * COUNT);
    EXPECT_EQ(proxy.dropped(), 0u);
}

TEST(UdpProxy, DropsEverythingWhenToldTo) {
    Socket host, client;
    const UdpProxy proxy(0, host.port, {.maxDelayMs = 0, .dropRate = 1, .seed = 7});
    ASSERT_TRUE(proxy.ok());
    for (int i = 0; i < 10; ++i) client.send("lost", Socket::at(proxy.port()));
    // The proxy decides as each arrives, so once all ten are counted nothing can still be on its way.
    for (int polls = 0; proxy.dropped() < 10 && polls < 500; ++polls) poll(nullptr, 0, 10);
    EXPECT_EQ(proxy.dropped(), 10u);
    EXPECT_EQ(host.receive(0), "");
    EXPECT_EQ(proxy.forwarded(), 0u);
}
