#pragma once

namespace zaq {

class Banner;
struct CurrentReadings;
struct MainForm;
struct SummaryForm;

// The summary window's refresh, once a second even while it is hidden, and its closing.
class SummaryActions {
  public:
    struct Deps {
        SummaryForm& summary;
        MainForm& main;
        const CurrentReadings& readings;
        const Banner& banner;
    };

    explicit SummaryActions(const Deps& deps) : p_(deps) {}

    // Copies the main window's panels as they are displayed, then the sky word and brightness.
    void Timer1Timer();
    // Closing the summary brings the main window back.
    void FormClose();

  private:
    Deps p_;
};

}  // namespace zaq
