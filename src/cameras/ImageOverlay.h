#pragma once

#include <QDateTime>
#include <QString>

namespace zaq {

class Banner;
class Clock;
class MessagesList;
class Prompter;
struct Configuration;
struct CurrentReadings;
struct MainForm;
struct SettingsForm;

// The text under the camera pictures: a strip with one line added at the bottom of a JPEG, the
// two banner lines of the station and its weather, and the dated names of the kept captures.
class ImageOverlay {
  public:
    struct Deps {
        const MainForm& main;
        const SettingsForm& settings;
        const Configuration& config;
        const CurrentReadings& readings;
        Banner& banner;
        MessagesList& messages;
        Prompter& prompter;
        const Clock& clock;
        // The working directory, where the hidden test button reads and writes.
        QString programDirectory;
    };

    static constexpr int kStripHeight = 22;

    explicit ImageOverlay(Deps deps) : p_(std::move(deps)) {}

    // False when the input could not be read (said in the messages list) or the result not
    // written (the general error report); the output is then untouched.
    bool appendTextStrip(const QString& input, const QString& output, const QString& text);
    // Line 1 above line 2, in place.
    bool stampCameraImage(const QString& file);

    QString bannerLine1() const;
    QString bannerLine2() const;

    // The settings window's hidden "T": one caption line under "ipcam.jpg" as "ipcamtxt.jpg",
    // then the banner.
    void TClick();
    QString testCaptionLine() const;
    // "c1_2024-6-1-9-5-7.jpg": the camera's number and the moment, without leading zeros.
    static QString datedCaptureName(int number, const QDateTime& moment);

  private:
    Deps p_;
};

}  // namespace zaq
