#pragma once

#include <QString>
#include <optional>

#include "records/DataSources.h"

namespace zaq {

// The three tab tables of the observatory's records, sharing one column layout: the monthly
// "zaq_MM_YYYY.txt", the daily five-second "5sg_DD_MM_YYYY.txt" and the one-line "zaqdf.txt".
// Decimal points are written as commas.
class DataTables {
  public:
    explicit DataTables(const DataSources& sources) : s_(sources) {}

    // The means of the newest N records, N = 1 with "Cada Minuto" ticked, else 5.
    void writeMonthlyDataLine();
    void writeFiveSecondLine();
    // Rewritten whole: the header and the newest record.
    void writeCurrentDataFile();

    QString monthlyFileName() const;
    QString fiveSecondFileName() const;

  private:
    struct Row {
        QString date;
        QString time;
        int rain;
        int cloud;
        double pressure;
        const char* pressureFormat;
        double pressureAbs;
        double rainGauge;
        double rainTotal;
        double light;
        double sky;
        double temperature;
        double humidity;
        double dewPoint;
        double thermalWind;
        double meanWind;
        double wind;
        int direction;
        std::optional<double> skyTemperature;  // the monthly file's "TIR"
    };
    QString line(const Row& row) const;
    Row newestRow() const;

    DataSources s_;
};

}  // namespace zaq
