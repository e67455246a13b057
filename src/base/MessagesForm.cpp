#include "base/MessagesForm.h"

namespace zaq {

MessagesForm::MessagesForm() {
    CBHistoriaMeteo.hint = QStringLiteral("Cadenas con todos los datos.");
    CBMensCorto.hint = QStringLiteral("Mensajes de configuracion y control.");
    Benvia_terminal.hint = QStringLiteral("Envia comando a estacion.");
    BClearHistory.hint = QStringLiteral("Borra mensajes de la ventana.");
    Button1.hint = QStringLiteral("Gurada los mensajes actuales en fichero.");
    BAyuda.hint = QStringLiteral("Resumen de los principales comandos.");
    RGMaxMin.hint = QStringLiteral("Max., min. diarias o datos cada 10minutos. ");
    BDescargar.hint = QStringLiteral("Leer de la estacion datos de los dias indicados.");
    BVelocidad.hint = QStringLiteral("Cambiar velocidad para leer datos de 10m.");
    BstopDescarga.hint = QStringLiteral("Detiene la descarga.");
}

}  // namespace zaq
