#pragma once

#include <QString>

namespace zaq {

// File names carry the date and time texts with "/" written "_" and ":" written "-". Only that
// part of a name is changed: the directory prefix stays as typed, "/" being its separator.
QString fileNamePart(const QString& dateOrTimeText);

}  // namespace zaq
