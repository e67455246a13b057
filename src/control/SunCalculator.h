#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "astro/SunPosition.h"

namespace zaq {

class Clock;
class Prompter;
struct Configuration;
struct MainForm;
struct MessagesForm;
struct SettingsForm;

// The sun for the observatory: the site as typed in the settings window, read at each call, the
// labels LAR, LDEC and LHS of the messages window and the main window's LAlturaSol.
class SunCalculator {
  public:
    struct Deps {
        const SettingsForm& settings;
        MessagesForm& messages;
        MainForm& main;
        const Configuration& config;
        const Clock& clock;
        Prompter& prompter;
    };

    explicit SunCalculator(const Deps& deps) : p_(deps) {}

    // The altitude for a local instant; writes LAR, LDEC and LHS. Empty (and nothing written)
    // when a site field is not a number, which is reported.
    std::optional<double> computeSunPosition(const QDateTime& local);
    std::optional<SunPosition> sunPosition(const QDateTime& local);
    // Days from the epoch J2000.0 (in UT) to the PC clock's local time now.
    double daysSinceEpoch() const;
    // Clear-sky global radiation in W/m² for a local instant; 0 with the sun below the horizon.
    std::optional<double> expectedClearSkyRadiation(const QDateTime& local);

    // The 4-second tick's "LAlturaSol": three characters of the altitude and "º".
    void showSunAltitude();

  private:
    std::optional<Site> readSite();
    void showLabels(const SunPosition& sun);

    Deps p_;
    QString lastReported_;
};

}  // namespace zaq
