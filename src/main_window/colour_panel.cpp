#include "main_window/colour_panel.h"

#include "widgets/window_parts_panel.h"

#include "widgets/widget_sync_panel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace andel {
namespace {

// A swatch that opens the colour dialog like its button.
class Swatch : public QLabel {
public:
    Swatch(const QString& name, QWidget* parent, std::function<void()> onClick)
        : QLabel(parent), onClick_(std::move(onClick)) {
        setObjectName(name);
        setFrameShape(QFrame::Box);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { onClick_(); }

private:
    std::function<void()> onClick_;
};

}  // namespace

ColourPanel::ColourPanel(const WorkbenchState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("fargepanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    resize(230, 150);

    auto* title = new QLabel(QStringLiteral("FARGE-VALG"), this);
    title->setGeometry(4, 4, 222, 22);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("background: navy; color: white; font-weight: bold;"));

    QPushButton* background = addButton(QStringLiteral("Bakgrunnsfarge"), "bakgrunnsfarge", this, QRect(12, 34, 130, 26));
    backgroundSwatch_ = new Swatch(QStringLiteral("bakgrunnsfargeprove"), this, [this] { emit backgroundRequested(); });
    backgroundSwatch_->setGeometry(152, 34, 64, 26);
    QPushButton* text = addButton(QStringLiteral("Textfarge"), "textfarge", this, QRect(12, 66, 130, 26));
    textSwatch_ = new Swatch(QStringLiteral("textfargeprove"), this, [this] { emit textRequested(); });
    textSwatch_->setGeometry(152, 66, 64, 26);
    QPushButton* reset = addButton(QStringLiteral("Resett"), "resettfarger", this, QRect(12, 110, 96, 28));
    QPushButton* close = addButton(QStringLiteral("&Lukk"), "lukkfarger", this, QRect(120, 110, 96, 28));
    connect(background, &QPushButton::clicked, this, &ColourPanel::backgroundRequested);
    connect(text, &QPushButton::clicked, this, &ColourPanel::textRequested);
    connect(reset, &QPushButton::clicked, this, &ColourPanel::resetRequested);
    connect(close, &QPushButton::clicked, this, &ColourPanel::closeRequested);
}

void ColourPanel::render() {
    setStyleIfChanged(*backgroundSwatch_, QStringLiteral("background: %1;").arg(cssColour(state_.couponBackground)));
    setStyleIfChanged(*textSwatch_, QStringLiteral("background: %1;").arg(cssColour(state_.couponText)));
}

}  // namespace andel
