#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The summary window (TFResumen) as data.
struct SummaryForm {
    WindowState window{QStringLiteral("Resumen ZAQ")};
};

}  // namespace zaq
