#include "settings/MessagesActions.h"

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/MasterPc.h"
#include "base/MessagesForm.h"
#include "base/MessagesList.h"
#include "base/ProgramVersion.h"
#include "base/SettingsForm.h"
#include "station/CommandQueue.h"
#include "ui/DateTimeText.h"
#include "ui/FileNaming.h"
#include "ui/Prompter.h"
#include "ui/TextFile.h"
#include "ui/Windows1252.h"

namespace zaq {
namespace {

// The summary of the station's manual commands, exactly as the station PC always showed it.
constexpr const char* kHelp[] = {
    " ",
    "----------------------Ayuda sobre Comandos Manuales ---------------------------------",
    "---COMANDOS GENERICOS-------------------------------",
    "  (y) : pide fecha hora del RTC",
    "  (Q) : reset de la estación",
    "  (<00x) : lectura canal 0 a 7 conversor AD, 0.0024v por cuenta. Ej.(<001) lee Nubes",
    "  (>00x) : lectura sonda temperatura I2C. Ej: (>007) temp. de la PCB.",
    "  (_) : lectura  hexadecimal del mensaje TX20.",
    "---RELE AUXILIAR TEMPORIZADOR 24h-------------------",
    "  (Son2215) hora de ON, (Sof2315) hora de OFF.",
    "---PLUVIOMETRO--------------------------------------",
    "  (K00124) : preajuste en litros del contador del pluviómetro acumulado.",
    "  (k00012) : preajuste en decilitros del pluviómetro diario.",
    "---INFORMACION DESDE LA ESTACION -------------------",
    "  (¿) : versión del programa.",
    "  (?) : formato del mensaje de datos.",
    "---FORMATO MENSAJE DE DATOS ------------------------",
    "(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 a0200)",
    " TCf Llu Nub BarC  BarA  Plu PluAc Ldia Lnoc Tem  Hum Roc  AneT AnMd AneM DirM Bloqu",
    "     %   %   HPa   HPa   dl   l    %   mHz*  ºC   %   ºC   Km/h Km/h Km/h º  ",
    "     x10 x10 x10   x10   x1   x1   x10       x10  x10 x10  x10  x1   x10 ",
    "-------------------------------------------------------------------------------------",
    " ",
};

}  // namespace

// The text goes to the queue exactly as typed; one too long for a slot is refused there.
void MessagesActions::Benvia_terminalClick() {
    if (!commandingAllowed(p_.settings, p_.prompter)) {
        return;
    }
    p_.queue.enqueueCommand(encodeWindows1252(p_.form.Eterminal.text));
}

void MessagesActions::BClearHistoryClick() {
    p_.messages.clear();
}

QString MessagesActions::savedListName() const {
    const QDateTime now = p_.clock.now();
    return p_.config.dataDirectory + fileNamePart(timeText(now)) + QStringLiteral(".txt");
}

// Saving twice in the same second finds the file there and writes nothing.
void MessagesActions::Button1Click() {
    const QString name = savedListName();
    if (p_.messages.textLength() >= kMaxSavedText) {
        p_.messages.addMessage(QStringLiteral("Historico demasiado largo."));
        return;
    }
    if (fileExists(name)) {
        return;
    }
    QString text;
    for (const QString& line : p_.form.Mhistory.lines) {
        text += line + u'\n';
    }
    if (appendText(name, text)) {
        p_.messages.addMessage(QStringLiteral("Creado: ") + name);
    }
}

void MessagesActions::BAyudaClick() {
    for (const char* line : kHelp) {
        p_.messages.addMessage(QString::fromUtf8(line));
    }
}

void MessagesActions::BVersionClick() {
    p_.messages.addMessage(programVersionText());
}

}  // namespace zaq
