#include "graphs/ChartPicturesView.h"

#include "graphs/ChartView.h"

namespace zaq {

ChartPicturesView::ChartPicturesView(QSize size) : size_(size) {}

ChartPicturesView::~ChartPicturesView() = default;

QImage ChartPicturesView::chartImage(const ChartModel& model, ChartModel::Position chart) {
    std::unique_ptr<ChartView>& view = views_[chart];
    if (!view) {
        view = std::make_unique<ChartView>(model, chart);
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->resize(size_);
        view->show();
    }
    return view->picture();
}

}  // namespace zaq
