#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace zaqsim {

// The station's line to the PC: a network adapter's TCP port or a serial line.
class SimLink : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    virtual bool open(QString& error) = 0;
    virtual void write(const QByteArray& bytes) = 0;

  signals:
    void received(const QByteArray& bytes);
    void note(const QString& text);
};

}  // namespace zaqsim
