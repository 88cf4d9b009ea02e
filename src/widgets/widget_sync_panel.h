#pragma once
// Showing state texts in widgets without needless work on every render.
#include <QComboBox>
#include <QLabel>

#include <string>
#include <vector>

namespace andel {

// A combo box's items, rebuilt only when they changed since the last call.
class ComboItems {
public:
    void show(QComboBox& box, const std::vector<std::string>& items, int index);

private:
    std::vector<std::string> shown_;
};

void setLabelText(QLabel& label, const std::string& text);
// Style sheets are costly to apply: only a changed one is set.
void setStyleIfChanged(QWidget& widget, const QString& style);
// Qt style-sheet colour from a 0x00BBGGRR colour number.
QString cssColour(std::uint32_t bgr);

}  // namespace andel
