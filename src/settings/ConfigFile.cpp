#include "settings/ConfigFile.h"

#include <QFile>

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
        return;
    }
    // Room for every byte of the image to have been written as a CR LF pair.
    image_.loadFileBytes(file.read(2 * ConfigImage::kSize));
    readValues();
}

bool ConfigFile::writeConfiguration() const {
    return replaceFile(path_, image_.fileBytes(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
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
