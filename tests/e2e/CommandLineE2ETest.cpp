#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace zaq::test {
namespace {

using ::testing::HasSubstr;

struct CommandCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    const char* stdoutHas;         // empty: nothing on standard output
    const char* stderrHas;         // empty: nothing on standard error
    const char* wdPort = nullptr;  // ZAQ_WD_PORT, when set
};

class CommandLineE2ETest : public ::testing::TestWithParam<CommandCase> {};

// As a new user would try it on a machine without a display: nothing of this may need one.
TEST_P(CommandLineE2ETest, AnswersWithoutADisplay) {
    const CommandCase& c = GetParam();
    QTemporaryDir dir;
    QProcess zaq;
    zaq.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        env.remove(name);
    }
    env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
    env.insert("XDG_DATA_HOME", dir.path() + "/data");
    if (c.wdPort != nullptr) {
        env.insert("ZAQ_WD_PORT", c.wdPort);
    }
    zaq.setProcessEnvironment(env);
    zaq.start(ZAQ_PROGRAM, c.arguments);
    ASSERT_TRUE(zaq.waitForFinished(10000)) << c.name;
    const QString out = QString::fromUtf8(zaq.readAllStandardOutput());
    const QString err = QString::fromUtf8(zaq.readAllStandardError());
    EXPECT_EQ(zaq.exitStatus(), QProcess::NormalExit) << c.name;
    EXPECT_EQ(zaq.exitCode(), c.exitCode) << c.name;
    if (*c.stdoutHas == '\0') {
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    } else {
        EXPECT_THAT(out.toStdString(), HasSubstr(c.stdoutHas));
    }
    if (*c.stderrHas == '\0') {
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    } else {
        EXPECT_THAT(err.toStdString(), HasSubstr(c.stderrHas));
        EXPECT_EQ(err.count('\n'), 1) << "one line: " << err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineE2ETest,
    ::testing::Values(
        CommandCase{"Help", {"--help"}, 0, "--program-directory DIR", ""},
        CommandCase{"HelpListsTheEnvironment", {"--help"}, 0, "ZAQ_SERIAL_DEVICE", ""},
        CommandCase{"HelpListsTheShutdownCommand", {"--help"}, 0, "ZAQ_SHUTDOWN_COMMAND", ""},
        CommandCase{"HelpListsTheWeatherDisplayPort", {"--help"}, 0, "ZAQ_WD_PORT", ""},
        CommandCase{"BadWeatherDisplayPort",
                    {"--headless"},
                    2,
                    "",
                    "ZAQ_WD_PORT no es un puerto valido: 70000",
                    "70000"},
        CommandCase{"Version", {"--version"}, 0, "zaq 0.1.0.0\n", ""},
        CommandCase{"UnknownOption", {"--colour"}, 2, "", "colour"},
        CommandCase{"BadAlpacaPort",
                    {"--headless", "--alpaca", "70000"},
                    2,
                    "",
                    "--alpaca no es un puerto valido: 70000"},
        CommandCase{"BadAlpacaAddress",
                    {"--headless", "--alpaca", "--alpaca-bind", "observatorio"},
                    2,
                    "",
                    "--alpaca-bind no es una direccion IP: observatorio"},
        CommandCase{"StrayArgument", {"estacion"}, 2, "", "estacion"},
        CommandCase{"NoDisplay", {}, 2, "", "zaq --headless funciona sin ventanas"},
        CommandCase{"MissingProgramDirectory",
                    {"--headless", "--program-directory", "/no/such/zaq/dir"},
                    2,
                    "",
                    "/no/such/zaq/dir"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zaq::test
