#include "widgets/widget_sync_panel.h"

#include <QColor>

namespace andel {

void ComboItems::show(QComboBox& box, const std::vector<std::string>& items, int index) {
    if (items != shown_ || box.count() != static_cast<int>(items.size())) {
        const QSignalBlocker quiet(box);
        box.clear();
        QStringList texts;
        texts.reserve(static_cast<int>(items.size()));
        for (const std::string& item : items) texts << QString::fromStdString(item);
        box.addItems(texts);
        shown_ = items;
    }
    if (box.currentIndex() != index) {
        const QSignalBlocker quiet(box);
        box.setCurrentIndex(index);
    }
}

void setLabelText(QLabel& label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (label.text() != shown) label.setText(shown);
}

void setStyleIfChanged(QWidget& widget, const QString& style) {
    if (widget.styleSheet() != style) widget.setStyleSheet(style);
}

QString cssColour(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).name();
}

}  // namespace andel
