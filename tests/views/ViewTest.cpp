#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/MainWindow.h"
#include "core/WindowConstruction.h"
#include "settings/SettingsWindow.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

QString screenshot(QWidget& window, const QString& name) {
    QDir().mkpath(ZAQ_SCREENSHOTS);
    const QString path = QString(ZAQ_SCREENSHOTS) + "/" + name + ".png";
    window.grab().save(path);
    return path;
}

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
    // Closing only hides it.
    window.close();
    EXPECT_FALSE(t.app.settingsForm.window.visible);
}

}  // namespace
}  // namespace zaq::test
