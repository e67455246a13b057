#include "cameras/SingleBoardCapture.h"

#include <QFileInfo>

#include "base/Configuration.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "cameras/ImageOverlay.h"

namespace zaq {

SingleBoardCapture::SingleBoardCapture(Deps deps) : p_(deps), requests_(deps.http, deps.messages) {
    timer_.setInterval(kTickMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { TimerPicamTimer(); });
}

void SingleBoardCapture::startMinute() {
    if (!p_.config.cameraCapture) {
        return;
    }
    restart();
    ++minutes_;
}

void SingleBoardCapture::BpiClick() {
    p_.settings.LStatusCamPI.text = QStringLiteral("--");
    restart();
}

void SingleBoardCapture::restart() {
    requests_.restart();
    timer_.start();
    s_ = FirstRequest;
}

void SingleBoardCapture::TimerPicamTimer() {
    if (requests_.open()) {
        return;
    }
    prepareRequest();
    switch (s_) {
        case FirstRequest:
            fetch(SecondRequest);
            break;
        case SecondRequest:
            fetch(CheckFile);
            break;
        case CheckFile:
            checkFile();
            break;
        case Publish:
            publish();
            break;
        case Idle:
            break;
    }
}

// Step 1: credentials only for a user name of more than three characters.
void SingleBoardCapture::prepareRequest() {
    if (p_.config.cameraUser.size() > 3) {
        user_ = p_.config.cameraUser;
        password_ = p_.config.cameraPassword;
    } else {
        p_.messages.addMessage(QStringLiteral("sin psw"));
    }
}

// Every "x" of the address is the camera's number; only the first request's failure is said.
void SingleBoardCapture::fetch(State next) {
    QString url = p_.config.cameraAddress;
    url.replace(u'x', QString::number(n_));
    requests_.get({url, kTimeoutMs, user_, password_, workingFile()},
                  [this, next](const HttpResult& r) {
                      if (r.ok) {
                          s_ = next;
                          p_.settings.LStatusCamPI.text = QString::number(next);
                      } else if (s_ == FirstRequest) {
                          p_.messages.addMessage(QStringLiteral("Fallo captura IPcam"));
                      }
                  });
}

void SingleBoardCapture::checkFile() {
    const QFileInfo picture(workingFile());
    if (!picture.exists()) {
        return;
    }
    if (picture.size() <= kSmallestPicture) {
        s_ = FirstRequest;
        return;
    }
    p_.settings.LStatusCamPI.text = QStringLiteral("-OK-");
    p_.settings.LTamJpg.text = QString::number(picture.size() / 1000) + QStringLiteral(" KB");
    s_ = Publish;
}

// The first camera is published as video channel 2, the second as channel 3.
void SingleBoardCapture::publish() {
    p_.overlay.publishCameraImage(ImageOverlay::CameraKind::SingleBoard, n_, minutes_);
    if (n_ == 1) {
        n_ = 2;
        s_ = FirstRequest;
        return;
    }
    n_ = 1;
    s_ = Idle;
    timer_.stop();
}

QString SingleBoardCapture::workingFile() const {
    return p_.config.graphsDirectory + QStringLiteral("picam.jpg");
}

}  // namespace zaq
