#include "core/MainActions.h"

#include "base/Clock.h"
#include "base/GraphsForm.h"
#include "base/MainForm.h"
#include "base/MessagesForm.h"
#include "base/SettingsForm.h"
#include "base/SummaryForm.h"

namespace zaq {

void MainActions::BAjustesClick() {
    p_.settings.window.show();
}

void MainActions::BMensajesClick() {
    const QDate today = p_.clock.now().date();
    p_.messages.DTP1.date = QDate(today.year(), today.month(), 1);
    p_.messages.ENumDias.text = QString::asprintf("%03i", today.day() - 1);
    p_.messages.window.show();
    p_.messages.window.focus(QStringLiteral("PMensajes"));
}

void MainActions::BGraficasClick() {
    p_.graphs.window.show();
    p_.graphs.window.focus(QStringLiteral("PBotones"));
}

void MainActions::BCartelClick() {
    p_.summary.window.show();
    p_.main.window.hide();
}

}  // namespace zaq
