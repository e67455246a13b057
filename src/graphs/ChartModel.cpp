#include "graphs/ChartModel.h"

namespace zaq {
namespace {

constexpr Colour kLime = Colour::rgb(0, 255, 0);
constexpr Colour kSalmon = Colour::rgb(255, 127, 128);

ChartAxis fixed(double minimum, double maximum, double step, Colour labels = colours::black) {
    ChartAxis axis;
    axis.minimum = minimum;
    axis.maximum = maximum;
    axis.step = step;
    axis.labelColour = labels;
    return axis;
}

ChartAxis automatic(double step) {
    ChartAxis axis;
    axis.automatic = true;
    axis.step = step;
    return axis;
}

// Minutes before the newest record, newest at the right.
ChartAxis timeAxis() {
    ChartAxis axis = fixed(0, 1439, 1);
    axis.inverted = true;
    return axis;
}

ChartSeries series(const char* title, Colour colour, int width, SeriesAxis axis = SeriesAxis::Left,
                   bool active = true) {
    ChartSeries s;
    s.title = QString::fromUtf8(title);
    s.colour = colour;
    s.pointColour = colour;
    s.width = width;
    s.axis = axis;
    s.active = active;
    return s;
}

}  // namespace

ChartModel::ChartModel() {
    Chart& t = charts[Temperature];
    t.title = QStringLiteral("Temperatura - Punto de Rocio. ( ºC )");
    t.left = automatic(0.1);
    t.right = automatic(0.1);
    t.bottom = timeAxis();
    t.series = {series("Temperatura ºC", colours::black, 2, SeriesAxis::Both),
                series("Punto Rocio ºC", colours::red, 1, SeriesAxis::Both),
                series("Temp.2", colours::green, 1, SeriesAxis::Left, false)};

    Chart& r = charts[RainCloudHumidity];
    r.title = QStringLiteral("Lluvia - Nubes - Humedad - Luz");
    r.left = fixed(-2, 102, 0);
    r.right = fixed(-20, 1020, 1, colours::blue);
    r.right.title = QStringLiteral("AlturaSol");
    r.bottom = timeAxis();
    // "Nubes T." is shown once the station reports a valid infrared sky temperature.
    r.series = {series("Nubes P", colours::grey, 2),
                series("Nubes T.", colours::grey, 1, SeriesAxis::Left, false),
                series("Lluvia %", colours::red, 2),
                series("H rel %", kLime, 1),
                series("R.Solar teor.", kSalmon, 1, SeriesAxis::Right),
                series("R.Solar w/m2", colours::blue, 1, SeriesAxis::Right)};

    Chart& s = charts[SkyBrightness];
    s.title = QStringLiteral("Magnitud Visual");
    s.left = fixed(19, 22, 0.01, colours::blue);
    s.right = fixed(4, 7, 0.01, colours::red);
    s.bottom = ChartAxis{};
    s.bottom.inverted = true;
    s.bottom.minimum = 0;
    s.bottom.maximum = 1439;
    s.series = {series("Brillo Cielo (mag/arc sg2)           ", colours::blue, 2),
                series("Magnitud V lim.  (NELM)", colours::red, 1, SeriesAxis::Right)};
    s.legendShowsLastValue = true;
    s.gradient = true;

    Chart& w = charts[Wind];
    w.title = QStringLiteral("Anemómetro (vueltas/minuto)");
    w.left = fixed(-1, 101, 0.1);
    w.right = fixed(-3, 363, 72, colours::red);
    w.bottom = timeAxis();
    w.series = {series("Anem. Term. 2", colours::green, 2, SeriesAxis::Left, false),
                series("Veleta", colours::red, 1, SeriesAxis::Right),
                series("V.Max", colours::blue, 1),
                series("V.Min", colours::grey, 1),
                series("V. Media 1min.", colours::blue, 1, SeriesAxis::Left, false),
                series("V. Media 10min.", kLime, 1)};
    w.series[1].roundPoints = true;

    Chart& g = charts[RainGauge];
    g.title = QStringLiteral("Pluviometro  ( l / m2 )");
    g.hint = QStringLiteral("Acumulado del Mes:");
    g.left = automatic(0.01);
    g.right = automatic(0.01);
    g.bottom = timeAxis();
    g.series = {series("Pluviometro mm", colours::green, 2, SeriesAxis::Both)};

    Chart& p = charts[Pressure];
    p.title = QStringLiteral("Barometro mB");
    p.left = fixed(990, 1030, 0.1);
    p.right = fixed(990, 1030, 0.1);
    p.bottom = timeAxis();
    p.series = {series("Presion relativa mB", colours::red, 1, SeriesAxis::Both),
                series("Presion Absoluta mB", colours::green, 1)};
}

}  // namespace zaq
