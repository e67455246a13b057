#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

namespace zaq {

// The station's serial line. Port number n opens /dev/ttyS(n−1), or the device given with
// --serial-device; 0 means the data come over the network and nothing is opened.
class SerialLink {
  public:
    SerialLink(const int& portNumber, QString deviceOverride)
        : portNumber_(portNumber), deviceOverride_(std::move(deviceOverride)) {}

    // Speed code 9 is 9600 bit/s, any other 57600; eight data bits, no parity, one stop bit.
    void openSerial(int speedCode);
    void closeSerial();

    bool isOpen() const { return port_.isOpen(); }
    // False only when the open failed for a port number above 0.
    bool serialOpenOk() const { return openOk_; }
    QString deviceName() const;

    // What waits in the input, at most `max` bytes; nothing when closed or in error.
    QByteArray readWaiting(int max);
    void write(const QByteArray& bytes);

  private:
    const int& portNumber_;
    QString deviceOverride_;
    QSerialPort port_;
    bool openOk_ = true;
};

}  // namespace zaq
