#include "core/QuitSignals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace zaq {
namespace {

int signalPair[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPair[1], &byte, 1);
}

}  // namespace

void installQuitSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPair) != 0) {
        return;
    }
    auto* notifier =
        new QSocketNotifier(signalPair[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace zaq
