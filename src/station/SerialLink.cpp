#include "station/SerialLink.h"

namespace zaq {
namespace {
// At 9600 bit/s a command of 15 characters takes 16 ms.
constexpr int kFlushMs = 100;
}  // namespace
namespace {
// The driver queues of the station PC, each way.
constexpr qint64 kQueueBytes = 10000;
}  // namespace

QString SerialLink::deviceName() const {
    if (!deviceOverride_.isEmpty()) {
        return deviceOverride_;
    }
    return QStringLiteral("/dev/ttyS%1").arg(portNumber_ - 1);
}

void SerialLink::openSerial(int speedCode) {
    closeSerial();
    openOk_ = true;
    if (portNumber_ <= 0) {
        return;
    }
    port_.setPortName(deviceName());
    port_.setReadBufferSize(kQueueBytes);
    if (!port_.open(QIODevice::ReadWrite)) {
        openOk_ = false;
        return;
    }
    port_.setBaudRate(speedCode == 9 ? QSerialPort::Baud9600 : QSerialPort::Baud57600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
}

// Whatever the port number is now: a save of 0 must still close the device opened before.
void SerialLink::closeSerial() {
    if (port_.isOpen()) {
        // What was written just before (a speed change) must leave before the line closes.
        port_.waitForBytesWritten(kFlushMs);
        port_.close();
    }
}

QByteArray SerialLink::readWaiting(int max) {
    if (!port_.isOpen() || port_.error() != QSerialPort::NoError) {
        port_.clearError();
        return {};
    }
    return port_.read(std::min<qint64>(max, port_.bytesAvailable()));
}

void SerialLink::write(const QByteArray& bytes) {
    if (port_.isOpen()) {
        port_.write(bytes);
    }
}

}  // namespace zaq
