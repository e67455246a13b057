#include "records/RainSummary.h"

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "ui/DateTimeText.h"
#include "ui/NumberFormat.h"
#include "ui/TextFile.h"

namespace zaq {

void RainSummary::writeRainSummary() {
    const QString name = s_.config.graphsDirectory + QStringLiteral("pluviometria.txt");
    createWithHeader(name, QStringLiteral("RESUMEN DE DATOS PLUVIOMETRICOS \n"
                                          "Datos completos si el PC permanece encendido 24h. \n"
                                          "Caso contrario, consultar historico a la estacion. \n") +
                               QString(51, u'-') +
                               QStringLiteral("\nFecha       l/m2    Acumulados\n") +
                               QString(36, u'-') + u'\n');
    const double day = s_.readings.rainTodayTenths * 0.1;
    appendText(name, shortDateText(s_.clock.now().date()) +
                         QString::asprintf("\t%0.1f\t\t%d\n", day,
                                           truncated(day + s_.readings.rainTotalMm)));
}

}  // namespace zaq
