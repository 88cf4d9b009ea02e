#include "main_window/top_bar_panel.h"

#include "widgets/fitting_panel.h"
#include "widgets/icons_panel.h"
#include "widgets/up_down_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace andel {
namespace {

constexpr int kRow1 = 3, kRow2 = 31, kFieldHeight = 22;

QLabel* playerField(const char* name, QWidget* parent, int left, int width) {
    auto* field = new QLabel(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(left, kRow2 + 2, width, kFieldHeight);
    field->setFrameShape(QFrame::Panel);
    field->setFrameShadow(QFrame::Sunken);
    field->setStyleSheet(QStringLiteral("background: white; padding: 0 3px;"));
    return field;
}

}  // namespace

TopBarPanel::TopBarPanel(const WorkbenchState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("toppfelt"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);

    auto* title = new QLabel(QStringLiteral("\" KRYSSBALLEN \""), this);
    title->setObjectName(QStringLiteral("tittel"));
    title->setGeometry(4, kRow1, 150, 24);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("background: navy; color: white; font-size: 11pt; font-weight: bold;"));

    weeks_ = addSelector(QStringLiteral("Uke"), "ukecombobox", "UpDown1", Selector::GameWeek, 160, 112);
    showListRows(*weeks_);
    couponTypes_ = addSelector(QStringLiteral("Kupong"), "KUPONGTYPE", "UpDown2", Selector::CouponType, 316, 80);
    couponTypes_->addItems({QStringLiteral("LØRDAG"), QStringLiteral("SØNDAG"), QStringLiteral("MIDTUKE")});
    timeBases_ = addSelector(QStringLiteral("Spill til:"), "pauseordiner", "UpDown3", Selector::TimeBasis, 460, 82);
    timeBases_->addItems({QStringLiteral("ORDINÆR"), QStringLiteral("PAUSE"), QStringLiteral("BEGGE")});
    connect(weeks_, &QComboBox::activated, this, &TopBarPanel::weekChosen);
    connect(couponTypes_, &QComboBox::activated, this, &TopBarPanel::couponTypeChosen);
    connect(timeBases_, &QComboBox::activated, this, &TopBarPanel::timeBasisChosen);

    const struct {
        Picture picture;
        const char* name;
        const char* hint;
        void (TopBarPanel::*signal)();
    } tools[] = {
        {Picture::Printer, "lagandelbrev3", "Skriv ut andelsbrev", &TopBarPanel::printRequested},
        {Picture::Trophy, "premieknapp", "Premietelling", &TopBarPanel::prizeRequested},
        {Picture::Disk, "SpeedButton4", "Lagre tipperekker", &TopBarPanel::storeRequested},
    };
    int left = 4;
    for (const auto& tool : tools) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setIcon(pictureIcon(tool.picture, 20));
        button->setToolTip(QString::fromUtf8(tool.hint));
        button->setGeometry(left, kRow2, 28, 26);
        connect(button, &QToolButton::clicked, this, tool.signal);
        left += 30;
    }

    // The third control of "store the rows", never shown; it runs the same command.
    auto* hiddenStore = new QToolButton(this);
    hiddenStore->setObjectName(QStringLiteral("SpeedButton6"));
    hiddenStore->hide();
    connect(hiddenStore, &QToolButton::clicked, this, &TopBarPanel::storeRequested);

    auto* player = new QLabel(QStringLiteral("Spiller:"), this);
    player->setGeometry(104, kRow2 + 2, 50, kFieldHeight);
    firstName_ = playerField("xfornavn", this, 154, 128);
    lastName_ = playerField("etternavn", this, 286, 168);
    playerNumber_ = playerField("spillenummer", this, 458, 168);
}

QComboBox* TopBarPanel::addSelector(const QString& caption, const char* name, const char* arrows, Selector selector,
                                    int left, int width) {
    auto* label = new QLabel(caption, this);
    label->adjustSize();
    label->setGeometry(left, kRow1, label->width() + 4, 24);
    const int boxLeft = left + label->width();
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(boxLeft, kRow1 + 1, width, kFieldHeight);
    auto* updown = new UpDownPanel(QString::fromLatin1(arrows), this);
    updown->setGeometry(boxLeft + width + 1, kRow1, 15, 24);
    connect(updown, &UpDownPanel::stepped, this, [this, selector](int step) { emit stepped(selector, step); });
    return box;
}

void TopBarPanel::openList(Selector selector) {
    QComboBox* box = selector == Selector::GameWeek ? weeks_ : selector == Selector::CouponType ? couponTypes_ : timeBases_;
    box->showPopup();
}

void TopBarPanel::render() {
    weekItems_.show(*weeks_, state_.ukecomboboxItems, state_.ukecombobox);
    for (auto [box, index] : {std::pair{couponTypes_, state_.kupongtype}, std::pair{timeBases_, state_.pauseordiner}}) {
        if (box->currentIndex() != index) {
            const QSignalBlocker quiet(box);
            box->setCurrentIndex(index);
        }
    }
    setFittedText(*firstName_, QString::fromStdString(state_.xfornavn));
    setFittedText(*lastName_, QString::fromStdString(state_.etternavn));
    setLabelText(*playerNumber_, state_.spillenummer);
}

}  // namespace andel
