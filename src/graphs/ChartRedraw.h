#pragma once

namespace zaq {

class GraphStore;
struct ChartModel;

// Every series of the charts rebuilt from the store in one pass: point i is the record i minutes
// before the newest, labelled with its time of day.
void redrawGraphs(const GraphStore& store, ChartModel& model);

}  // namespace zaq
