#pragma once
// What screen readers are told about the controls. Names are Windows-1252 like every
// other text of the program.
#include <string>
#include <vector>

namespace platform {

// Gives control `control` the name a screen reader says for it. An unchanged name is
// left alone, so that nothing is sent to the accessibility bus.
void SetControlAccessibleName(int control, const std::string& name);
// A picture control that shows text (a clock) is offered as a label, whose name is
// read on demand. Call right after creating the control.
void OfferPictureAsLabel(int control);

}  // namespace platform
