#include <gtest/gtest.h>

#ifdef ZAQ_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

// Tests that draw text into pictures need a GUI application, view tests real widgets: both on
// the offscreen platform unless a display is asked for.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
