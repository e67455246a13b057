#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUdpSocket>

#include "station/IcmpPinger.h"

namespace zaq::test {
namespace {

// The resolver down: this process alone sees a resolv.conf naming a loopback server that never
// answers (the system's resolver would wait 5 s twice). The ping must still end in its 500 ms.
TEST(IcmpPingerTest, ANameLookupCountsInsideTheTimeOut) {
    QTemporaryDir dir;
    QFile conf(dir.filePath("resolv.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("nameserver 127.0.0.1\noptions timeout:5 attempts:2\n");
    conf.close();
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(conf.fileName().toLocal8Bit().constData(), "/etc/resolv.conf", nullptr, MS_BIND,
                nullptr) != 0) {
        GTEST_SKIP() << "needs a mount namespace of its own (root)";
    }
    QUdpSocket silentResolver;
    if (!silentResolver.bind(QHostAddress::LocalHost, 53)) {
        GTEST_SKIP() << "port 53 of the loopback is taken";
    }
    IcmpPinger pinger([](const QString&) {});
    QElapsedTimer took;
    took.start();
    EXPECT_FALSE(pinger.ping("estacion.zaq.invalid"));
    EXPECT_LT(took.elapsed(), 900);
    EXPECT_TRUE(silentResolver.hasPendingDatagrams() || silentResolver.waitForReadyRead(100))
        << "the lookup never reached the silent resolver";
}

}  // namespace
}  // namespace zaq::test
