#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include "settings/StationSettings.h"
#include "ui/FormView.h"

class QCheckBox;
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
    QCheckBox* addCheck(QFormLayout* form, CheckBox& box);
    // Check boxes side by side on one row of a group.
    QWidget* checkRow(QWidget* parent, std::initializer_list<CheckBox*> boxes);
    // A camera's buttons followed by its status labels, on one line.
    QWidget* buttonRow(QWidget* parent,
                       std::vector<std::pair<Button&, std::function<void()>>> buttons,
                       std::vector<std::reference_wrapper<const Label>> labels);
    QGroupBox* buildCommunication();
    QGroupBox* buildDirectories();
    QGroupBox* buildSite();
    QGroupBox* buildCameras();
    QGroupBox* buildOptions();
    QWidget* buildStation();
    QGroupBox* buildStationGroup(Panel& group, const std::vector<StationSettings::Row>& rows,
                                 Button& save, std::function<void()> saveClick, Button& read,
                                 std::function<void()> readClick);

    AppContext& app_;
};

}  // namespace zaq
