#include "cameras/ImageOverlay.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "records/Banner.h"
#include "ui/DateTimeText.h"
#include "ui/Jpeg.h"
#include "ui/Prompter.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

constexpr int kStampQuality = 90;
// By day the sky sensor reads 9 mag/arcsec² or less.
constexpr float kNightSky = 9.0f;

}  // namespace

bool ImageOverlay::appendTextStrip(const QString& input, const QString& output,
                                   const QString& text) {
    const JpegPicture picture = readJpegFile(input);
    if (!picture.ok()) {
        p_.messages.addMessage(input + QStringLiteral(" formato invalido."));
        return false;
    }
    const QImage& source = picture.image;
    QImage image(source.width(), source.height() + kStripHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawImage(0, 0, source);
    QFont font = QGuiApplication::font();
    font.setPointSize(source.height() > 400 ? 12 : 8);
    painter.setFont(font);
    painter.setPen(QColor(166, 202, 240));
    painter.drawText(QRect(5, image.height() - 20, image.width(), 20), Qt::AlignLeft | Qt::AlignTop,
                     text);
    painter.end();
    QString error;
    if (!writeJpegFile(output, image, kStampQuality, &error)) {
        p_.prompter.reportError(error);
        return false;
    }
    return true;
}

bool ImageOverlay::stampCameraImage(const QString& file) {
    return appendTextStrip(file, file, bannerLine1()) && appendTextStrip(file, file, bannerLine2());
}

QString ImageOverlay::bannerLine1() const {
    const int hours = p_.config.hoursFromUt;
    return p_.settings.Eident.text + QStringLiteral("  ") + timeText(p_.clock.now()) +
           (hours == 0 ? QStringLiteral(" UTC ")
                       : QStringLiteral(" UTC+") + QString::number(hours));
}

void ImageOverlay::publishCameraImage(CameraKind kind, int number, int& minuteCounter) {
    const bool video = kind == CameraKind::IpVideo;
    const QString& dir = p_.config.graphsDirectory;
    const QString working =
        dir + (video ? QStringLiteral("IPcam.jpg") : QStringLiteral("picam.jpg"));
    if (!video && !QFile::exists(working)) {
        p_.messages.addMessage(QStringLiteral(" ocupado "));
        return;
    }
    if (!stampCameraImage(working)) {
        return;
    }
    const int published = video ? number : number + 1;
    QFile file(working);
    const QByteArray picture = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // Copy failures are not reported: the next capture tries again.
    replaceFile(dir + QStringLiteral("IPcam") + QString::number(published) + QStringLiteral(".jpg"),
                picture);
    const bool archive = video ? p_.config.ipVideoArchive : p_.config.cameraArchive;
    const int interval = video ? p_.config.ipVideoIntervalMinutes : p_.config.cameraIntervalMinutes;
    if (archive && minuteCounter == interval) {
        replaceFile(p_.config.capturesDirectory + datedCaptureName(published, p_.clock.now()),
                    picture);
        if (!video) {
            minuteCounter = 0;
        }
    }
}

QString ImageOverlay::testCaptionLine() const {
    const MainForm& m = p_.main;
    const int hours = p_.config.hoursFromUt;
    const QString weather = m.PHumedad.text + QStringLiteral("%Hr ") + m.PVelViento.text +
                            QStringLiteral("Km/h") + m.PDirNSEO.text + u' ' + m.PBarometro.text +
                            QStringLiteral("mB");
    const QString start = p_.settings.Eident.text + u' ' + timeText(p_.clock.now());
    if (hours == 0) {
        return start + QStringLiteral(" UTC  ") + m.PTempAmbiente.text + QStringLiteral("ºC ") +
               weather;
    }
    return start + QStringLiteral(" UTC+") + QString::number(hours) + QStringLiteral("   ") +
           m.PTempAmbiente.text + QStringLiteral("ºC, ") + weather;
}

void ImageOverlay::TClick() {
    appendTextStrip(p_.programDirectory + QStringLiteral("ipcam.jpg"),
                    p_.programDirectory + QStringLiteral("ipcamtxt.jpg"), testCaptionLine());
    p_.banner.writeBanner(QStringLiteral("baner-b.jpg"));
}

QString ImageOverlay::bannerLine2() const {
    const MainForm& m = p_.main;
    const QString first = QStringLiteral("ZAQ: ") + m.PTempAmbiente.text + QStringLiteral("ºC, ") +
                          m.PHumedad.text + QStringLiteral("%H ") + m.PVelViento.text +
                          QStringLiteral("Km/h ") + m.LAnemometroMecMax.text +
                          QStringLiteral("max ") + m.PDirNSEO.text + u' ' + m.PBarometro.text +
                          QStringLiteral("mB ") + m.PPluviometro.text + QStringLiteral("mm ");
    if (p_.readings.skyMagnitude <= kNightSky) {
        return first + m.PRadSol.text + QStringLiteral("W/m2 ") + m.LRadSolacuPorcent.text;
    }
    return first + QStringLiteral("MV") + m.PMagnitud.text + u' ' +
           Banner::skyWordOfCode(p_.banner.skyConditionCode());
}

QString ImageOverlay::datedCaptureName(int number, const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    return QStringLiteral("c%1_%2-%3-%4-%5-%6-%7.jpg")
        .arg(number)
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}

}  // namespace zaq
