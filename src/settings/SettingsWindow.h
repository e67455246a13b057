#pragma once

#include "ui/FormView.h"

class QFormLayout;
class QGroupBox;

namespace zaq {

struct AppContext;

// The settings window (TFConfigMeteo): the PC settings grouped as communication, directories,
// site, cameras and options, and "Guardar Configuración".
class SettingsWindow final : public FormView {
  public:
    explicit SettingsWindow(AppContext& app, QWidget* parent = nullptr);

  private:
    QGroupBox* group(const QString& title, QFormLayout*& form);
    void addEdit(QFormLayout* form, const QString& caption, Edit& edit);
    void addCheck(QFormLayout* form, CheckBox& box);
    QGroupBox* buildCommunication();
    QGroupBox* buildDirectories();
    QGroupBox* buildSite();
    QGroupBox* buildCameras();
    QGroupBox* buildOptions();

    AppContext& app_;
};

}  // namespace zaq
