#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "core/MainWindow.h"
#include "core/WindowConstruction.h"
#include "settings/MessagesWindow.h"
#include "settings/SettingsWindow.h"
#include "support/StationText.h"
#include "support/TestContext.h"
#include "ui/Jpeg.h"
#include "ui/NumberFormat.h"
#include "ui/SummaryWindow.h"
#include "views/Screenshot.h"

namespace zaq::test {
namespace {

QLabel* labelShowing(QWidget& window, const QString& text) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == text) {
            return label;
        }
    }
    return nullptr;
}

class ViewTest : public ::testing::Test {
  protected:
    ViewTest() {
        WindowConstruction construction(t.app);
        construction.constructMainWindow();
        construction.constructSettingsWindow();
        t.keepFilesInside();
    }
    TestContext t;
};

TEST_F(ViewTest, MainWindowDrawsItsFormAndIgnoresClose) {
    MainWindow window(t.app);
    window.resize(900, 600);
    window.refresh();
    ASSERT_TRUE(window.isVisible());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    t.app.mainForm.PTecho.text = "Obs. Cerrado";
    t.app.mainForm.LRx.fontColour = colours::red;
    window.refresh();
    QLabel* roof = labelShowing(window, "Obs. Cerrado");
    ASSERT_NE(roof, nullptr);
    QLabel* rx = labelShowing(window, "Rx");
    ASSERT_NE(rx, nullptr);
    EXPECT_EQ(rx->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(t.app.mainForm.window.visible);
    EXPECT_FALSE(window.grab().isNull());
    screenshot(window, "main-window");
}

TEST_F(ViewTest, ButtonsCallTheLogicAndTheFormShowsTheOtherWindows) {
    MainWindow window(t.app);
    window.refresh();
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == "Ajustes") {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    EXPECT_TRUE(t.app.settingsForm.window.visible);
}

TEST_F(ViewTest, SettingsWindowShowsTheFieldsAndHandsEditsBack) {
    SettingsWindow window(t.app);
    t.app.settingsForm.window.show();
    window.adjustSize();
    window.refresh();
    ASSERT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowTitle().startsWith("Configuración v: "));
    QLineEdit* address = nullptr;
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (edit->text() == "255.100.20.15") {
            address = edit;
        }
    }
    ASSERT_NE(address, nullptr);
    address->clear();
    QTest::keyClicks(address, "10.0.0.9");
    EXPECT_EQ(t.app.settingsForm.EDirCOR.text, "10.0.0.9");
    QCheckBox* master = nullptr;
    for (QCheckBox* box : window.findChildren<QCheckBox*>()) {
        if (box->text() == "PC Master") {
            master = box;
        }
    }
    ASSERT_NE(master, nullptr);
    EXPECT_TRUE(master->isChecked());
    master->click();
    EXPECT_FALSE(t.app.settingsForm.CBmaster.checked);
    screenshot(window, "settings-window");
    // A key on the master box may have toggled it: a warning.
    QTest::keyClick(master, Qt::Key_Space);
    EXPECT_TRUE(
        t.prompter.warnings.contains("PC Master modificado desde teclado. Verifique su estado."));
    // Closing only hides it.
    window.close();
    EXPECT_FALSE(t.app.settingsForm.window.visible);
}

// Each field of the configuration table that has a caption stands beside it.
TEST_F(ViewTest, SettingsFieldsStandBesideTheirCaptions) {
    SettingsForm& f = t.app.settingsForm;
    const std::vector<std::pair<Edit*, QString>> captions = {
        {&f.EPuerto, "Puerto Serie: "}, {&f.EDirCOR, "Estacion en IP:"},
        {&f.EPuertoEth, "Port"},        {&f.ETiempoJpg, "min."},
        {&f.Eident, "Estación:"},       {&f.EUserPI, "User:"},
        {&f.EPassPI, "Pass:"},          {&f.EjpgPI, "Fich.Salida:"},
        {&f.EHorasTU, "Hora UTC+"}};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        captions[i].first->text = QString("campo-%1").arg(i);
    }
    SettingsWindow window(t.app);
    window.refresh();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        QLineEdit* edit = nullptr;
        for (QLineEdit* candidate : window.findChildren<QLineEdit*>()) {
            if (candidate->text() == QString("campo-%1").arg(i)) {
                edit = candidate;
            }
        }
        ASSERT_NE(edit, nullptr) << captions[i].second.toStdString();
        auto* form = qobject_cast<QFormLayout*>(edit->parentWidget()->layout());
        ASSERT_NE(form, nullptr);
        auto* caption = qobject_cast<QLabel*>(form->labelForField(edit));
        ASSERT_NE(caption, nullptr) << captions[i].second.toStdString();
        EXPECT_EQ(caption->text(), captions[i].second);
    }
}

