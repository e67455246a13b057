#pragma once

#include <QString>

namespace zaq {

// The "ATENCION" boxes: warnings with OK only, questions with OK and Cancel, and the general
// error report that ends the event being handled.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual void warn(const QString& text) = 0;
    // True for OK, false for Cancel.
    virtual bool ask(const QString& text) = 0;
    virtual void reportError(const QString& text) = 0;
};

}  // namespace zaq
