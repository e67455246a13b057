#pragma once

#include <QString>

#include "ZaqSnapshot.h"

namespace zaq::indi {

// The program's zaq.Weather object on the session bus, asked with blocking calls of a few
// seconds at most (the drivers' own loop waits meanwhile).
class ZaqBusClient {
  public:
    ZaqBusClient();

    ZaqSnapshot read() const;
    // Empty when the program took the order; otherwise its refusal or why it was not reached.
    QString openRoof() const;
    QString closeRoof() const;

  private:
    QString order(const char* method) const;
};

}  // namespace zaq::indi
