#include "cameras/IpVideoCapture.h"

#include "base/Configuration.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "cameras/ImageOverlay.h"

namespace zaq {

IpVideoCapture::IpVideoCapture(Deps deps)
    : p_(deps), requests_(deps.http, deps.messages), buttonRequests_(deps.http, deps.messages) {
    timer_.setInterval(kTickMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { TimerCamaraTimer(); });
}

void IpVideoCapture::startMinute() {
    if (!p_.config.ipVideoCapture) {
        return;
    }
    if (k_ == 0) {
        k_ = 1;
        timer_.start();
    }
    ++minutes_;
}

void IpVideoCapture::BcamaraIPClick() {
    k_ = 1;
    requests_.restart();
    p_.settings.LStatusIPcam.text = QStringLiteral("- -");
    timer_.start();
}

void IpVideoCapture::BSetChanelClick() {
    selectVideoChannel(buttonRequests_, 1, [this](bool ok) {
        p_.messages.addMessage(ok ? QStringLiteral("Canal 1 selec")
                                  : QStringLiteral("Fallo selec"));
    });
}

void IpVideoCapture::RdChClick() {
    readVideoChannel(buttonRequests_, [this](int channel) {
        if (channel == 0) {
            p_.messages.addMessage(QStringLiteral("Fallo seleccion canal"));
            p_.settings.LNumCanal.text = QStringLiteral("-");
        } else {
            p_.settings.LNumCanal.text = QString::number(channel);
        }
    });
}

void IpVideoCapture::TimerCamaraTimer() {
    if (requests_.open()) {
        return;
    }
    readVideoChannel(requests_, [this](int channel) { afterChannelRead(channel); });
}

// Steps 1 and 2 of a tick, once the server has said its channel.
void IpVideoCapture::afterChannelRead(int channel) {
    Label& shown = p_.settings.LNumCanal;
    if (channel == 0) {
        shown.text = QStringLiteral("?");
        return;
    }
    shown.text = QString::number(channel);
    if (k_ < 1 || k_ > 4 || !p_.config.ipVideoChannels[k_ - 1]) {
        ++k_;
        endTickWhenCycleDone();
        return;
    }
    CheckBox& box = channelBox(k_);
    box.colour = colours::skyBlue;
    if (channel != k_) {
        selectVideoChannel(requests_, k_, [this, &box](bool) {
            box.colour = colours::grey;
            p_.settings.LStatusIPcam.text = QStringLiteral("-");
        });
        return;
    }
    captureVideoPicture([this](bool ok) { afterCapture(ok); });
}

void IpVideoCapture::afterCapture(bool ok) {
    CheckBox& box = channelBox(k_);
    if (!ok) {
        box.colour = colours::maroon;
        return;
    }
    p_.overlay.publishCameraImage(ImageOverlay::CameraKind::IpVideo, k_, minutes_);
    box.colour = colours::buttonFace;
    ++k_;
    endTickWhenCycleDone();
}

// Step 3: past channel 4 the walk is over until the next minute.
void IpVideoCapture::endTickWhenCycleDone() {
    if (k_ <= 4) {
        return;
    }
    k_ = 0;
    timer_.stop();
    if (minutes_ == p_.config.ipVideoIntervalMinutes) {
        minutes_ = 0;
    }
    for (int channel = 1; channel <= 4; ++channel) {
        channelBox(channel).colour = colours::buttonFace;
    }
}

// The server's channel for the user (1–4), 0 when it cannot be read: the eleventh character of
// the answer is the server's channel digit (0–3).
void IpVideoCapture::readVideoChannel(CycleRequests& via, ChannelRead then) {
    request(via, QStringLiteral("GetChannel.cgi"), {},
            [then = std::move(then)](const HttpResult& r) {
                const char digit = r.ok && r.body.size() >= 11 ? r.body.at(10) : '\0';
                then(digit >= '0' && digit <= '9' ? digit - '0' + 1 : 0);
            });
}

void IpVideoCapture::selectVideoChannel(CycleRequests& via, int channel, Outcome then) {
    request(via, QStringLiteral("SetChannel.cgi?Channel=") + QString::number(channel - 1), {},
            [this, channel, then = std::move(then)](const HttpResult& r) {
                p_.settings.LNumCanal.text = r.ok ? QString::number(channel) : QStringLiteral("-");
                then(r.ok);
            });
}

void IpVideoCapture::captureVideoPicture(Outcome then) {
    request(requests_, QStringLiteral("Jpeg/CamImg.jpg"),
            p_.config.graphsDirectory + QStringLiteral("IPcam.jpg"),
            [this, then = std::move(then)](const HttpResult& r) {
                p_.settings.LStatusIPcam.text =
                    r.ok ? QStringLiteral("Foto: -OK-") : QStringLiteral("- -");
                then(r.ok);
            });
}

void IpVideoCapture::request(CycleRequests& via, const QString& path, const QString& bodyFile,
                             CycleRequests::Then then) {
    via.get({p_.config.ipVideoAddress + path, kTimeoutMs, {}, {}, bodyFile}, std::move(then));
}

CheckBox& IpVideoCapture::channelBox(int channel) {
    SettingsForm& f = p_.settings;
    CheckBox* boxes[] = {&f.CBipvideo1, &f.CBipvideo2, &f.CBipvideo3, &f.CBipvideo4};
    return *boxes[channel - 1];
}

}  // namespace zaq
