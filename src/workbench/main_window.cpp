#include "workbench/main_window.h"

#include "platform/io_error.h"
#include "workbench/recompute.h"
#include "workbench/shares_panel.h"
#include "workbench/stem_area_panel.h"
#include "workbench/startup.h"
#include "workbench/stem_editing.h"
#include "workbench/system_info_panel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace andel {
namespace {

constexpr int kWidth = 640, kHeight = 520;

// Centred on the work area, the top kept within 0 to 20.
QPoint startPosition() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, kWidth, kHeight);
    const int left = area.left() + (area.width() - kWidth) / 2;
    const int top = std::clamp((area.height() - kHeight) / 2, 0, 20);
    return {left, area.top() + top};
}

}  // namespace

Tgridform::Tgridform(Workspace workspace, Messages* messages, QWidget* parent)
    : QMainWindow(parent),
      workspace_(std::move(workspace)),
      state_(initialWorkbenchState()),
      messageBoxes_(this),
      messages_(messages ? *messages : messageBoxes_) {
    setObjectName(QStringLiteral("Tgridform"));
    setWindowTitle(QStringLiteral("Kvasar - Andelstippemodul  10.11.2019"));
    setFixedSize(kWidth, kHeight);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    move(startPosition());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("arbeidsflate"));
    setCentralWidget(central);

    auto* title = new QLabel(QStringLiteral("\" KRYSSBALLEN \""), central);
    title->setObjectName(QStringLiteral("tittel"));
    title->setGeometry(0, 0, kWidth, 30);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("background: navy; color: white; font-size: 14pt; font-weight: bold;"));

    shares_ = new SharesPanel(state_, central);
    shares_->setGeometry(6, 36, 374, 92);
    connect(shares_, &SharesPanel::sharesChosen, this, [this](int index) { change([&](auto& s) { chooseShares(s, index); }); });

    stemArea_ = new StemAreaPanel(state_, central);
    stemArea_->setGeometry(6, 134, 374, 300);
    connect(stemArea_, &StemAreaPanel::stemCellPressed, this,
            [this](int column, int row) { change([&](auto& s) { toggleStemCell(s, column, row); }); });
    connect(stemArea_, &StemAreaPanel::resetPressed, this, [this] { change(resetStemGrid); });
    connect(stemArea_, &StemAreaPanel::couponDragStarted, this,
            [this](int row) { change([&](auto& s) { startCouponDrag(s, row); }); });
    connect(stemArea_, &StemAreaPanel::couponDragMoved, this,
            [this](int row) { change([&](auto& s) { moveCouponDrag(s, row); }); });
    connect(stemArea_, &StemAreaPanel::couponDragEnded, this, [this] { change(endCouponDrag); });

    systemPanel_ = new SystemInfoPanel(central);
    systemPanel_->move(392, 36);

    buildCommandButtons(central);
    buildAgentBar(central);
    loadFromWorkingDirectory();
    render();
}

void Tgridform::loadFromWorkingDirectory() {
    try {
        loadAgentProfile(state_, workspace_);
        loadMidweekRowPrice(state_, mainStore(workspace_, messages_));
    } catch (const IoError& error) {
        messages_.inform(error.what());
    }
}

void Tgridform::buildAgentBar(QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("agentlinje"));
    bar->setGeometry(0, kHeight - 44, kWidth, 44);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Sunken);
    auto* caption = new QLabel(QStringLiteral("Tippekommisjonær:"), bar);
    caption->setGeometry(8, 4, 124, 16);
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    agentLine1_ = new QLabel(bar);
    agentLine1_->setObjectName(QStringLiteral("agentlinje1"));
    agentLine1_->setGeometry(134, 4, kWidth - 142, 16);
    agentLine2_ = new QLabel(bar);
    agentLine2_->setObjectName(QStringLiteral("agentlinje2"));
    agentLine2_->setGeometry(134, 22, kWidth - 142, 16);
}

void Tgridform::buildCommandButtons(QWidget* parent) {
    // Their commands arrive with the online file, the certificates and the row storage.
    const auto button = [parent](const QString& text, const char* name, int left) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 436, 120, 28);
        return b;
    };
    makeOnlineFile_ = button(QStringLiteral("Lag onlinefil"), "BitBtn2", 6);
    certificates_ = button(QStringLiteral("Andeslbrev"), "andeslbrev", 132);
    storeRows_ = button(QStringLiteral("Lagre rekker"), "lagrerekker", 258);
}

void Tgridform::render() {
    shares_->render();
    stemArea_->render();
    systemPanel_->render(state_);
    agentLine1_->setText(QString::fromStdString(state_.agentLine1));
    agentLine2_->setText(QString::fromStdString(state_.agentLine2));
    for (QPushButton* command : {makeOnlineFile_, certificates_, storeRows_}) command->setEnabled(state_.commandsEnabled);
}

}  // namespace andel
