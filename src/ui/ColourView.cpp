#include "ui/ColourView.h"

namespace zaq {

QColor toQColor(const Colour& colour, const QPalette& palette) {
    switch (colour.kind()) {
        case Colour::Kind::Rgb:
            return QColor(colour.red(), colour.green(), colour.blue());
        case Colour::Kind::ButtonFace:
            return palette.color(QPalette::Button);
        case Colour::Kind::ButtonText:
            return palette.color(QPalette::ButtonText);
        case Colour::Kind::Window:
            return palette.color(QPalette::Base);
        case Colour::Kind::MenuHighlight:
            return palette.color(QPalette::Highlight);
        case Colour::Kind::None:
            break;
    }
    return Qt::transparent;
}

}  // namespace zaq
