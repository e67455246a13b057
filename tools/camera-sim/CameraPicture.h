#pragma once

#include <QByteArray>
#include <QString>

namespace zaqsim {

// A camera's picture: a test card in the camera's own colour with its name and the time written
// large, as JPEG bytes.
class CameraPicture {
  public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    static QByteArray jpeg(const QString& name, int hue);
};

}  // namespace zaqsim
