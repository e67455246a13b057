#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>

#include "base/ProgramVersion.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;

class MessagesActionsTest : public ::testing::Test {
  protected:
    MessagesActionsTest() { t.clock.set(QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9))); }
    MessagesActions& actions() { return t.app.messagesActions; }
    QString savedName() const { return t.dirPath("07_03_2024 14-05-09.txt"); }
    QByteArray saved() const {
        QFile file(savedName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TestContext t;
};

TEST_F(MessagesActionsTest, SavingNamesTheFileAfterTheDateAndTime) {
    EXPECT_EQ(actions().savedListName(), savedName());
    t.app.messages.addMessage("uno");
    t.app.messages.addMessage("dos ñ");
    actions().Button1Click();
    EXPECT_EQ(saved(), QByteArray("uno\r\ndos \xF1\r\n"));
    EXPECT_EQ(t.lines().last(), "Creado: " + savedName());
}

TEST_F(MessagesActionsTest, ASecondSaveInTheSameSecondWritesNothing) {
    t.app.messages.addMessage("uno");
    actions().Button1Click();
    t.app.messages.addMessage("tres");
    actions().Button1Click();
    EXPECT_EQ(saved(), QByteArray("uno\r\n"));
    EXPECT_EQ(t.lines().count("Creado: " + savedName()), 1);
}

TEST_F(MessagesActionsTest, ListsOf299999CharactersAreSavedAndOf300000Refused) {
    t.app.messages.addMessage(QString(299997, u'x'));  // and CR LF: 299 999
    actions().Button1Click();
    EXPECT_EQ(saved().size(), 299999);
    QFile::remove(savedName());
    t.app.messages.clear();
    t.app.messages.addMessage(QString(299998, u'x'));
    actions().Button1Click();
    EXPECT_FALSE(QFile::exists(savedName()));
    EXPECT_EQ(t.lines().last(), "Historico demasiado largo.");
}

TEST_F(MessagesActionsTest, AMissingDataDirectoryWritesNothingQuietly) {
    t.app.config.dataDirectory = t.dirPath("missing/");
    actions().Button1Click();
    EXPECT_TRUE(t.lines().isEmpty());
}

TEST_F(MessagesActionsTest, TheHelpTextIsAppendedByteForByte) {
    actions().BAyudaClick();
    const QStringList& l = t.lines();
    ASSERT_EQ(l.size(), 23);
    EXPECT_EQ(l[0], " ");
    EXPECT_EQ(
        l[1],
        "----------------------Ayuda sobre Comandos Manuales ---------------------------------");
    EXPECT_EQ(l[4], "  (Q) : reset de la estación");
    EXPECT_EQ(l[14], "  (¿) : versión del programa.");
    EXPECT_EQ(
        l[17],
        "(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 a0200)");
    EXPECT_EQ(l[19],
              "     %   %   HPa   HPa   dl   l    %   mHz*  ºC   %   ºC   Km/h Km/h Km/h º  ");
    EXPECT_EQ(l[20], "     x10 x10 x10   x10   x1   x1   x10       x10  x10 x10  x10  x1   x10 ");
    EXPECT_EQ(l[21], QString(85, u'-'));
    EXPECT_EQ(l[22], " ");
    EXPECT_EQ(
        l[18],
        " TCf Llu Nub BarC  BarA  Plu PluAc Ldia Lnoc Tem  Hum Roc  AneT AnMd AneM DirM Bloqu");
}

TEST_F(MessagesActionsTest, VersionAndClear) {
    actions().BVersionClick();
    EXPECT_THAT(t.lines(), ElementsAre(programVersionText()));
    actions().BClearHistoryClick();
    EXPECT_TRUE(t.lines().isEmpty());
    EXPECT_EQ(t.app.messagesForm.Mhistory.clearCount, 1);
}

TEST_F(MessagesActionsTest, TheTerminalQueuesTheTextExactlyAsTyped) {
    t.app.messagesForm.Eterminal.text = "(Son2215)";
    actions().Benvia_terminalClick();
    EXPECT_EQ(t.app.queue.top(), "(Son2215)");
    t.app.messagesForm.Eterminal.text = "(un texto muy largo)";
    actions().Benvia_terminalClick();
    EXPECT_EQ(t.app.queue.count(), 1);
    EXPECT_TRUE(t.lines().last().startsWith("Comando demasiado largo"));
}

TEST_F(MessagesActionsTest, TheTerminalOfAListenOnlyPcIsRefused) {
    t.app.settingsForm.CBmaster.checked = false;
    actions().Benvia_terminalClick();
    EXPECT_THAT(t.prompter.warnings, ElementsAre("Solo recepcion. PC Master deshabilitado."));
    EXPECT_EQ(t.app.queue.count(), 0);
}

}  // namespace
}  // namespace zaq::test
