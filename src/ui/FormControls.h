#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "ui/Colour.h"

namespace zaq {

// The controls of a form as plain values. The logic reads and writes them; a window only draws
// them. Where the program uses a colour or a caption as state, the field is that state.
struct Control {
    QString text;  // caption of a label, panel, button or check box; text of an edit field
    Colour colour = colours::buttonFace;
    Colour fontColour = colours::buttonText;
    bool visible = true;
    bool enabled = true;
    QString hint;
};

struct Label : Control {
    Label(QString caption = {}, Colour font = colours::buttonText) {
        text = std::move(caption);
        fontColour = font;
    }
};

struct Panel : Control {
    Panel(QString caption = {}, Colour background = colours::buttonFace) {
        text = std::move(caption);
        colour = background;
    }
};

struct Button : Control {
    Button(QString caption = {}, QString buttonHint = {}) {
        text = std::move(caption);
        hint = std::move(buttonHint);
    }
};

struct Edit : Control {
    Edit(QString initial = {}, Colour background = colours::window) {
        text = std::move(initial);
        colour = background;
    }
};

struct CheckBox : Control {
    bool checked = false;
    CheckBox(QString caption = {}, bool isChecked = false) {
        text = std::move(caption);
        checked = isChecked;
    }
};

struct RadioGroup : Control {
    QStringList items;
    int itemIndex = -1;
    RadioGroup(QString caption = {}, QStringList choices = {}, int selected = -1) {
        text = std::move(caption);
        items = std::move(choices);
        itemIndex = selected;
    }
};

struct DatePicker : Control {
    QDate date;
    DatePicker(QDate initial = {}) : date(initial) {}
};

// A form's window: caption, shown or hidden, and the requests to come to the front and to
// move the keyboard focus, which the view honours at every increase of their counts.
struct WindowState {
    explicit WindowState(QString title, bool shown = false)
        : caption(std::move(title)), visible(shown) {}

    QString caption;
    bool visible = false;
    int raiseCount = 0;
    QString focusControl;
    int focusCount = 0;

    void show() {
        visible = true;
        ++raiseCount;
    }
    void hide() { visible = false; }
    void focus(const QString& control) {
        focusControl = control;
        ++focusCount;
    }
};

}  // namespace zaq
