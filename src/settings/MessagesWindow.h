#pragma once

#include "ui/FormView.h"

class QPlainTextEdit;

namespace zaq {

struct AppContext;

// The messages window (THistorico): the message list above, the filters, the terminal, the
// "Sol" panel and the datalogger panel below.
class MessagesWindow final : public FormView {
  public:
    explicit MessagesWindow(AppContext& app, QWidget* parent = nullptr);

  private:
    QWidget* buildMessagesPanel();
    QWidget* buildSunPanel();
    QWidget* buildDataloggerPanel();
    void showNewLines();

    AppContext& app_;
    QPlainTextEdit* history_ = nullptr;
    qsizetype linesShown_ = 0;
    int clearsSeen_ = 0;
};

}  // namespace zaq
