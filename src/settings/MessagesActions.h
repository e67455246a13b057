#pragma once

#include <QString>

namespace zaq {

class Clock;
class CommandQueue;
class MessagesList;
class Prompter;
struct Configuration;
struct MessagesForm;
struct SettingsForm;

// The messages window's buttons: the terminal's "Enviar", "Borrar", "Guardar", "Ayuda" and
// "Version".
class MessagesActions {
  public:
    struct Deps {
        MessagesForm& form;
        MessagesList& messages;
        const SettingsForm& settings;
        const Configuration& config;
        CommandQueue& queue;
        Prompter& prompter;
        const Clock& clock;
    };

    // The list is saved only while it holds fewer characters than this.
    static constexpr qsizetype kMaxSavedText = 300000;

    explicit MessagesActions(const Deps& deps) : p_(deps) {}

    void Benvia_terminalClick();
    void BClearHistoryClick();
    void Button1Click();
    void BAyudaClick();
    void BVersionClick();

    // The data directory and the date and time: "07_03_2024 14-05-09.txt".
    QString savedListName() const;

  private:
    Deps p_;
};

}  // namespace zaq
