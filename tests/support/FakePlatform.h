#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/SystemShutdown.h"
#include "cameras/HttpClient.h"
#include "core/SoundPlayer.h"
#include "graphs/ChartPictures.h"
#include "station/Pinger.h"
#include "ui/Prompter.h"
#include "ui/TextFile.h"

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

// Requests kept open until the test answers them, oldest first; every URL is recorded.
struct FakeHttpClient : HttpClient {
    struct Open {
        HttpRequest request;
        Done done;
    };
    std::deque<Open> open;
    QStringList urls;

    void get(const HttpRequest& request, Done done) override {
        urls << request.url;
        open.push_back({request, std::move(done)});
    }
    // The server's answer: the body goes to the request's file, or back in the result.
    void answer(const QByteArray& body) {
        Open next = take();
        HttpResult result{true, {}, {}, HttpResult::Event::None};
        if (next.request.bodyFile.isEmpty()) {
            result.body = body;
        } else {
            result.ok = replaceFile(next.request.bodyFile, body);
        }
        next.done(result);
    }
    void fail(HttpResult::Event event = HttpResult::Event::None) {
        take().done({false, {}, QStringLiteral("sin respuesta"), event});
    }

  private:
    Open take() {
        if (open.empty()) {
            throw std::logic_error("no request is open");
        }
        Open next = std::move(open.front());
        open.pop_front();
        return next;
    }
};

}  // namespace zaq::test
