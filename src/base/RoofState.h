#pragma once

#include <QString>

#include "ui/FormControls.h"

namespace zaq {

// The roof as the station last reported it, kept in the colour of the roof panel `PTecho`:
// sky blue for open ('A'), yellow for the second open state ('a'), anything else closed.
enum class RoofState { Open, SecondOpen, Closed };

RoofState roofState(const Panel& roofPanel);

// The roof button takes both open states as open.
bool openForRoofButton(RoofState state);
// The automatic roof control and the automation surfaces count only the sky-blue state.
bool openForAutomation(RoofState state);

// The refusal of an opening while the closing limits forbid it.
QString openingRefusedText();

}  // namespace zaq
