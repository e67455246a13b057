#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>

#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ActivityLogTest, FirstEntryOfAMonthWritesTheHeaderThenSingleLines) {
    TestContext t;
    t.app.settingsForm.Eident.text = QStringLiteral("Observatorio Ñ");
    t.app.activityLog.appendActivityLog(QStringLiteral("REINICIO de la Estacion"));
    t.clock.advanceMs(2000);
    t.app.activityLog.appendActivityLog(QStringLiteral("Rele ON"));

    const QString path = t.dirPath("Log_03_2015.txt");
    EXPECT_EQ(contents(path),
              QByteArray("------- Registro de Actividad Estacion Observatorio \xD1 -------\r\n"
                         "Ordenes de Apertura, Cierre, Desconexion o Reset. \r\n"
                         "Cambios en Ajustes, Offsets y Control de Niveles. \r\n"
                         "Los mensajes entre parentesis proceden de la estacion. \r\n") +
                  QByteArray(58, '-') +
                  " \r\n"
                  "05/03/2015 9:07:21-> REINICIO de la Estacion \r\n"
                  "05/03/2015 9:07:23-> Rele ON \r\n");
    EXPECT_THAT(t.lines(), ElementsAre("Creado: " + path));
}

TEST(ActivityLogTest, AnEmptyTextGivesTheArrowAndOneSpace) {
    TestContext t;
    t.app.activityLog.appendActivityLog(QString());
    EXPECT_TRUE(contents(t.dirPath("Log_03_2015.txt")).endsWith("05/03/2015 9:07:21->  \r\n"));
}

TEST(ActivityLogTest, ANewMonthStartsANewFileWithItsOwnHeader) {
    TestContext t;
    t.clock.set(QDateTime(QDate(2015, 3, 31), QTime(23, 59, 59)));
    t.app.activityLog.appendActivityLog(QStringLiteral("a"));
    t.app.settingsForm.Eident.text = QStringLiteral("Nuevo");
    t.clock.set(QDateTime(QDate(2015, 4, 1), QTime(0, 0, 1)));
    t.app.activityLog.appendActivityLog(QStringLiteral("b"));
    EXPECT_TRUE(contents(t.dirPath("Log_03_2015.txt"))
                    .startsWith("------- Registro de Actividad Estacion Observatorio -------"));
    EXPECT_TRUE(contents(t.dirPath("Log_04_2015.txt"))
                    .startsWith("------- Registro de Actividad Estacion Nuevo -------"));
    EXPECT_EQ(t.lines().size(), 2);
}

TEST(ActivityLogTest, AMissingDirectoryLosesTheEntryWithAMessage) {
    TestContext t;
    t.app.config.graphsDirectory = t.dirPath("missing/");
    t.app.activityLog.appendActivityLog(QStringLiteral("x"));
    t.app.activityLog.appendActivityLog(QStringLiteral("y"));
    EXPECT_THAT(t.lines(), ElementsAre("No es posble guardar fichero de Log.",
                                       "No es posble guardar fichero de Log."));
}

TEST(ActivityLogTest, OnlyTheDatePartOfTheNameIsChanged) {
    TestContext t;
    t.app.config.graphsDirectory = t.dir.path() + QStringLiteral("/");
    EXPECT_EQ(t.app.activityLog.fileName(QDate(2015, 3, 5)), t.dir.path() + "/Log_03_2015.txt");
    t.app.config.graphsDirectory = QStringLiteral("logs:a/");
    EXPECT_EQ(t.app.activityLog.fileName(QDate(2024, 12, 1)), "logs:a/Log_12_2024.txt");
}

}  // namespace
}  // namespace zaq::test
