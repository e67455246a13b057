#pragma once

#include <QByteArray>
#include <QString>

namespace zaq::test {

// A pseudo-terminal standing in for the station's serial line: the program opens `device()`,
// the test reads and writes the other end.
class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    QString device() const { return device_; }
    void write(const QByteArray& bytes);
    // What the program wrote, waiting up to `ms` for the first byte.
    QByteArray read(int ms = 200);

  private:
    int master_ = -1;
    int slave_ = -1;
    QString device_;
};

}  // namespace zaq::test
