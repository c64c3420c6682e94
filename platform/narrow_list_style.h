#pragma once
// The look of very narrow drop-down lists (the 40-pixel hour and minute boxes): the
// usual arrow and padding would leave room for one digit only.
class QComboBox;

namespace platform {

// Up to this width a drop-down list gets the narrow arrow and padding.
constexpr int kNarrowListWidth = 48;

// Gives `combo` a style that keeps the application's look and, while the box is
// narrow, a slimmer arrow and less padding. Position and size stay as they are.
void UseNarrowListStyle(QComboBox* combo);

}  // namespace platform