TEST_F(ViewTest, MainWindowBeforeAndAfterLiveMessagesFitsALaptopScreen) {
    MainWindow window(t.app);
    window.refresh();
    EXPECT_LE(window.sizeHint().width(), 1366);
    EXPECT_LE(window.sizeHint().height(), 740);
    window.resize(1366, 740);
    window.refresh();
    screenshot(window, "main-before-data");
    ClosingLimits& l = t.app.config.limits;
    l.rainPercent = 30;
    l.cloudPercent = 50;
    l.skyMagnitude = 18.0f;
    l.windKmh = 40;
    l.meanWindKmh = 250;
    l.thermalWindKmh = 250;
    l.supplyVolts = 11.0f;
    t.feed("(Son2215)(Sof0630)(S009)");
    t.feed(withField(exampleDataMessage(), 1, "AE"));
    t.feed(withField(exampleDataMessage(), 1, "AE"));
    t.feed("(>101 -18.4)");
    window.refresh();
    EXPECT_NE(labelShowing(window, "13,8"), nullptr);
    EXPECT_NE(labelShowing(window, "Obs. Abierto"), nullptr);
    QLabel* wind = labelShowing(window, "Anemometro Km/h:");
    ASSERT_NE(wind, nullptr);
    EXPECT_EQ(wind->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // An automation client said Connected = true: "COM" turns green at the next pump tick.
    t.app.weather.setConnected(true);
    t.app.link.pumpTick();
    window.refresh();
    QLabel* com = labelShowing(window, "COM");
    ASSERT_NE(com, nullptr);
    EXPECT_EQ(com->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(com->toolTip(), "En verde: zaq.Weather.Connected = true");
    screenshot(window, "main-after-data");
}

// The summary shows the main window's texts as displayed, the sky word once a banner has chosen
// one, and closing it brings the main window back.
TEST_F(ViewTest, SummaryWindowBeforeAndAfterDataAndItsCloseBox) {
    SummaryWindow window(t.app.summaryForm, t.app.summaryActions);
    t.app.actions.BCartelClick();
    t.app.timers.tick1s();
    window.refresh();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Resumen ZAQ");
    EXPECT_EQ(labelShowing(window, "12,5"), nullptr);
    EXPECT_EQ(window.findChildren<QLabel*>().size(), 11);
    EXPECT_NE(labelShowing(window, formatNumber(0.0, 4, 2)), nullptr);
    EXPECT_EQ(t.app.summaryForm.LTG.text, "----");
    EXPECT_EQ(t.app.summaryForm.LCieloG.text, "");
    screenshot(window, "summary-before-data");

    t.feed(exampleDataMessage());
    t.feed(exampleDataMessage());
    QImage plain(400, 120, QImage::Format_RGB32);
    plain.fill(QColor(200, 200, 200));
    ASSERT_TRUE(writeJpegFile(t.dirPath("baner-b.jpg"), plain, 95));
    t.app.banner.writeBanner("baner-b.jpg");
    t.app.timers.tick1s();
    window.refresh();
    EXPECT_NE(labelShowing(window, t.app.mainForm.PTempAmbiente.text), nullptr);
    EXPECT_NE(t.app.summaryForm.LTG.text, "----");
    EXPECT_TRUE(t.app.summaryForm.LCieloG.text.startsWith(' '));
    QLabel* title = labelShowing(window, "Temperatura C:");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    EXPECT_EQ(title->font().pixelSize(), 19);
    screenshot(window, "summary-after-data");

    EXPECT_TRUE(window.close());
    EXPECT_FALSE(t.app.summaryForm.window.visible);
    EXPECT_TRUE(t.app.mainForm.window.visible);
}

// The station side after "Leer" and the station's answers: white fields with its values, a
// field clicked twice yellow, the gain the station never reports still grey.
TEST_F(ViewTest, SettingsWindowShowsTheStationsFieldsInTheirStates) {
    SettingsWindow window(t.app);
    t.app.settingsForm.window.show();
    t.app.stationSettings.BLeerClick();
    t.app.stationSettings.BLeerOffsetsClick();
    t.feed(
        "(L030)(N090)(I185)(V000)(O050)(W080)(T060)(F105)(F+00)(C002)(P124)(B-06)(M062)"
        "(U013)(A036)(Z000)(\xD1"
        "001)(G100)(R010)(J100)(I+00)");
    EXPECT_LE(window.sizeHint().width(), 1366);
    EXPECT_LE(window.sizeHint().height(), 740);
    window.refresh();
    QLineEdit* rain = nullptr;
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (edit->text() == "30") {
            rain = edit;
        }
    }
    ASSERT_NE(rain, nullptr);
    QTest::mouseClick(rain, Qt::LeftButton);
    EXPECT_EQ(t.app.settingsForm.ELimiteLluvia.colour, colours::yellow);
    window.refresh();
    EXPECT_EQ(rain->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_TRUE(t.app.settingsForm.CBoregon.checked);
    EXPECT_EQ(t.app.settingsForm.EGMagV.colour, colours::buttonFace);
    screenshot(window, "settings-after-read");
}

TEST_F(ViewTest, MessagesWindowShowsTheHelpInAFixedPitchFont) {
    MessagesWindow window(t.app);
    t.app.messagesForm.window.show();
    window.resize(1000, 640);
    window.refresh();
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == "Ayuda") {
            button->click();
        }
    }
    ASSERT_EQ(t.lines().size(), 23);
    auto* history = window.findChild<QPlainTextEdit*>();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->toPlainText().contains("Ayuda sobre Comandos Manuales"));
    EXPECT_TRUE(QFontInfo(history->font()).fixedPitch());
    screenshot(window, "messages-after-help");
    t.app.messages.clear();
    window.refresh();
    EXPECT_TRUE(history->toPlainText().isEmpty());
}

}  // namespace
}  // namespace zaq::test
