#pragma once

#include <QString>

#include "graphs/ChartModel.h"

namespace zaq {

class ChartPictures;
class Clock;
class CommandQueue;
class GraphStore;
class MessagesList;
class Prompter;
struct Configuration;
struct GraphsForm;
struct SettingsForm;

// The button row of the graphs window: saving the charts, asking the station for its 24 hours,
// the sky-brightness scale and the two series shown on demand.
class GraphsActions {
  public:
    struct Deps {
        GraphsForm& form;
        ChartModel& model;
        GraphStore& store;
        CommandQueue& queue;
        const SettingsForm& settings;
        const Configuration& config;
        MessagesList& messages;
        Prompter& prompter;
        ChartPictures& pictures;
        const Clock& clock;
        // Where the bitmaps are written before they become JPEGs.
        QString workingDirectory;
    };

    explicit GraphsActions(Deps deps) : p_(std::move(deps)) {}

    // "Guardar Graficas".
    void Button1Click();
    // "Leer Datos 24h".
    void Button3Click();
    // A choice of the sky-brightness scale; choosing the marked item changes nothing.
    void RGCieloClick(int item);
    // "V.1min" and "R.Sol": show or hide their series.
    void Bv1minClick();
    void BRSolarPrevistaClick();

  private:
    bool saveBitmaps();
    void convertBitmaps();
    void applySkyRange(int item);

    Deps p_;
};

}  // namespace zaq
