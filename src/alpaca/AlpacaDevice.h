#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

#include "alpaca/AlpacaCall.h"

namespace zaq {

// One Alpaca device (number 0 of its type): the members every device shares, and a table of
// its own. A member of the table needs the client's connection unless it says otherwise.
class AlpacaDevice {
  public:
    virtual ~AlpacaDevice() = default;

    // As the interface names the type ("SafetyMonitor"); its paths use it in lower case.
    virtual QString typeName() const = 0;
    QString deviceType() const { return typeName().toLower(); }
    virtual QString deviceName() const = 0;
    virtual QString description() const = 0;
    virtual int interfaceVersion() const = 0;

    AlpacaOutcome call(const AlpacaCall& call);
    bool connected() const { return connected_; }

  protected:
    using Run = std::function<AlpacaOutcome(const AlpacaCall&)>;
    struct Member {
        bool put = false;
        bool needsConnection = true;
        Run run;
    };

    AlpacaDevice();
    void addGet(const QString& name, Run run, bool needsConnection = true);
    void addPut(const QString& name, Run run, bool needsConnection = true);
    // The members `devicestate` lists, in this order.
    void setStateMembers(QStringList names) { stateMembers_ = std::move(names); }

  private:
    AlpacaOutcome setConnected(const AlpacaCall& call);
    AlpacaOutcome deviceState();

    std::map<QString, Member> members_;
    QStringList stateMembers_;
    bool connected_ = false;
};

// A boolean parameter as Alpaca writes it ("True" or "False", in any case).
std::optional<bool> alpacaBool(const QString& text);

}  // namespace zaq
