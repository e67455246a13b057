#include "automation/WeatherInterface.h"

#include "automation/ObservatoryInterface.h"

namespace zaq {
namespace {

const QString kStandardInterfaces = QStringLiteral(
    "  <interface name=\"org.freedesktop.DBus.Properties\">\n"
    "    <method name=\"Get\">\n"
    "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
    "      <arg name=\"property_name\" type=\"s\" direction=\"in\"/>\n"
    "      <arg name=\"value\" type=\"v\" direction=\"out\"/>\n"
    "    </method>\n"
    "    <method name=\"Set\">\n"
    "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
    "      <arg name=\"property_name\" type=\"s\" direction=\"in\"/>\n"
    "      <arg name=\"value\" type=\"v\" direction=\"in\"/>\n"
    "    </method>\n"
    "    <method name=\"GetAll\">\n"
    "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
    "      <arg name=\"values\" type=\"a{sv}\" direction=\"out\"/>\n"
    "    </method>\n"
    "  </interface>\n"
    "  <interface name=\"org.freedesktop.DBus.Introspectable\">\n"
    "    <method name=\"Introspect\">\n"
    "      <arg name=\"xml_data\" type=\"s\" direction=\"out\"/>\n"
    "    </method>\n"
    "  </interface>\n"
    "  <interface name=\"org.freedesktop.DBus.Peer\">\n"
    "    <method name=\"Ping\"/>\n"
    "  </interface>\n");

QString memberAnnotations(const WeatherMember& m) {
    QString xml;
    if (*m.help != '\0') {
        xml +=
            introspectionAnnotation(6, "org.freedesktop.DBus.Description", QLatin1String(m.help));
    }
    return xml + introspectionAnnotation(6, "zaq.DispId",
                                         QStringLiteral("0x%1").arg(m.dispId, 8, 16, QChar(u'0')));
}

QString access(WeatherMember::Kind kind) {
    switch (kind) {
        case WeatherMember::Kind::ReadWrite:
            return QStringLiteral("readwrite");
        case WeatherMember::Kind::WriteOnly:
            return QStringLiteral("write");
        default:
            return QStringLiteral("read");
    }
}

}  // namespace

// Interface annotations are indented four spaces, member annotations six.
QString introspectionAnnotation(int indent, const char* name, const QString& value) {
    return QString(indent, u' ') + QStringLiteral("<annotation name=\"%1\" value=\"%2\"/>\n")
                                       .arg(QLatin1String(name), value.toHtmlEscaped());
}

QString weatherInterfaceXml() {
    QString xml =
        QStringLiteral("  <interface name=\"%1\">\n").arg(QLatin1String(kWeatherInterface));
    xml += introspectionAnnotation(4, "org.freedesktop.DBus.Description",
                                   QStringLiteral("Dispatch interface for Weather Object"));
    xml += introspectionAnnotation(4, "zaq.Library", QStringLiteral("zaq 1.0, zaq Library"));
    xml += introspectionAnnotation(4, "zaq.Class", QStringLiteral("Weather, Weather Object."));
    for (const WeatherMember& m : kWeatherMembers) {
        if (m.kind == WeatherMember::Kind::Method) {
            xml += QStringLiteral("    <method name=\"%1\">\n").arg(QLatin1String(m.name)) +
                   memberAnnotations(m) + QStringLiteral("    </method>\n");
        } else {
            xml += QStringLiteral("    <property name=\"%1\" type=\"%2\" access=\"%3\">\n")
                       .arg(QLatin1String(m.name), QLatin1String(m.type), access(m.kind)) +
                   memberAnnotations(m) + QStringLiteral("    </property>\n");
        }
    }
    return xml + QStringLiteral("  </interface>\n");
}

QString weatherIntrospectionDocument() {
    return QStringLiteral(
               "<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n"
               "<node name=\"%1\">\n")
               .arg(QLatin1String(kWeatherPath)) +
           weatherInterfaceXml() + ObservatoryInterface::interfaceXml() + kStandardInterfaces +
           QStringLiteral("</node>\n");
}

}  // namespace zaq
