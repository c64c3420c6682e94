#pragma once
// What screen readers are told about the controls. Names are Windows-1252 like every
// other text of the program.
#include <string>
#include <vector>

namespace platform {

// Gives control `control` the name a screen reader says for it. An unchanged name is
// left alone, so that nothing is sent to the accessibility bus.
void SetControlAccessibleName(int control, const std::string& name);
// The name an assistive technology reads for the control, asked through the toolkit's
// accessibility interface (the caption of a frame, the text of a label or option, or
// the name given above).
std::string ControlAccessibleName(int control);
// A picture control that shows text (a clock) is offered as a label, whose name is
// read on demand. Call right after creating the control.
void OfferPictureAsLabel(int control);
bool IsOfferedAsLabel(int control);

// For checks: every object of window `window` that a screen reader can reach and that
// has no name, described as "role (class)". Hidden helpers of a control that a user
// never meets are included too, since a screen reader lists them all the same.
std::vector<std::string> UnnamedAccessibleObjects(int window);

}  // namespace platform
