#pragma once

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <memory>

#include "SimLink.h"

namespace zaqsim {

// A pseudo-terminal standing in for the serial line; LINK is made a symbolic link to its device
// and removed again when the simulator ends.
class PtyLink final : public SimLink {
    Q_OBJECT
  public:
    explicit PtyLink(QString linkPath, QObject* parent = nullptr)
        : SimLink(parent), linkPath_(std::move(linkPath)) {}
    ~PtyLink() override;

    bool open(QString& error) override;
    void write(const QByteArray& bytes) override;

  private:
    void readMaster();
    void flush();

    QString linkPath_;
    int master_ = -1;
    int slave_ = -1;  // held open so the line stays up while the PC reopens it
    std::unique_ptr<QSocketNotifier> readable_;
    std::unique_ptr<QSocketNotifier> writable_;
    QByteArray pending_;
    QElapsedTimer sinceProgress_;
    bool linked_ = false;
};

}  // namespace zaqsim
