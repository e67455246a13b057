#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "ui/FormControls.h"

class QCheckBox;
class QDateEdit;
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
    void bindDate(QDateEdit* widget, DatePicker& picker, std::function<void()> changed = {});
    // A left click on the widget calls the logic, and the form is drawn again. An edit field
    // passes the click on (`consume` false), so it still takes the cursor.
    void onClick(QWidget* widget, std::function<void()> click, bool consume = true);
    // Any key pressed while the widget has the focus; the key still reaches it.
    void onKeyPress(QWidget* widget, std::function<void()> press);
    // The widget's context menu (right button): captions and their handlers.
    void onContextMenu(QWidget* widget,
                       std::vector<std::pair<QString, std::function<void()>>> items);
    // A widget the logic may ask to have the keyboard focus.
    void focusTarget(const QString& name, QWidget* widget) { focusTargets_[name] = widget; }

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Anything else the view draws from its form at every refresh.
    void addRenderer(std::function<void()> render);

  private:
    void followWindowState();

    WindowState& window_;
    std::vector<std::function<void()>> renderers_;
    std::map<QString, QWidget*> focusTargets_;
    std::map<QObject*, std::pair<std::function<void()>, bool>> clicks_;
    std::map<QObject*, std::function<void()>> keyPresses_;
    QTimer refresher_;
    int raiseSeen_ = 0;
    int focusSeen_ = 0;
};

}  // namespace zaq
