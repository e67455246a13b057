#include "ui/FormView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "ui/ColourView.h"

namespace zaq {
namespace {

constexpr int kRefreshMs = 100;

void paint(QWidget* widget, const Control& control, QPalette::ColorRole background,
           QPalette::ColorRole text) {
    QPalette palette = widget->palette();
    const QPalette defaults = widget->style() ? widget->style()->standardPalette() : QPalette();
    const QColor bg = toQColor(control.colour, defaults);
    const QColor fg = toQColor(control.fontColour, defaults);
    if (palette.color(background) != bg || palette.color(text) != fg) {
        palette.setColor(background, bg);
        palette.setColor(text, fg);
        widget->setPalette(palette);
    }
    if (widget->toolTip() != control.hint) {
        widget->setToolTip(control.hint);
    }
    if (widget->isVisibleTo(widget->parentWidget()) != control.visible) {
        widget->setVisible(control.visible);
    }
    if (widget->isEnabled() != control.enabled) {
        widget->setEnabled(control.enabled);
    }
}

}  // namespace

FormView::FormView(WindowState& window, QWidget* parent) : QWidget(parent), window_(window) {
    refresher_.setInterval(kRefreshMs);
    connect(&refresher_, &QTimer::timeout, this, &FormView::refresh);
    refresher_.start();
}

// Drawn once at once, so the first layout already knows every caption.
void FormView::addRenderer(std::function<void()> render) {
    render();
    renderers_.push_back(std::move(render));
}

void FormView::refresh() {
    followWindowState();
    if (!isVisible()) {
        return;
    }
    for (const auto& render : renderers_) {
        render();
    }
}

void FormView::followWindowState() {
    if (windowTitle() != window_.caption) {
        setWindowTitle(window_.caption);
    }
    if (window_.visible != isVisible()) {
        setVisible(window_.visible);
    }
    if (window_.raiseCount != raiseSeen_) {
        raiseSeen_ = window_.raiseCount;
        raise();
        activateWindow();
    }
    if (window_.focusCount != focusSeen_) {
        focusSeen_ = window_.focusCount;
        if (const auto it = focusTargets_.find(window_.focusControl); it != focusTargets_.end()) {
            it->second->setFocus();
        }
    }
}

void FormView::closeEvent(QCloseEvent* event) {
    // Closing a window only hides it.
    window_.hide();
    event->accept();
}

void FormView::bindDate(QDateEdit* widget, DatePicker& picker, std::function<void()> changed) {
    connect(widget, &QDateEdit::userDateChanged, this, [this, &picker, changed](const QDate& date) {
        picker.date = date;
        if (changed) {
            changed();
            refresh();
        }
    });
    addRenderer([widget, &picker] {
        if (picker.date.isValid() && widget->date() != picker.date) {
            const QSignalBlocker quiet(widget);
            widget->setDate(picker.date);
        }
    });
}

void FormView::onClick(QWidget* widget, std::function<void()> click, bool consume) {
    clicks_[widget] = {std::move(click), consume};
    widget->installEventFilter(this);
}

void FormView::onKeyPress(QWidget* widget, std::function<void()> press) {
    keyPresses_[widget] = std::move(press);
    widget->installEventFilter(this);
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (const auto it = clicks_.find(watched); it != clicks_.end()) {
            it->second.first();
            refresh();
            return it->second.second;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        if (const auto it = keyPresses_.find(watched); it != keyPresses_.end()) {
            it->second();
            refresh();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FormView::onContextMenu(QWidget* widget,
                             std::vector<std::pair<QString, std::function<void()>>> items) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(widget);
    for (auto& [caption, handler] : items) {
        connect(menu->addAction(caption), &QAction::triggered, this,
                [this, handler = std::move(handler)] {
                    handler();
                    refresh();
                });
    }
    connect(widget, &QWidget::customContextMenuRequested, this,
            [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}

void FormView::bindLabel(QLabel* widget, const Control& control) {
    widget->setAutoFillBackground(true);
    addRenderer([widget, &control] {
        if (widget->text() != control.text) {
            widget->setText(control.text);
        }
        paint(widget, control, QPalette::Window, QPalette::WindowText);
    });
}

void FormView::bindEdit(QLineEdit* widget, Edit& edit) {
    connect(widget, &QLineEdit::textEdited, this,
            [&edit](const QString& text) { edit.text = text; });
    addRenderer([widget, &edit] {
        if (widget->text() != edit.text) {
            widget->setText(edit.text);
        }
        paint(widget, edit, QPalette::Base, QPalette::Text);
    });
}

void FormView::bindCheck(QCheckBox* widget, CheckBox& box) {
    connect(widget, &QCheckBox::clicked, this, [&box](bool checked) { box.checked = checked; });
    addRenderer([widget, &box] {
        if (widget->isChecked() != box.checked) {
            widget->setChecked(box.checked);
        }
        if (widget->text() != box.text) {
            widget->setText(box.text);
        }
        paint(widget, box, QPalette::Button, QPalette::WindowText);
    });
}

void FormView::bindButton(QPushButton* widget, Button& button, std::function<void()> click) {
    connect(widget, &QPushButton::clicked, this, [this, click = std::move(click)] {
        click();
        refresh();
    });
    addRenderer([widget, &button] {
        if (widget->text() != button.text) {
            widget->setText(button.text);
        }
        paint(widget, button, QPalette::Button, QPalette::ButtonText);
    });
}

void FormView::bindRadioGroup(const std::vector<QRadioButton*>& widgets, RadioGroup& group,
                              std::function<void(int)> choose) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(widgets[i], &QRadioButton::clicked, this, [this, index, choose] {
            choose(index);
            refresh();
        });
    }
    addRenderer([widgets, &group] {
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            const bool selected = static_cast<int>(i) == group.itemIndex;
            if (widgets[i]->isChecked() != selected) {
                widgets[i]->setChecked(selected);
            }
        }
    });
}

}  // namespace zaq
