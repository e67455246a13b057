#pragma once

namespace zaq {

struct AppContext;

// What each window's construction does, in the order the windows are created: main, messages,
// graphs, settings, summary.
class WindowConstruction {
  public:
    explicit WindowConstruction(AppContext& app) : app_(app) {}

    // Configuration, serial port, network station, graph store, Weather Display feed.
    void constructMainWindow();
    // Configuration again, and every field filled from it.
    void constructSettingsWindow();

  private:
    AppContext& app_;
};

}  // namespace zaq
