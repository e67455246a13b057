#pragma once

namespace zaq {

class Clock;
class GraphStore;
class MessagesList;
class PeriodicProcessing;
struct Configuration;
struct CurrentReadings;
struct MainForm;
struct SafetyState;
struct SettingsForm;

// What the periodic data files are written from, read at the moment of writing.
struct DataSources {
    const Configuration& config;
    const CurrentReadings& readings;
    const GraphStore& store;
    const SafetyState& safety;
    const PeriodicProcessing& periodic;
    const MainForm& main;
    const SettingsForm& settings;
    MessagesList& messages;
    const Clock& clock;
};

}  // namespace zaq
