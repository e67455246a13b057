#pragma once

#include <QColor>
#include <QPalette>

#include "ui/Colour.h"

namespace zaq {

// A form colour on this desktop: RGB as given, the symbolic ones from the palette.
QColor toQColor(const Colour& colour, const QPalette& palette);

}  // namespace zaq
