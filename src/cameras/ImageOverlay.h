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

    // The IP video server's channels 1–4, or the single-board cameras 1 and 2.
    enum class CameraKind { IpVideo, SingleBoard };

    explicit ImageOverlay(Deps deps) : p_(std::move(deps)) {}

    // False when the input could not be read (said in the messages list) or the result not
    // written (the general error report); the output is then untouched.
    bool appendTextStrip(const QString& input, const QString& output, const QString& text);
    // Line 1 above line 2, in place.
    bool stampCameraImage(const QString& file);
    // Stamps the kind's working file, publishes it under the camera's fixed name and, when the
    // minute counter has reached the accumulation interval, under a dated name in the captures
    // directory. A single-board camera's dated copy resets the counter.
    void publishCameraImage(CameraKind kind, int number, int& minuteCounter);

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
