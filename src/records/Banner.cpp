#include "records/Banner.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "graphs/GraphStore.h"
#include "ui/DateTimeText.h"
#include "ui/Jpeg.h"
#include "ui/Prompter.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

constexpr int kBannerQuality = 90;
// The record three hours before the newest.
constexpr int kTendencyRecords = 180;
constexpr double kDayRadiation = 75;

const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);

// Text from its top-left corner, in the user-interface typeface; nothing but the letters painted.
void drawText(QPainter& painter, int x, int y, int points, bool bold, const QColor& colour,
              const QString& text) {
    QFont font = QGuiApplication::font();
    font.setPointSize(points);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(x, y, 4000, 400), Qt::AlignLeft | Qt::AlignTop, text);
}

// The sky words and their sky-condition codes, read both ways.
struct SkyCode {
    const char* word;
    int code;
};
constexpr SkyCode kSkyCodes[] = {
    {" Despejado", 12}, {" Nubes", 6}, {" Muy Nublado", 2}, {" Llueve", 3}};

int codeOf(const QString& word) {
    for (const SkyCode& s : kSkyCodes) {
        if (word == QLatin1String(s.word)) {
            return s.code;
        }
    }
    return 2;
}

}  // namespace

QString Banner::skyWordOfCode(int code) {
    for (const SkyCode& s : kSkyCodes) {
        if (code == s.code) {
            return QLatin1String(s.word);
        }
    }
    return QStringLiteral(" ¿?");
}

QString Banner::tendencySymbol(double t) {
    if (t < -2) {
        return QStringLiteral("--");
    }
    if (t < -1) {
        return QStringLiteral("-");
    }
    if (t <= 1) {
        return QStringLiteral(" ");
    }
    return t <= 2 ? QStringLiteral("+") : QStringLiteral("++");
}

QString Banner::daySkyWord(double expected, double measured, double rain) {
    if (rain > 3) {
        return QStringLiteral(" Llueve");
    }
    const double d = std::fabs(std::trunc(measured - expected));
    if (d < 0.2 * expected) {
        return QStringLiteral(" Despejado");
    }
    return d < 0.6 * expected ? QStringLiteral(" Nubes") : QStringLiteral(" Muy Nublado");
}

QString Banner::nightSkyWord(double cloud, int cloudLimit, double rain) {
    if (rain > 3) {
        return QStringLiteral(" Llueve");
    }
    if (cloud < cloudLimit) {
        return QStringLiteral(" Despejado");
    }
    return cloud < cloudLimit + 20 ? QStringLiteral(" Nubes") : QStringLiteral(" Muy Nublado");
}

void Banner::writeBanner(const QString& templateName) {
    const QString templatePath = p_.programDirectory + templateName;
    if (!QFile::exists(templatePath)) {
        return;
    }
    const JpegPicture picture = readJpegFile(templatePath);
    if (!picture.ok()) {
        p_.messages.addMessage(QStringLiteral(" baner-b.jpg formato invalido"));
        return;
    }
    QImage image = picture.image.convertToFormat(QImage::Format_RGB32);
    drawLines(image);
    skyCode_ = codeOf(skyWord_);
    const QString working = p_.config.graphsDirectory + QStringLiteral("jpg_baner.jpg");
    QString error;
    if (!writeJpegFile(working, image, kBannerQuality, &error)) {
        p_.prompter.reportError(error);
        return;
    }
    // The published banner is replaced whole, so the upload never takes half a picture.
    QFile written(working);
    if (written.open(QIODevice::ReadOnly)) {
        replaceFile(p_.config.graphsDirectory + QStringLiteral("baner.jpg"), written.readAll());
    }
    written.close();
    QFile::remove(working);
}

void Banner::drawLines(QImage& image) {
    const MainForm& m = p_.main;
    QPainter painter(&image);
    drawText(painter, 10, 2, 14, false, kBlue, u' ' + p_.settings.Eident.text);
    int y = 2 + 12 + 8;
    const auto& records = p_.store.records();
    const double t = records.back().pressureSeaLevel -
                     records[records.size() - 1 - kTendencyRecords].pressureSeaLevel;
    const QString time = timeText(p_.clock.now());
    if (p_.config.hoursFromUt == 0) {
        drawText(painter, 20, y + 2, 8, true, kGreen, time + QStringLiteral(" UTC"));
    } else {
        drawText(painter, 15, y, 8, true, kGreen,
                 time + QStringLiteral(" UTC+") + QString::number(p_.config.hoursFromUt));
    }
    y = y + 10 + 8;
    const QString lines[] = {
        m.PTempAmbiente.text + QStringLiteral("ºC  (") + m.LTemperaturaMax.text +
            QStringLiteral("  ") + m.LTemperaturaMin.text + u')',
        m.PHumedad.text + QStringLiteral("%Hr  (") + m.LHumedadMax.text + QStringLiteral("  ") +
            m.LHumedadMin.text + u')',
        m.PVelViento.text + QStringLiteral("Km/h  ") + m.PDirNSEO.text + QStringLiteral(" max.") +
            m.LAnemometroMecMax.text,
        m.PPluviometro.text + QStringLiteral("mm ") + m.PBarometro.text + QStringLiteral("mB ") +
            tendencySymbol(t),
        skyLine(),
    };
    for (const QString& line : lines) {
        drawText(painter, 10, y, 10, false, kGreen, line);
        y += 10 + 4;
    }
}

QString Banner::skyLine() {
    const GraphRecord& newest = p_.store.newest();
    const double rain = p_.readings.rainSensorX10 * 0.1;
    if (newest.expectedRadiation >= kDayRadiation) {
        skyWord_ = daySkyWord(newest.expectedRadiation, newest.solarRadiation, rain);
        return u' ' + p_.main.PRadSol.text + QStringLiteral("w/m2 (") +
               p_.main.LRadSolacuPorcent.text + QStringLiteral("ac) ") + skyWord_;
    }
    skyWord_ = nightSkyWord(p_.readings.cloudX10 * 0.1, p_.config.limits.cloudPercent, rain);
    return QStringLiteral("Bri.Cielo ") + p_.main.PMagnitud.text + skyWord_;
}

}  // namespace zaq
