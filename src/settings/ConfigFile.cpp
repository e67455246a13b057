#include "settings/ConfigFile.h"

#include <QFile>
#include <cmath>

#include "base/Configuration.h"
#include "settings/ConfigFields.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "ui/TextFile.h"

namespace zaq {

using namespace cfglayout;

void ConfigFile::loadConfiguration() {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        config_ = Configuration{};
        writeDefaults();
        return;
    }
    // Room for every byte of the image to have been written as a CR LF pair.
    image_.loadFileBytes(file.read(2 * ConfigImage::kSize));
    readValues();
}

bool ConfigFile::writeConfiguration() const {
    return replaceFile(path_, image_.fileBytes(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// Without a file the image holds the defaults too, so that a save of one group (the closing
// limits, say) does not write zeros for the others.
void ConfigFile::writeDefaults() {
    image_ = ConfigImage{};
    for (const ConfigField& field : configFields()) {
        storeValue(field, config_, image_);
    }
    image_.writeChar(kDataInterval, config_.dataIntervalMinutes == 1 ? '1' : '5');
    image_.writeText(kLatitude, kCoordinateWidth,
                     QString::asprintf("%03.3f", std::fabs(config_.latitude)));
    image_.writeChar(kLatitudeHemisphere, config_.latitude < 0 ? 'S' : 'N');
    image_.writeText(kLongitude, kCoordinateWidth,
                     QString::asprintf("%03.3f", std::fabs(config_.longitude)));
    image_.writeChar(kLongitudeSide, config_.longitude < 0 ? 'O' : 'E');
    image_.writeChar(kHoursFromUt, static_cast<char>(config_.hoursFromUt & 0xFF));
}

// The table's fields, then those with a rule of their own.
void ConfigFile::readValues() {
    const ConfigImage& im = image_;
    Configuration& c = config_;
    for (const ConfigField& field : configFields()) {
        loadField(field, im, c);
    }
    for (int i = 0; i < 4; ++i) {
        c.ipVideoChannels[static_cast<std::size_t>(i)] = im.readFlag(kIpVideoChannel1 + i);
    }
    c.dataIntervalMinutes = im.readDecimal(kDataInterval, 1) == 1 ? 1 : 5;
    c.skyRangeIndex = im.charAt(kSkyRange) - '0';
    if (c.chartIntervalMinutes <= 0) {
        c.chartIntervalMinutes = 3;
    }
    c.latitude = im.readNumber(kLatitude, kCoordinateWidth);
    if (im.charAt(kLatitudeHemisphere) == 'S') {
        c.latitude = -c.latitude;
    }
    c.longitude = im.readNumber(kLongitude, kCoordinateWidth);
    const char side = im.charAt(kLongitudeSide);
    if (side == 'O' || side == 'W') {
        c.longitude = -c.longitude;
    }
    c.hoursFromUt = static_cast<signed char>(im.charAt(kHoursFromUt));
}

}  // namespace zaq
