#include "settings/MessagesWindow.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/AppContext.h"

namespace zaq {

MessagesWindow::MessagesWindow(AppContext& app, QWidget* parent)
    : FormView(app.messagesForm.window, parent), app_(app) {
    auto* layout = new QVBoxLayout(this);
    history_ = new QPlainTextEdit(this);
    history_->setReadOnly(true);
    history_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamilies({QStringLiteral("Courier New"), fixed.family()});
    fixed.setPointSize(10);
    history_->setFont(fixed);
    history_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(history_, 1);
    auto* panels = new QHBoxLayout;
    panels->addWidget(buildMessagesPanel(), 3);
    panels->addWidget(buildSunPanel(), 2);
    panels->addWidget(buildDataloggerPanel(), 2);
    layout->addLayout(panels);
    addRenderer([this] { showNewLines(); });
    resize(960, 640);
}

// Lines are only appended, or cleared all at once; the view follows the newest.
void MessagesWindow::showNewLines() {
    const Memo& memo = app_.messagesForm.Mhistory;
    if (memo.clearCount != clearsSeen_ || memo.lines.size() < linesShown_) {
        clearsSeen_ = memo.clearCount;
        history_->clear();
        linesShown_ = 0;
    }
    if (linesShown_ == memo.lines.size()) {
        return;
    }
    for (; linesShown_ < memo.lines.size(); ++linesShown_) {
        history_->appendPlainText(memo.lines[linesShown_]);
    }
    history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

QWidget* MessagesWindow::buildMessagesPanel() {
    MessagesForm& f = app_.messagesForm;
    MessagesActions& actions = app_.messagesActions;
    auto* group = new QGroupBox(QStringLiteral("Mensajes"), this);
    auto* grid = new QGridLayout(group);
    int column = 0;
    for (CheckBox* filter : {&f.CBHistoriaMeteo, &f.CBMensCorto}) {
        auto* box = new QCheckBox(group);
        bindCheck(box, *filter);
        grid->addWidget(box, 0, column, 1, 2);
        column += 2;
    }
    auto* terminal = new QLineEdit(group);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    terminal->setFont(fixed);
    bindEdit(terminal, f.Eterminal);
    grid->addWidget(terminal, 1, 0, 1, 3);
    auto* send = new QPushButton(group);
    bindButton(send, f.Benvia_terminal, [&actions] { actions.Benvia_terminalClick(); });
    grid->addWidget(send, 1, 3);
    const std::pair<Button*, std::function<void()>> buttons[] = {
        {&f.BClearHistory, [&actions] { actions.BClearHistoryClick(); }},
        {&f.Button1, [&actions] { actions.Button1Click(); }},
        {&f.BAyuda, [&actions] { actions.BAyudaClick(); }},
        {&f.BVersion, [&actions] { actions.BVersionClick(); }},
    };
    column = 0;
    for (const auto& [button, click] : buttons) {
        auto* widget = new QPushButton(group);
        bindButton(widget, *button, click);
        grid->addWidget(widget, 2, column++);
    }
    focusTarget(QStringLiteral("PMensajes"), terminal);
    return group;
}

QWidget* MessagesWindow::buildSunPanel() {
    MessagesForm& f = app_.messagesForm;
    auto* group = new QGroupBox(QStringLiteral("Sol"), this);
    auto* column = new QVBoxLayout(group);
    for (const Label* l : {&f.LAR, &f.LDEC, &f.LHS}) {
        auto* widget = new QLabel(group);
        bindLabel(widget, *l);
        column->addWidget(widget);
    }
    return group;
}

QWidget* MessagesWindow::buildDataloggerPanel() {
    MessagesForm& f = app_.messagesForm;
    auto* group = new QGroupBox(QStringLiteral("Datalogger"), this);
    group->setToolTip(QStringLiteral("Descarga Max/Min diarias almacenadas en la estacion."));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Inicio:"), group), 0, 0);
    auto* date = new QDateEdit(group);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setCalendarPopup(true);
    bindDate(date, f.DTP1, [this] { app_.datalogger.DTP1Change(); });
    grid->addWidget(date, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Total Dias:"), group), 1, 0);
    auto* days = new QLineEdit(group);
    bindEdit(days, f.ENumDias);
    grid->addWidget(days, 1, 1);
    std::vector<QRadioButton*> kinds;
    auto* kindRow = new QHBoxLayout;
    for (const QString& item : f.RGMaxMin.items) {
        auto* radio = new QRadioButton(item, group);
        kinds.push_back(radio);
        kindRow->addWidget(radio);
    }
    bindRadioGroup(kinds, f.RGMaxMin, [&f](int index) { f.RGMaxMin.itemIndex = index; });
    grid->addLayout(kindRow, 2, 0, 1, 2);
    Datalogger& d = app_.datalogger;
    const std::pair<Button*, std::function<void()>> buttons[] = {
        {&f.BDescargar, [&d] { d.BDescargarClick(); }},
        {&f.BVelocidad, [&d] { d.BVelocidadClick(); }},
        {&f.BstopDescarga, [&d] { d.BstopDescargaClick(); }}};
    int column = 0;
    for (const auto& [button, click] : buttons) {
        auto* widget = new QPushButton(group);
        bindButton(widget, *button, click);
        grid->addWidget(widget, 3 + column / 2, column % 2);
        ++column;
    }
    return group;
}

}  // namespace zaq
