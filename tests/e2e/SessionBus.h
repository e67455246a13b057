#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace zaq::test {

// A session bus of the test's own, run by dbus-run-session, with the XDG directories of a test
// directory, so that activation finds what the program registered there; and gdbus, the bus's
// own client, to talk to it.
class SessionBus {
  public:
    struct Reply {
        int exitCode = -1;
        QString out;
        QString err;
    };

    // `extra` goes into the environment of the bus and so of every program it activates.
    explicit SessionBus(const QString& dir, const QProcessEnvironment& extra = {});
    ~SessionBus();

    QString address() const { return address_; }
    // The environment of the test directory and this bus, for a program started by the test.
    QProcessEnvironment environment() const;

    Reply gdbus(const QStringList& arguments) const;
    // A property of zaq.IWeather as gdbus prints it, e.g. "(<12.5>,)".
    Reply get(const QString& property, const QString& interface = "zaq.IWeather") const;
    Reply set(const QString& property, const QString& gvariant) const;
    Reply call(const QString& method) const;
    bool nameHasOwner(const QString& name) const;

  private:
    QProcessEnvironment environment_;
    QProcess runner_;
    QString address_;
};

}  // namespace zaq::test
