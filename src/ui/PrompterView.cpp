#include "ui/PrompterView.h"

#include <QMessageBox>

namespace zaq {
namespace {
const QString kCaption = QStringLiteral("ATENCION");
}

void PrompterView::warn(const QString& text) {
    QMessageBox::warning(nullptr, kCaption, text, QMessageBox::Ok);
}

bool PrompterView::ask(const QString& text) {
    return QMessageBox::question(nullptr, kCaption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void PrompterView::reportError(const QString& text) {
    QMessageBox::critical(nullptr, QStringLiteral("ZAQ"), text, QMessageBox::Ok);
}

}  // namespace zaq
