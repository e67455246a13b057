#include "base/SettingsForm.h"

namespace zaq {

SettingsForm::SettingsForm() {
    CBmaster.colour = colours::window;
    T.visible = false;
    CBPingInternet.hint = QStringLiteral("Host para comprobar conexion a internet.");
    EPingInternet.hint = QStringLiteral("Host para comprobar conexion a internet.");
    Eident.hint = QStringLiteral("Texto a insertar en capturas y logs.");
    CBAutoShutDawn.hint =
        QStringLiteral("Apagado automatico del PC si nivel de bateria < Limite Fuente - 0,5");
    ETiempoJpg.hint = QStringLiteral("Minutos entre captura de graficas jpg.");
    EdirIPcamara.hint = QStringLiteral("Direccion del IP video.");
    CBCapturarIPcam.hint = QStringLiteral("Captura imagenes cada minuto.");
    CBalmacenar.hint = QStringLiteral("Conserva imagenes en ficheros con fecha.");
    EtiempoTomasIPcam.hint = QStringLiteral("Tiempo entre capturas acumuladas.");
    EdirCamaraPI.hint = QStringLiteral("Direccion. Ruta completa del jpg.");
    CBCapturarPI.hint = QStringLiteral("Captura imagenes cada minuto.");
    CBalmacenarPI.hint = QStringLiteral("Conserva imagenes en ficheros con fecha.");
    EtiempoTomasPI.hint = QStringLiteral("Tiempo entre capturas acumuladas.");
    EUserPI.hint = QStringLiteral("Usuario si es necesario.");
    EPassPI.hint = QStringLiteral("Contraseña si la hay.");
    CBAperturaAuto.hint =
        QStringLiteral("La apertura se activa sola siempre que los limites lo permitan.");
    EK2Anem_term.visible = false;
    GBNiveles.hint = QStringLiteral(
        "Para actualizar valor la casilla debe estar amarilla. Poner a 0 para desactivar.");
    GBCalibracion.hint = QStringLiteral("Para actualizar valor la casilla debe estar amarilla.");
}

}  // namespace zaq
