#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/TextFile.h"

namespace zaq {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class TextFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    QTemporaryDir dir;
};

TEST_F(TextFileTest, AppendsWindows1252LinesWithCrLf) {
    ASSERT_TRUE(appendLine(path("a.txt"), QStringLiteral("Temp ºC")));
    ASSERT_TRUE(appendText(path("a.txt"), QStringLiteral("x\ny\n")));
    EXPECT_EQ(contents(path("a.txt")), QByteArray("Temp \xBA"
                                                  "C\r\nx\r\ny\r\n"));
}

TEST_F(TextFileTest, HeaderIsWrittenOnlyWhenTheFileIsNew) {
    EXPECT_TRUE(createWithHeader(path("h.txt"), QStringLiteral("head\n")));
    EXPECT_FALSE(createWithHeader(path("h.txt"), QStringLiteral("again\n")));
    EXPECT_EQ(contents(path("h.txt")), QByteArray("head\r\n"));
}

TEST_F(TextFileTest, MissingDirectoryFailsWithoutCreatingAnything) {
    EXPECT_FALSE(appendLine(path("no/such/dir/a.txt"), QStringLiteral("x")));
    EXPECT_FALSE(replaceTextFile(path("no/such/dir/b.txt"), QStringLiteral("x")));
    EXPECT_FALSE(createWithHeader(path("no/such/c.txt"), QStringLiteral("x")));
}

TEST_F(TextFileTest, ReplaceLeavesOnlyTheNewContentAndNoTemporaryFile) {
    ASSERT_TRUE(replaceTextFile(path("r.txt"), QStringLiteral("first version\n")));
    ASSERT_TRUE(replaceTextFile(path("r.txt"), QStringLiteral("second\n")));
    EXPECT_EQ(contents(path("r.txt")), QByteArray("second\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"r.txt"});
}

TEST_F(TextFileTest, ReplaceGivesTheRequestedPermissions) {
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(replaceFile(path("secret.cfg"), QByteArray(10, 'x'), ownerOnly));
    const auto perms = QFile(path("secret.cfg")).permissions();
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
    EXPECT_TRUE(perms & QFileDevice::ReadOwner);
}

}  // namespace
}  // namespace zaq
