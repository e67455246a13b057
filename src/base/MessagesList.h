#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "base/MessagesForm.h"

namespace zaq {

// The program's console: every module adds its lines here, and asks for the window when it has
// something urgent to say.
class MessagesList {
  public:
    using Listener = std::function<void(const QString&)>;

    explicit MessagesList(MessagesForm& form) : form_(form) {}

    void addMessage(const QString& text);
    void showMessagesWindow() { form_.window.show(); }
    void clear();

    // The whole list as saved: every line followed by CR LF.
    QString text() const;
    qsizetype textLength() const;

    // Called for every added line (the headless program prints them).
    void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

    bool showDataMessages() const { return form_.CBHistoriaMeteo.checked; }
    bool showControlMessages() const { return form_.CBMensCorto.checked; }

  private:
    MessagesForm& form_;
    std::vector<Listener> listeners_;
};

}  // namespace zaq
