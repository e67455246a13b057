#pragma once

#include "station/FieldReader.h"

namespace zaq {

// The station's 83-character data message, positions counted from the opening parenthesis:
// "(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 a0200)"
struct DataField {
    int pos;
    int width;
};

namespace datafield {
inline constexpr DataField roof{1, 1};
inline constexpr DataField heater{2, 1};
inline constexpr DataField supply{3, 1};
inline constexpr DataField rainSensor{5, 3};
inline constexpr DataField cloud{9, 3};
inline constexpr DataField pressureSea{13, 5};
inline constexpr DataField pressureAbs{19, 5};
inline constexpr DataField rainToday{25, 4};
inline constexpr DataField rainTotal{30, 4};
inline constexpr DataField daylight{35, 3};
inline constexpr DataField skyExponent{39, 1};
inline constexpr DataField skyMantissa{40, 4};
inline constexpr DataField temperature{45, 4};
inline constexpr DataField humidity{50, 3};
inline constexpr DataField dewPoint{54, 4};
inline constexpr DataField windThermal{59, 4};
inline constexpr DataField windMean{64, 3};
inline constexpr DataField wind{68, 4};
inline constexpr DataField direction{73, 3};
inline constexpr DataField kind{77, 1};
inline constexpr DataField block{78, 4};
}  // namespace datafield

inline constexpr int kDataMessageLength = 83;
inline constexpr int kShortFormLength = 75;

inline int readField(const char* message, DataField field) {
    return readInteger(message + field.pos, field.width);
}

inline unsigned char byteAt(const char* message, DataField field) {
    return static_cast<unsigned char>(message[field.pos]);
}

}  // namespace zaq
