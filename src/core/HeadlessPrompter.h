#pragma once

#include "ui/Prompter.h"

namespace zaq {

class MessagesList;

// Without windows there is nobody to answer: every question is answered Cancel, and the boxes
// are written to the messages list instead.
class HeadlessPrompter final : public Prompter {
  public:
    void attach(MessagesList& messages) { messages_ = &messages; }

    void warn(const QString& text) override;
    bool ask(const QString& text) override;
    void reportError(const QString& text) override;

  private:
    void say(const QString& line);
    MessagesList* messages_ = nullptr;
};

}  // namespace zaq
