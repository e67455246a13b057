#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "core/AppContext.h"
#include "core/HeadlessPrompter.h"

namespace zaq::fuzz {

// The program's state on a clock that stands still, with its files in a temporary directory.
struct FuzzProgram {
    struct StillClock final : Clock {
        QDateTime now() const override { return QDateTime(QDate(2015, 3, 31), QTime(23, 58)); }
        qint64 tickMs() const override { return 1; }
    };
    struct NoPinger final : Pinger {
        bool ping(const QString&) override { return false; }
    };
    struct NoSound final : SoundPlayer {
        void beep(int, int) override {}
        bool play(const QString&) override { return false; }
    };
    struct NoShutdown final : SystemShutdown {
        void shutDown() override {}
    };
    struct NoPictures final : ChartPictures {
        QImage chartImage(const ChartModel&, ChartModel::Position) override { return {}; }
    };
    // Every camera request fails at once.
    struct NoCameras final : HttpClient {
        void get(const HttpRequest&, Done done) override { done({}); }
    };

    FuzzProgram()
        : app({clock, prompter, pinger, sound, pictures, shutdown, cameras},
              {dir.path() + u'/', {}}) {
        keepFilesInside();
    }
    void keepFilesInside() {
        const QString inside = dir.path() + u'/';
        app.config.graphsDirectory = app.config.dataDirectory = inside;
        app.config.capturesDirectory = app.config.cameraOutputFile = inside;
    }
    QString path(const char* name) const { return dir.path() + u'/' + QLatin1String(name); }
    // The fuzzer's input as the named file of the program's directory.
    void writeInput(const char* name, const std::uint8_t* data, std::size_t size) const {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    QTemporaryDir dir;
    StillClock clock;
    HeadlessPrompter prompter;
    NoPinger pinger;
    NoSound sound;
    NoPictures pictures;
    NoShutdown shutdown;
    NoCameras cameras;
    AppContext app;
};

}  // namespace zaq::fuzz
