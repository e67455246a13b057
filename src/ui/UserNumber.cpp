#include "ui/UserNumber.h"

namespace zaq {

std::optional<double> parseUserDecimal(const QString& text) {
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseUserInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

QString notANumberText(const QString& text) {
    return QStringLiteral("'%1' no es un valor numérico válido").arg(text);
}

}  // namespace zaq
