#include "online/online_dialog.h"

#include "register/customer_fields.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace andel {
namespace {

constexpr int kTopBelowMainWindow = 70;

QString q(const std::string& text) { return QString::fromStdString(text); }

void caption(const QString& text, QWidget* parent, int left, int top, int width = 150) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(left, top, width, 18);
}

QLabel* panel(const char* name, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLineEdit* edit(const char* name, QWidget* parent, const QRect& geometry) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    return field;
}

QComboBox* list(const char* name, QWidget* parent, const QRect& geometry, const std::vector<std::string>& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    for (const std::string& item : items) box->addItem(q(item));
    return box;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent, const QRect& geometry) {
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setGeometry(geometry);
    // Enter must not make the online file by accident: only a click does.
    pushButton->setAutoDefault(false);
    return pushButton;
}

void choose(QComboBox& box, const std::string& text) {
    const int index = box.findText(q(text));
    if (index >= 0) box.setCurrentIndex(index);
}

}  // namespace

Tonlineform::Tonlineform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("onlineform"));
    setWindowTitle(QStringLiteral("Onlinefil"));
    setFixedSize(392, 300);

    caption(QStringLiteral("Navn"), this, 16, 12);
    edit1_ = edit("Edit1", this, QRect(16, 30, 360, 24));
    edit1_->installEventFilter(this);
    caption(QStringLiteral("Spillenummer  ( 9 siffer )"), this, 16, 60, 200);
    edit2_ = edit("Edit2", this, QRect(16, 78, 170, 24));
    edit2_->setMaxLength(kPlayerNumberFieldLimit);  // "123 456 789"
    // Digits and the blanks that group them: a letter would be dropped from the number.
    edit2_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), edit2_));

    caption(QStringLiteral("Dette er : "), this, 16, 114, 70);
    kupongtype_ = panel("kupongtype", this, QRect(88, 110, 150, 24));
    pauseordiner_ = panel("pauseordiner", this, QRect(246, 110, 130, 24));

    caption(QStringLiteral("Onlinefil-katalog"), this, 16, 146);
    combodrive_ = list("combodrive", this, QRect(16, 164, 170, 24), onlineDirectoryChoices());
    caption(QStringLiteral("Gangefelt"), this, 206, 146, 70);
    combogangefelt_ = list("combogangefelt", this, QRect(206, 164, 70, 24), multiplierChoices());
    caption(QStringLiteral("Uker"), this, 296, 146, 70);
    combouker_ = list("combouker", this, QRect(296, 164, 80, 24), weekChoices());

    caption(QStringLiteral("Antall rekker"), this, 16, 202, 100);
    rekkertotalt_ = panel("rekkertotalt", this, QRect(120, 198, 90, 24));
    caption(QStringLiteral("Antall kuponger"), this, 226, 202, 100);
    antallkuponger_ = panel("antallkuponger", this, QRect(330, 198, 46, 24));

    // The focus ring shows where a key goes, from the first opening on.
    setAttribute(Qt::WA_KeyboardFocusChange);
    auto* make = button("BitBtn1", QStringLiteral("Lag onlinefil"), this, QRect(80, 250, 120, 32));
    auto* cancel = button("BitBtn3", QStringLiteral("Avbryt"), this, QRect(212, 250, 100, 32));
    connect(make, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tonlineform::fill(const OnlineDialogFill& fill) {
    edit1_->setText(q(fill.answers.name));
    edit2_->setText(q(fill.answers.playerNumber));
    kupongtype_->setText(q(fill.couponType));
    pauseordiner_->setText(q(fill.timeBasis));
    choose(*combodrive_, fill.answers.directory);
    choose(*combogangefelt_, fill.answers.multiplier);
    choose(*combouker_, fill.answers.weeks);
    rekkertotalt_->setText(q(fill.rows));
    antallkuponger_->setText(q(fill.coupons));
}

void Tonlineform::startTyping() {
    edit1_->setFocus(Qt::OtherFocusReason);
    edit1_->end(false);
}

OnlineDialogAnswers Tonlineform::answers() const {
    return {edit1_->text().toStdString(), edit2_->text().toStdString(), combodrive_->currentText().toStdString(),
            combogangefelt_->currentText().toStdString(), combouker_->currentText().toStdString()};
}

void Tonlineform::placeOver(const QWidget& mainWindow) {
    const QRect main = mainWindow.window()->frameGeometry();
    move(main.left() + (main.width() - frameGeometry().width()) / 2, main.top() + kTopBelowMainWindow);
}

bool Tonlineform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            edit1_->insert(QStringLiteral(" "));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace andel
