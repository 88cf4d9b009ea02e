#include "online/online_file_window.h"

#include "platform/io_error.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace andel {
namespace {

constexpr int kBarTrackWidth = 200;  // two pixels per percent

QLabel* caption(const QString& text, QWidget* parent, int top) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(12, top, 110, 20);
    return label;
}

QLabel* field(const char* name, QWidget* parent, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(126, top, 150, 20);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setStyleSheet(QStringLiteral("background: white; padding: 0 3px;"));
    return label;
}

}  // namespace

Tonlinefilform::Tonlinefilform(Workspace workspace, Messages* messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messageBoxes_(this),
      messages_(messages ? *messages : messageBoxes_) {
    setObjectName(QStringLiteral("onlinefilform"));
    setWindowTitle(QStringLiteral("Onlinefil"));
    setFixedSize(290, 214);

    auto* waiting = new QLabel(QStringLiteral("Vent...lager onlinefil"), this);
    waiting->setObjectName(QStringLiteral("Label1"));
    waiting->setGeometry(12, 8, 266, 20);
    QFont bold = waiting->font();
    bold.setBold(true);
    waiting->setFont(bold);

    caption(QStringLiteral("Spill"), this, 36);
    spilltype_ = field("spilltype", this, 36);
    caption(QStringLiteral("Kuponger i alt"), this, 60);
    kupongerialt_ = field("kupongerialt", this, 60);
    caption(QStringLiteral("Skrevet til nå"), this, 84);
    skrevettilno_ = field("skrevettilno", this, 84);
    caption(QStringLiteral("Ferdig"), this, 108);
    prosentwindow_ = field("prosentwindow", this, 108);

    auto* track = new QFrame(this);
    track->setGeometry(45, 136, kBarTrackWidth + 2, 14);
    track->setFrameShape(QFrame::Box);
    panel6_ = new QFrame(track);
    panel6_->setObjectName(QStringLiteral("panel6"));
    panel6_->setGeometry(1, 1, 0, 12);
    panel6_->setStyleSheet(QStringLiteral("background: #00a000;"));

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setGeometry(12, 156, 266, 16);
    progressBar_->setTextVisible(false);

    listBox_ = new QListWidget(this);
    listBox_->setObjectName(QStringLiteral("ListBox1"));
    listBox_->setGeometry(12, 36, 266, 120);
    listBox_->hide();

    auto* readIn = new QPushButton(QStringLiteral("Les inn"), this);
    readIn->setObjectName(QStringLiteral("Button1"));
    readIn->setGeometry(105, 180, 80, 26);
    connect(readIn, &QPushButton::clicked, this, [this] { run(); });
}

ConversionResult Tonlinefilform::run() {
    ConversionRequest request;
    request.input = workspace_.file(inputFile_);
    request.game = game_;
    listBox_->clear();
    try {
        result_ = runOnlineConversion(workspace_, request, messages_, *this);
    } catch (const IoError& error) {
        messages_.inform(error.what());
        result_ = ConversionResult{};
        result_.outcome = ConversionOutcome::Failed;
    }
    if (result_.outcome != ConversionOutcome::UnknownGame) accept();
    return result_;
}

void Tonlinefilform::gameShown(const std::string& text) {
    spilltype_->setText(QString::fromStdString(text));
    spilltype_->repaint();
}

void Tonlinefilform::started(long totalCoupons) {
    shownPercent_ = -1;
    progressBar_->setRange(0, static_cast<int>(std::max(0L, totalCoupons)));
    progressBar_->setValue(0);
    kupongerialt_->setText(QString::number(totalCoupons));
    skrevettilno_->setText(QStringLiteral("0"));
    panel6_->resize(0, panel6_->height());
    repaint();
}

void Tonlinefilform::recordWritten(long written, int percent) {
    skrevettilno_->setText(QString::number(written));
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        prosentwindow_->setText(QString::number(percent) + QLatin1Char('%'));
        panel6_->resize(2 * percent, panel6_->height());
    }
    progressBar_->setValue(static_cast<int>(std::min<long>(written, progressBar_->maximum())));
    repaint();
}

void Tonlinefilform::listed(const std::string& line) { listBox_->addItem(QString::fromStdString(line)); }

}  // namespace andel
