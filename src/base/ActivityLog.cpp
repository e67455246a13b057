#include "base/ActivityLog.h"

#include "base/Clock.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "ui/DateTimeText.h"
#include "ui/FileNaming.h"
#include "ui/TextFile.h"

namespace zaq {

QString ActivityLog::fileName(const QDate& date) const {
    // The short date without its day: "03/2015" names Log_03_2015.txt.
    const QString monthAndYear = shortDateText(date).mid(3);
    return directory_ + QStringLiteral("Log_") + fileNamePart(monthAndYear) +
           QStringLiteral(".txt");
}

QString ActivityLog::header() const {
    return QStringLiteral("------- Registro de Actividad Estacion ") + settings_.Eident.text +
           QStringLiteral(
               " -------\n"
               "Ordenes de Apertura, Cierre, Desconexion o Reset. \n"
               "Cambios en Ajustes, Offsets y Control de Niveles. \n"
               "Los mensajes entre parentesis proceden de la estacion. \n") +
           QString(58, u'-') + QStringLiteral(" \n");
}

void ActivityLog::appendActivityLog(const QString& text) {
    const QDateTime now = clock_.now();
    const QString name = fileName(now.date());
    if (!fileExists(name) && createWithHeader(name, header())) {
        messages_.addMessage(QStringLiteral("Creado: ") + name);
    }
    const QString line = timeText(now) + QStringLiteral("-> ") + text + u' ';
    if (!appendLine(name, line)) {
        messages_.addMessage(QStringLiteral("No es posble guardar fichero de Log."));
    }
}

}  // namespace zaq
