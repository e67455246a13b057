#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QThread>

#include "InProcessRun.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

// The first day of the previous month: whole days the station has logged, all in one month.
QDate firstDayOfPreviousMonth() {
    const QDate today = QDate::currentDate();
    return QDate(today.year(), today.month(), 1).addMonths(-1);
}

// What the station sent while dumping, cut into its messages.
QList<QByteArray> dumpedMessages(const QByteArray& simLog) {
    QByteArray stream;
    for (const QByteArray& line : simLog.split('\n')) {
        const qsizetype at = line.indexOf("-> ");
        if (at >= 0) {
            stream += line.mid(at + 3);
        }
    }
    const qsizetype start = stream.indexOf("(Start Dump)");
    QList<QByteArray> messages;
    for (const QByteArray& part : stream.mid(start).split(')')) {
        if (part.startsWith('(')) {
            messages << part + ")";
        }
    }
    return messages;
}

int signed16(int v) {
    return v >= 0x8000 ? v - 0x10000 : v;
}

// Over the network the program's event loop is held busy for a second now and then during the
// dump, as a synchronous ping or a slow disk would: the records gathered meanwhile are not noise.
class DataloggerE2ETest : public InProcessRun, public ::testing::WithParamInterface<bool> {
  protected:
    bool overTcp() const { return GetParam(); }
    // The station's calendar is today's: so is the program's clock.
    void SetUp() override {
        start(
            "", [this](AppContext&) { t->clock.set(QDateTime::currentDateTime()); }, overTcp());
    }
    void busyMomentNowAndThen() {
        if (overTcp() && clock.elapsed() - lastBusy_ > 1500) {
            QThread::msleep(1000);
            lastBusy_ = clock.elapsed();
        }
    }
    qint64 lastBusy_ = 0;
};

TEST_P(DataloggerE2ETest, DailyMaximaAndTwoDaysOfTenMinuteDataAtTheFastSpeed) {
    MessagesForm& f = t->app.messagesForm;
    Datalogger& d = t->app.datalogger;
    const QDate first = firstDayOfPreviousMonth();
    ASSERT_TRUE(waitUntil([&] { return received("(@01373)") > 0; }, 10000));

    // "Max" for five days: one line each, the supply appended.
    f.DTP1.date = first;
    f.ENumDias.text = "005";
    f.RGMaxMin.itemIndex = 0;
    d.BDescargarClick();
    EXPECT_TRUE(t->prompter.warnings.isEmpty()) << t->prompter.warnings.join("|").toStdString();
    const auto dayLines = [&] {
        int n = 0;
        for (int i = 0; i < 5; ++i) {
            const QString date = first.addDays(i).toString("dd/MM/yy");
            n +=
                static_cast<int>(std::count_if(t->lines().begin(), t->lines().end(),
                                               [&](const QString& l) { return l.contains(date); }));
        }
        return n;
    };
    ASSERT_TRUE(waitUntil([&] { return dayLines() == 5; }, clock.elapsed() + 10000))
        << simLog.toStdString();
    EXPECT_TRUE(t->lines().contains("Maximas"));

    // 57 600 bit/s, then "10m" for two days.
    d.BVelocidadClick();
    ASSERT_TRUE(waitUntil([&] { return f.BVelocidad.text == "57K6 bps"; }, clock.elapsed() + 8000));
    f.ENumDias.text = "002";
    f.RGMaxMin.itemIndex = 2;
    d.BDescargarClick();
    const QString base =
        t->dirPath(QString::asprintf("DataLog_%02d_%04d", first.month(), first.year()));
    const auto lines = [](const QString& path) {
        return decodeWindows1252(fileContents(path)).split("\r\n", Qt::SkipEmptyParts);
    };
    ASSERT_TRUE(waitUntil(
        [&] {
            busyMomentNowAndThen();
            return lines(base + "_Min.txt").size() == 3;
        },
        clock.elapsed() + 20000))
        << simLog.right(2000).toStdString();
    EXPECT_FALSE(t->lines().contains("Ruido "));
    const QStringList ten = lines(base + ".txt");
    ASSERT_EQ(ten.size(), 1 + 146 + 146);
    EXPECT_EQ(lines(base + "_Max.txt").size(), 3);

    // Each line holds what the station sent for its slot: temperature and pressure.
    QList<QByteArray> records;
    for (const QByteArray& m : dumpedMessages(simLog)) {
        if (m.size() == 54) {
            records << m;
        }
    }
    ASSERT_EQ(records.size(), 2 * 154);
    for (int day = 0; day < 2; ++day) {
        for (int i = 0; i < 146; ++i) {
            const QByteArray& r = records[day * 154 + i];
            const QStringList cols = ten[1 + day * 146 + i].split('\t');
            ASSERT_EQ(cols.size(), 16);
            EXPECT_EQ(cols[0], first.addDays(day).toString("dd/MM/yyyy"));
            const QString temp =
                QString::asprintf("%04.1f", signed16(r.mid(17, 4).toInt(nullptr, 16)) * 0.1);
            EXPECT_EQ(cols[9], QString(temp).replace('.', ',')) << day << " " << i;
            const QString bar = QString::asprintf("%06.1f", r.mid(49, 4).toInt(nullptr, 16) * 0.1);
            EXPECT_EQ(cols[4], QString(bar).replace('.', ',')) << day << " " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Links, DataloggerE2ETest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Tcp" : "SerialLine"; });

}  // namespace
}  // namespace zaq::test
