#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include "BenchPlatform.h"
#include "alpaca/AlpacaServer.h"

namespace {

// A client on a thread of its own with a plain blocking socket: `issafe` asked again as soon as
// each answer is in, over one kept-alive connection (a new one if the server closes it).
class IsSafeClient : public QThread {
  public:
    IsSafeClient(quint16 port, int seconds) : port_(port), seconds_(seconds) {}
    std::vector<double> latenciesMs;
    int failures = 0;

  private:
    void run() override {
        QElapsedTimer clock;
        clock.start();
        int fd = -1;
        while (clock.elapsed() < seconds_ * 1000LL) {
            if (fd < 0 && (fd = connectToServer()) < 0) {
                ++failures;
                continue;
            }
            const qint64 start = clock.nsecsElapsed();
            if (!ask(fd)) {
                ::close(fd);
                fd = -1;
                ++failures;
                continue;
            }
            latenciesMs.push_back((clock.nsecsElapsed() - start) / 1e6);
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }

    int connectToServer() const {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port_);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    // One request and its whole answer, headers and the body their length names.
    static bool ask(int fd) {
        static const std::string request =
            "GET /api/v1/safetymonitor/0/issafe?ClientTransactionID=1 HTTP/1.1\r\n"
            "Host: 127.0.0.1\r\n\r\n";
        if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(request.size())) {
            return false;
        }
        std::string answer;
        char chunk[4096];
        std::size_t needed = std::string::npos;
        while (needed == std::string::npos || answer.size() < needed) {
            const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
            if (got <= 0) {
                return false;
            }
            answer.append(chunk, static_cast<std::size_t>(got));
            const std::size_t end = answer.find("\r\n\r\n");
            if (needed == std::string::npos && end != std::string::npos) {
                std::string head = answer.substr(0, end);
                std::transform(head.begin(), head.end(), head.begin(), ::tolower);
                const std::size_t length = head.find("content-length:");
                needed = end + 4 +
                         (length == std::string::npos ? 0 : std::stoul(head.substr(length + 15)));
            }
        }
        return answer.compare(0, 12, "HTTP/1.1 200") == 0;
    }

    quint16 port_;
    int seconds_;
};

// Eight clients asking `issafe` as fast as they are answered while the station feeds a live
// message every second; the 100 ms pump's lateness shows whether they crowd out the program.
void BM_AlpacaIsSafe(benchmark::State& state) {
    constexpr int kClients = 8;
    constexpr int kSeconds = 5;
    zaq::bench::BenchProgram program;
    zaq::AlpacaServer server(program.app.weather, program.app.messages);
    server.start(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPorts().value(0);

    for (auto _ : state) {
        std::vector<std::unique_ptr<IsSafeClient>> clients;
        for (int i = 0; i < kClients; ++i) {
            clients.push_back(std::make_unique<IsSafeClient>(port, kSeconds));
        }
        zaq::bench::StationUnderLoad station(program);
        QEventLoop loop;
        int running = kClients;
        for (auto& client : clients) {
            QObject::connect(client.get(), &QThread::finished, &loop, [&] {
                if (--running == 0) {
                    loop.quit();
                }
            });
        }
        station.start();
        for (auto& client : clients) {
            client->start();
        }
        loop.exec();

        std::vector<double> all;
        int failures = 0;
        for (auto& client : clients) {
            client->wait();
            all.insert(all.end(), client->latenciesMs.begin(), client->latenciesMs.end());
            failures += client->failures;
        }
        std::sort(all.begin(), all.end());
        state.counters["requests_per_s"] = static_cast<double>(all.size()) / kSeconds;
        state.counters["p50_ms"] = zaq::bench::quantile(all, 0.50);
        state.counters["p99_ms"] = zaq::bench::quantile(all, 0.99);
        state.counters["failures"] = failures;
        state.counters["pump_late_max_ms"] = station.worstLateMs();
    }
}
BENCHMARK(BM_AlpacaIsSafe)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
