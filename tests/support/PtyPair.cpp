#include "support/PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zaq::test {

PtyPair::PtyPair() {
    char name[128] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (::openpty(&master_, &slave_, name, &raw, nullptr) == 0) {
        device_ = QString::fromLocal8Bit(name);
    }
}

PtyPair::~PtyPair() {
    if (master_ >= 0) {
        ::close(master_);
    }
    if (slave_ >= 0) {
        ::close(slave_);
    }
}

void PtyPair::write(const QByteArray& bytes) {
    [[maybe_unused]] const ssize_t n = ::write(master_, bytes.constData(), bytes.size());
}

QByteArray PtyPair::read(int ms) {
    QByteArray got;
    pollfd p{master_, POLLIN, 0};
    while (::poll(&p, 1, got.isEmpty() ? ms : 20) > 0) {
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        got.append(buffer, n);
    }
    return got;
}

}  // namespace zaq::test
