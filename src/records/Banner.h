#pragma once

#include <QString>

class QImage;

namespace zaq {

class Clock;
class GraphStore;
class MessagesList;
class Prompter;
struct ClosingLimits;
struct Configuration;
struct CurrentReadings;
struct MainForm;
struct SettingsForm;

// The banner: seven lines of the current weather written every minute onto the user's template
// picture, published as "baner.jpg" in the graphs directory. Composing it classifies the sky; the
// summary window and the camera captions read that classification.
class Banner {
  public:
    struct Deps {
        const MainForm& main;
        const SettingsForm& settings;
        const Configuration& config;
        const CurrentReadings& readings;
        const GraphStore& store;
        MessagesList& messages;
        Prompter& prompter;
        const Clock& clock;
        // The working directory, where the template lives.
        QString programDirectory;
    };

    explicit Banner(Deps deps) : p_(std::move(deps)) {}

    void writeBanner(const QString& templateName);

    // " Despejado", " Nubes", " Muy Nublado" or " Llueve"; empty before the first banner.
    const QString& skyWord() const { return skyWord_; }
    // 12, 6, 2 or 3 after the sky word; 2 at start.
    int skyConditionCode() const { return skyCode_; }

    // The sky word a sky-condition code stands for (" ¿?" for any other code).
    static QString skyWordOfCode(int code);

    // The three-hour pressure tendency, t in hPa.
    static QString tendencySymbol(double t);
    // By day (expected radiation E ≥ 75 W/m²) from the measured radiation S, by night from the
    // cloud cover c against the cloud limit; rain r above 3 % is rain either way.
    static QString daySkyWord(double expected, double measured, double rain);
    static QString nightSkyWord(double cloud, int cloudLimit, double rain);

  private:
    void drawLines(QImage& image);
    QString skyLine();

    Deps p_;
    QString skyWord_;
    int skyCode_ = 2;
};

}  // namespace zaq
