#include "PtyLink.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zaqsim {
namespace {
// With nobody reading the line for this long, what waits is lost, as on a real serial line.
constexpr qint64 kStaleMs = 2000;
}  // namespace

PtyLink::~PtyLink() {
    if (linked_) {
        QFile::remove(linkPath_);
    }
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

bool PtyLink::open(QString& error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const char* device = ::ptsname(master_);
    slave_ = device ? ::open(device, O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
    if (slave_ < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);

    const QFileInfo existing(linkPath_);
    if (existing.isSymLink()) {
        QFile::remove(linkPath_);
    } else if (existing.exists()) {
        error = QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath_);
        return false;
    }
    if (::symlink(device, QFile::encodeName(linkPath_).constData()) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    linked_ = true;
    readable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    connect(readable_.get(), &QSocketNotifier::activated, this, &PtyLink::readMaster);
    writable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
    writable_->setEnabled(false);
    connect(writable_.get(), &QSocketNotifier::activated, this, &PtyLink::flush);
    emit note(
        QStringLiteral("serial line %1 -> %2").arg(linkPath_, QString::fromLocal8Bit(device)));
    return true;
}

void PtyLink::readMaster() {
    char buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0) {
        emit received(QByteArray(buffer, static_cast<qsizetype>(n)));
    }
}

void PtyLink::write(const QByteArray& bytes) {
    if (!pending_.isEmpty() && sinceProgress_.isValid() && sinceProgress_.elapsed() > kStaleMs) {
        pending_.clear();
        ::tcflush(slave_, TCIFLUSH);
    }
    if (pending_.isEmpty()) {
        sinceProgress_.start();
    }
    pending_ += bytes;
    flush();
}

void PtyLink::flush() {
    while (!pending_.isEmpty()) {
        const ssize_t n =
            ::write(master_, pending_.constData(), static_cast<size_t>(pending_.size()));
        if (n <= 0) {
            break;
        }
        pending_.remove(0, n);
        sinceProgress_.start();
    }
    writable_->setEnabled(!pending_.isEmpty());
}

}  // namespace zaqsim
