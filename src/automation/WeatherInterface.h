#pragma once

#include <QString>
#include <array>

namespace zaq {

// The members of `IWeather` as its type library lists them: the D-Bus object, its introspection
// XML and the registration all read this one table.
struct WeatherMember {
    enum class Kind { Read, ReadWrite, WriteOnly, Method };
    const char* name;
    Kind kind;
    long dispId;
    // The D-Bus signature: float d, long i, VARIANT_BOOL b, BSTR s; none for a method.
    const char* type;
    const char* help;
};

inline constexpr const char* kWeatherService = "zaq.Weather";
inline constexpr const char* kWeatherPath = "/zaq/Weather";
inline constexpr const char* kWeatherInterface = "zaq.IWeather";
inline constexpr const char* kWeatherError = "zaq.Weather.Error";

inline constexpr std::array<WeatherMember, 19> kWeatherMembers{{
    {"AmbientTemperature", WeatherMember::Kind::Read, 0x60020000, "d",
     "The ambient (outside) air temperature (deg.C) "},
    {"Safe", WeatherMember::Kind::Read, 2, "b", "True if the weather is safe for observing"},
    {"Clouds", WeatherMember::Kind::Read, 3, "d", "Cloud coverage (fractional 0-1)"},
    {"SkyQuality", WeatherMember::Kind::Read, 4, "i", "Sky Quality in visual magnitud"},
    {"Precipitation", WeatherMember::Kind::Read, 8, "b", "True if precipitation is present"},
    {"Name", WeatherMember::Kind::Read, 9, "s", "The display name of the weather system"},
    {"MensajeZaq", WeatherMember::Kind::Read, 10, "s",
     "Serial string received from the station ZAQ."},
    {"BarometricPressure", WeatherMember::Kind::Read, 11, "d",
     "The barometric pressure (millibars) "},
    {"DewPoint", WeatherMember::Kind::Read, 12, "i", "The dew point temperature (deg C) "},
    {"RelativeHumidity", WeatherMember::Kind::Read, 13, "i",
     "The relative humidity (fractional 0-1) "},
    {"WindDirection", WeatherMember::Kind::Read, 14, "i", "The wind direction "},
    {"WindVelocity", WeatherMember::Kind::Read, 15, "i", "The wind velocity (knots)"},
    {"Connected", WeatherMember::Kind::ReadWrite, 16, "b", ""},
    {"OpenShutter", WeatherMember::Kind::Method, 6, "", ""},
    {"CloseShutter", WeatherMember::Kind::Method, 7, "", ""},
    {"ShutterStatus", WeatherMember::Kind::Read, 18, "i", ""},
    {"SkyMagnitude", WeatherMember::Kind::Read, 5, "d", "Sky brignets, visual magnitude"},
    {"SetupDialog", WeatherMember::Kind::Method, 17, "", "Display the weather server setup window"},
    {"MensajeCor", WeatherMember::Kind::WriteOnly, 19, "s", ""},
}};

// One annotation element of the introspection data, its value escaped.
QString introspectionAnnotation(int indent, const char* name, const QString& value);

// The interface element of the introspection data, the type library's counterpart.
QString weatherInterfaceXml();
// A whole introspection document holding it.
QString weatherIntrospectionDocument();

}  // namespace zaq
