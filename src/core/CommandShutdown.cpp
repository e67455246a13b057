#include "core/CommandShutdown.h"

#include <QProcess>
#include <cstdio>
#include <cstdlib>

namespace zaq {

void CommandShutdown::shutDown() {
    QString command = qEnvironmentVariable("ZAQ_SHUTDOWN_COMMAND");
    if (command.isEmpty()) {
        command = QStringLiteral("systemctl poweroff -i");
    }
    QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    std::fflush(stdout);
    std::exit(0);
}

}  // namespace zaq
