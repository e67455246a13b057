#include <gtest/gtest.h>

#include <QCoreApplication>

// Tests run inside a Qt application object so files, timers and sockets behave as in the
// program.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
