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

// The byte is read so that the notifier falls quiet; exit() rather than quit(), because Qt 6's
// quit() first asks every window to close and the main window refuses.
void endEventLoop() {
    char bytes[16];
    [[maybe_unused]] const ssize_t n = ::read(signalPair[0], bytes, sizeof bytes);
    QCoreApplication::exit(0);
}

}  // namespace

void installQuitSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPair) != 0) {
        return;
    }
    auto* notifier =
        new QSocketNotifier(signalPair[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { endEventLoop(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace zaq
