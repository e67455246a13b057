#pragma once

#include "ui/Prompter.h"

namespace zaq {

// The "ATENCION" boxes as modal message boxes.
class PrompterView final : public Prompter {
  public:
    void warn(const QString& text) override;
    bool ask(const QString& text) override;
    void reportError(const QString& text) override;
};

}  // namespace zaq
