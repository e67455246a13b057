#include "station/IcmpPinger.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace zaq {
namespace {

constexpr int kPayload = 56;
constexpr int kTimeToLive = 64;
constexpr int kTimeoutMs = 500;
constexpr std::uint16_t kIdentifier = 0x5A51;  // "ZQ"

std::uint16_t checksum(const unsigned char* data, std::size_t length) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    }
    if (length % 2) {
        sum += static_cast<std::uint32_t>(data[length - 1] << 8);
    }
    while (sum >> 16) {
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum);
}

using SteadyClock = std::chrono::steady_clock;

// One name lookup, shared by the ping that waits for it and the thread that makes it.
struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool found = false;
    sockaddr_in address{};
};

void lookUp(const std::string& host, const std::shared_ptr<Lookup>& lookup) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    const bool ok = ::getaddrinfo(host.c_str(), nullptr, &hints, &found) == 0;
    const std::lock_guard lock(lookup->mutex);
    if (ok) {
        std::memcpy(&lookup->address, found->ai_addr, sizeof lookup->address);
        ::freeaddrinfo(found);
    }
    lookup->found = ok;
    lookup->finished = true;
    lookup->done.notify_one();
}

// A name lookup cannot be cancelled and has no time-out of its own: it runs on a thread of its
// own, and the ping waits for it only until its deadline (a late answer is dropped).
bool resolve(const QString& host, sockaddr_in& address, SteadyClock::time_point deadline) {
    if (host.isEmpty()) {
        return false;
    }
    const std::string name = host.toStdString();
    address.sin_family = AF_INET;
    if (::inet_pton(AF_INET, name.c_str(), &address.sin_addr) == 1) {
        return true;
    }
    auto lookup = std::make_shared<Lookup>();
    std::thread(lookUp, name, lookup).detach();
    std::unique_lock lock(lookup->mutex);
    if (!lookup->done.wait_until(lock, deadline, [&] { return lookup->finished; })) {
        return false;
    }
    address = lookup->address;
    return lookup->found;
}

class Socket {
  public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

// An echo reply to our request, with or without the IP header in front (raw or ping socket).
bool isOurReply(const unsigned char* data, ssize_t length, bool raw, std::uint16_t sequence) {
    if (raw) {
        if (length < static_cast<ssize_t>(sizeof(iphdr))) {
            return false;
        }
        const std::size_t header = static_cast<std::size_t>(data[0] & 0x0F) * 4;
        data += header;
        length -= static_cast<ssize_t>(header);
    }
    if (length < static_cast<ssize_t>(sizeof(icmphdr))) {
        return false;
    }
    icmphdr reply;
    std::memcpy(&reply, data, sizeof reply);
    return reply.type == ICMP_ECHOREPLY && ntohs(reply.un.echo.sequence) == sequence &&
           (!raw || ntohs(reply.un.echo.id) == kIdentifier);
}

}  // namespace

int IcmpPinger::openSocket(bool& raw) {
    raw = false;
    int fd = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP);
    if (fd < 0) {
        raw = true;
        fd = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
    }
    if (fd < 0 && !reported_) {
        reported_ = true;
        report_(QStringLiteral("Ping no disponible: ") +
                QString::fromLocal8Bit(std::strerror(errno)));
    }
    return fd;
}

// The time-out counts from the start: a name lookup with the resolver down uses it up.
bool IcmpPinger::ping(const QString& host) {
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(kTimeoutMs);
    sockaddr_in target{};
    if (!resolve(host, target, deadline)) {
        return false;
    }
    bool raw = false;
    const Socket socket(openSocket(raw));
    if (socket.fd() < 0) {
        return false;
    }
    const int ttl = kTimeToLive;
    ::setsockopt(socket.fd(), IPPROTO_IP, IP_TTL, &ttl, sizeof ttl);

    const std::uint16_t sequence = ++sequence_;
    std::array<unsigned char, sizeof(icmphdr) + kPayload> packet{};
    icmphdr request{};
    request.type = ICMP_ECHO;
    request.un.echo.id = htons(kIdentifier);
    request.un.echo.sequence = htons(sequence);
    std::memcpy(packet.data(), &request, sizeof request);
    for (int i = 0; i < kPayload; ++i) {
        packet[sizeof request + static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    }
    const std::uint16_t sum = htons(checksum(packet.data(), packet.size()));
    std::memcpy(packet.data() + offsetof(icmphdr, checksum), &sum, sizeof sum);
    if (::sendto(socket.fd(), packet.data(), packet.size(), 0,
                 reinterpret_cast<const sockaddr*>(&target), sizeof target) < 0) {
        return false;
    }

    std::array<unsigned char, 1500> reply{};
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
        pollfd p{socket.fd(), POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = ::recvfrom(socket.fd(), reply.data(), reply.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n > 0 && from.sin_addr.s_addr == target.sin_addr.s_addr &&
            isOurReply(reply.data(), n, raw, sequence)) {
            return true;
        }
    }
}

}  // namespace zaq
