#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "base/SystemShutdown.h"
#include "core/SoundPlayer.h"
#include "graphs/ChartPictures.h"
#include "station/Pinger.h"
#include "ui/Prompter.h"

namespace zaq::test {

// Questions answered from a script (OK when the script runs out, unless told otherwise);
// every box is recorded.
struct ScriptedPrompter : Prompter {
    std::deque<bool> answers;
    bool answerWhenEmpty = true;
    QStringList warnings;
    QStringList questions;
    QStringList errors;

    void warn(const QString& text) override { warnings << text; }
    bool ask(const QString& text) override {
        questions << text;
        if (answers.empty()) {
            return answerWhenEmpty;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void reportError(const QString& text) override { errors << text; }
};

// Hosts answer as the test says (no answer by default).
struct FakePinger : Pinger {
    std::map<QString, bool> answers;
    QStringList pinged;

    bool ping(const QString& host) override {
        pinged << host;
        const auto it = answers.find(host);
        return it != answers.end() && it->second;
    }
};

struct FakeSoundPlayer : SoundPlayer {
    std::vector<std::string> sounds;
    bool playerWorks = true;

    void beep(int frequencyHz, int durationMs) override {
        sounds.push_back("beep " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
    }
    bool play(const QString& path) override {
        sounds.push_back("play " + path.section(u'/', -1).toStdString());
        return playerWorks;
    }
};

// A shutdown only counted: a test must never power a machine off.
struct RecordingShutdown : SystemShutdown {
    int requests = 0;
    void shutDown() override { ++requests; }
};

// Each chart drawn as a plain picture of its own shade; drawing fails from the chart number
// failFrom on (-1: never).
struct FakeChartPictures : ChartPictures {
    std::vector<ChartModel::Position> drawn;
    int failFrom = -1;

    QImage chartImage(const ChartModel&, ChartModel::Position chart) override {
        if (failFrom >= 0 && static_cast<int>(drawn.size()) >= failFrom) {
            return {};
        }
        drawn.push_back(chart);
        QImage image(120, 40, QImage::Format_RGB32);
        image.fill(QColor(40 * chart, 200, 255 - 40 * chart));
        return image;
    }
};

}  // namespace zaq::test
