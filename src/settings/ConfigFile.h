#pragma once

#include <QString>

namespace zaq {

class ConfigImage;
struct Configuration;

// "zaq.cfg" in the program directory: the image is read into the configuration values, and
// written back whole.
class ConfigFile {
  public:
    ConfigFile(QString path, ConfigImage& image, Configuration& config)
        : path_(std::move(path)), image_(image), config_(config) {}

    // Without a readable file every value takes its default.
    void loadConfiguration();
    // Replaced atomically, readable by the owner only (it holds a camera password).
    bool writeConfiguration() const;

    const QString& path() const { return path_; }

  private:
    void readValues();
    void writeDefaults();

    QString path_;
    ConfigImage& image_;
    Configuration& config_;
};

}  // namespace zaq
