#pragma once
// Texts and lists kept inside the fixed places the windows give them.
#include <QString>

class QComboBox;
class QLabel;

namespace andel {

// Shows the text whole when it fits the label; otherwise cut after a whole character
// with "…", and the whole text in the label's tool tip.
void setFittedText(QLabel& label, const QString& text);

// A drop-down list of many items (shares, game weeks) opens as a scrolling list of
// about twenty rows with the current item in view, whatever the style's habit of
// opening lists over the whole screen.
void showListRows(QComboBox& box, int rows = 20);

}  // namespace andel
