#pragma once

namespace zaq {

class HttpClient;
class ImageOverlay;
class MessagesList;
struct Configuration;
struct SettingsForm;

// What both kinds of camera capture work with.
struct CaptureDeps {
    SettingsForm& settings;
    const Configuration& config;
    HttpClient& http;
    MessagesList& messages;
    ImageOverlay& overlay;
};

}  // namespace zaq
