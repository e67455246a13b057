#pragma once

#include <cstdint>

namespace zaq {

// A control colour: an RGB triple, one of the desktop's system colours, or none (not drawn).
class Colour {
  public:
    enum class Kind : std::uint8_t { Rgb, ButtonFace, ButtonText, Window, MenuHighlight, None };

    constexpr Colour() = default;
    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return Colour(Kind::Rgb, r, g, b);
    }
    static constexpr Colour system(Kind kind) { return Colour(kind, 0, 0, 0); }

    constexpr Kind kind() const { return kind_; }
    constexpr std::uint8_t red() const { return r_; }
    constexpr std::uint8_t green() const { return g_; }
    constexpr std::uint8_t blue() const { return b_; }

    friend constexpr bool operator==(const Colour&, const Colour&) = default;

  private:
    constexpr Colour(Kind kind, std::uint8_t r, std::uint8_t g, std::uint8_t b)
        : kind_(kind), r_(r), g_(g), b_(b) {}

    Kind kind_ = Kind::Window;
    std::uint8_t r_ = 0;
    std::uint8_t g_ = 0;
    std::uint8_t b_ = 0;
};

namespace colours {
inline constexpr Colour red = Colour::rgb(255, 0, 0);
inline constexpr Colour green = Colour::rgb(0, 128, 0);
inline constexpr Colour blue = Colour::rgb(0, 0, 255);
inline constexpr Colour yellow = Colour::rgb(255, 255, 0);
inline constexpr Colour skyBlue = Colour::rgb(166, 202, 240);
inline constexpr Colour maroon = Colour::rgb(128, 0, 0);
inline constexpr Colour purple = Colour::rgb(128, 0, 128);
inline constexpr Colour grey = Colour::rgb(128, 128, 128);
inline constexpr Colour silver = Colour::rgb(192, 192, 192);
inline constexpr Colour paleGreen = Colour::rgb(192, 220, 192);
inline constexpr Colour black = Colour::rgb(0, 0, 0);
inline constexpr Colour buttonFace = Colour::system(Colour::Kind::ButtonFace);
inline constexpr Colour buttonText = Colour::system(Colour::Kind::ButtonText);
inline constexpr Colour window = Colour::system(Colour::Kind::Window);
inline constexpr Colour menuHighlight = Colour::system(Colour::Kind::MenuHighlight);
inline constexpr Colour none = Colour::system(Colour::Kind::None);
}  // namespace colours

}  // namespace zaq
