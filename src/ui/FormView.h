#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "ui/FormControls.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zaq {

// The base of every window: it draws its form's controls, hands the user's edits back to the
// form, and follows the form's window state (shown, hidden, raised, focus). It keeps no state
// of its own that the logic depends on.
class FormView : public QWidget {
  public:
    explicit FormView(WindowState& window, QWidget* parent = nullptr);

    // Draws the form now; also called every 100 ms while shown.
    void refresh();

  protected:
    void bindLabel(QLabel* widget, const Control& control);
    void bindEdit(QLineEdit* widget, Edit& edit);
    void bindCheck(QCheckBox* widget, CheckBox& box);
    void bindButton(QPushButton* widget, Button& button, std::function<void()> click);
    void bindRadioGroup(const std::vector<QRadioButton*>& widgets, RadioGroup& group,
                        std::function<void(int)> choose);
    // A widget the logic may ask to have the keyboard focus.
    void focusTarget(const QString& name, QWidget* widget) { focusTargets_[name] = widget; }

    void closeEvent(QCloseEvent* event) override;

  private:
    void addRenderer(std::function<void()> render);
    void followWindowState();

    WindowState& window_;
    std::vector<std::function<void()>> renderers_;
    std::map<QString, QWidget*> focusTargets_;
    QTimer refresher_;
    int raiseSeen_ = 0;
    int focusSeen_ = 0;
};

}  // namespace zaq
