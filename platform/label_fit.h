#pragma once
// Labels show their whole text: one that is wider than its label is drawn a little
// narrower instead of being cut at both ends.
class QFont;
class QLabel;

namespace platform {

// The font the program gave the label (null: the window's), kept as the one to fit from.
void SetLabelFont(QLabel* label, const QFont* font);
// Draws the label's text in its font, or, where the text is wider than the label, first
// with up to a pixel less between the letters, then smaller until it fits.
void FitLabelText(QLabel* label);

}  // namespace platform
