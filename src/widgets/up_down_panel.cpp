#include "widgets/up_down_panel.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace andel {

UpDownPanel::UpDownPanel(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto& [arrow, step, suffix] : {std::tuple{Qt::UpArrow, -1, "opp"}, std::tuple{Qt::DownArrow, 1, "ned"}}) {
        auto* button = new QToolButton(this);
        button->setObjectName(name + QLatin1String(suffix));
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setIconSize(QSize(7, 7));
        // The selector beside takes the arrow keys: Tab goes past these small buttons.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, step = step] { emit stepped(step); });
        layout->addWidget(button);
    }
}

}  // namespace andel
